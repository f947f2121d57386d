#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "hardware/loco_control.h"

class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QToolButton;

namespace kv {

class DccLink;
class Session;

// A button of the window that reports which mouse button went down (and, for the function
// boxes, came up) and leaves its look to the window.
class SpeedButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  std::function<void(Qt::MouseButton)> onDown;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

class FunctionBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;
  std::function<void(Qt::MouseButton)> onDown, onUp;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

class ClickFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;
  std::function<void(Qt::MouseButton)> onUp;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

class ClickPicture : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> onClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// Form2a, "DCC Loco Control": the throttle for DCC locos, thin over LocoControl. The loco list
// with its add-loco frame, the train-engine and pilot menus, the speed buttons with the
// direction picture, and the function boxes F0 to F12 five at a time.
class LocoWindow : public QWidget {
  Q_OBJECT

 public:
  // Speed buttons at rest and the one that stands tall, in pixels (500 and 800 twips).
  static constexpr int kRestHeight = 33;
  static constexpr int kTallHeight = 53;
  static constexpr int kPictureSize = 48;
  static constexpr int kShownFunctions = 5;

  LocoWindow(Session& session, DccLink& link, QWidget* parent = nullptr);
  ~LocoWindow() override;

  LocoControl& control() { return *control_; }

  // The start-up steps: loco.txt into the list and menus, function.txt into the boxes.
  void LoadLocoList();
  void LoadFunctionNames();
  // Puts the window at the bottom left corner of `area` (screen coordinates).
  void PlaceAtBottomLeft(const QRect& area);

  void mnuAdd_Click(int index);
  void mnuUnitA_Click(int index);
  void mnuUnitB_Click(int index);
  void mnuFuncTot_Click();
  void cmdLoco_MouseDown(int index, Qt::MouseButton button);
  void imgDir_Click();
  void chkFunc_MouseDown(int index, Qt::MouseButton button);
  void chkFunc_MouseUp(int index, Qt::MouseButton button);
  void fraFuncOp_MouseUp(Qt::MouseButton button);
  void imgBtnFunc_MouseDown(int index);

  bool AddMode() const { return addMode_; }
  // The first function box shown: 0, 5 or 10.
  int FirstShownFunction() const { return firstShown_; }
  // The direction picture is drawn because its file is missing.
  bool ShowsDirectionStandIn() const { return dirStandIn_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape in add mode gives the typed loco up: a loco that is refused cannot keep the speed
  // buttons hidden.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QMenuBar* BuildMenus();
  QWidget* BuildControlFrame();
  QWidget* BuildLocoFrame();
  QWidget* BuildFunctionFrame();
  void RebuildLocoMenus();
  void WriteLoco();
  void LeaveAddMode();
  void Refresh();
  void ShowSpeedButtons();
  void ShowFunctions();
  void ShowDirection();
  void ShowTitle();
  void FitFunctionColumn();
  QPixmap DirectionPicture(bool left);

  Session& session_;
  DccLink& link_;
  std::unique_ptr<LocoControl> control_;
  bool addMode_ = false;
  int firstShown_ = 0;
  bool dirStandIn_ = false;

  QListWidget* lstLoco_ = nullptr;
  QMenu* mnuList_[2] = {};
  QAction* mnuChip_ = nullptr;
  QAction* mnuFuncTot_ = nullptr;
  QAction* mnuAdd_[2] = {};
  QWidget* fraControl_ = nullptr;
  QGroupBox* fraLoco_ = nullptr;
  QLineEdit* txtChip_ = nullptr;
  QLineEdit* txtLoco_ = nullptr;
  std::array<SpeedButton*, LocoControl::kLastStep + 1> cmdLoco_{};
  ClickPicture* imgDir_ = nullptr;
  ClickFrame* fraFuncOp_ = nullptr;
  QWidget* functionColumn_ = nullptr;
  std::array<FunctionBox*, kFunctionCount> chkFunc_{};
  QToolButton* imgBtnFunc_[2] = {};
};

// What the direction picture shows when its file is missing: an arrow pointing the loco's way.
QPixmap DirectionStandIn(bool left, int size);

}  // namespace kv
