#pragma once

#include <QGroupBox>
#include <QLabel>
#include <functional>
#include <memory>

#include "hardware/dc_knobs.h"

namespace kv {

class BoardLibrary;
class RelayStack;
class Session;

// A knob picture: reports the presses, releases and double-clicks of any button.
class KnobPicture : public QLabel {
 public:
  KnobPicture(int knob, QWidget* parent);
  std::function<void(Qt::MouseButton)> onDown, onUp, onDoubleClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// fraBoxHM, the DC control box: the two throttle knobs picKnob 1 and 2 in picBoxHM, each with
// its percentage lblPwm. Knob i drives the board's analogue output i; a double-click on a
// stopped knob reverses its section through the relay stack.
class DcKnobBox : public QGroupBox {
  Q_OBJECT

 public:
  static constexpr int kKnobSize = 56;

  DcKnobBox(Session& session, BoardLibrary& board, RelayStack& relay, QWidget* parent);
  ~DcKnobBox() override;

  DcKnobs& knobs() { return *knobs_; }
  KnobPicture* picKnob(int knob) const { return picKnob_[knob]; }
  QLabel* lblPwm(int knob) const { return lblPwm_[knob]; }
  // The knob shows a drawn stand-in because its picture file is missing.
  bool ShowsStandIn(int knob) const { return standIn_[knob]; }

  // Sets both direction texts to " Fwd" (coord.txt is being read).
  void ResetDirectionTexts();
  // Keeps the box at the top right corner of `host`, `rightInset` pixels from its right edge.
  void PinToTopRight(QWidget* host, int rightInset);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowKnob(int knob);
  void ShowPercent();
  void Place();

  Session& session_;
  std::unique_ptr<DcKnobs> knobs_;
  KnobPicture* picKnob_[3] = {};
  QLabel* lblPwm_[3] = {};
  bool standIn_[3] = {};
  QWidget* host_ = nullptr;
  int rightInset_ = 0;
};

// What a knob shows when its picture file is missing: the knob drawn plainly, its pointer at
// `position`, with a dashed rim so it is not taken for the real picture.
QPixmap KnobStandIn(bool reverse, int position, int size);

}  // namespace kv
