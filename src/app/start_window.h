#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>

class QLabel;

namespace kv {

class Session;
class MainWindow;

// A push button that reports the mouse button it was released with.
class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  CommandButton(const QString& objectName, const QString& caption, QWidget* parent = nullptr);
 signals:
  void mouseUp(Qt::MouseButton button);
 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
 private:
  bool mouseRelease_ = false;
};

// Form0, the start window: choose Create, Modify or Operate. The control system is asked for
// here when none is remembered.
class StartWindow : public QWidget {
  Q_OBJECT

 public:
  // `openMain` shows the main window and runs its whole load step; it returns the window once
  // loaded, or nullptr when the program ended while loading.
  StartWindow(Session& session, std::function<MainWindow*()> openMain, QWidget* parent = nullptr);

  // Form_Load: reads version.txt and asks for the control system when none is stored.
  void Load();
  void cmdSelect_MouseUp(int index, Qt::MouseButton button);

 signals:
  void helpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Session& session_;
  std::function<MainWindow*()> openMain_;
  CommandButton* cmdSelect_[3] = {};
  QLabel* imgIcon_ = nullptr;
};

}  // namespace kv
