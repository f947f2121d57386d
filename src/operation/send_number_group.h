#pragma once

#include <QObject>

class QScrollBar;

namespace kv {

class IndicatorCheckBox;
class PointsFiring;
class RelayStack;
class ToolbarFrame;

// fraSendNo: firing a relay-stack solenoid by its number. The scroll bar hsbSendNo picks the
// number and the box chkSendNo fires it; both also show the relay stack at work: the number on
// the outputs, and the phase (grey while selecting, ticked while firing). The frame's caption
// names the number, even above the bar's top of 128. The number the user set is kept apart
// from what the bar shows of a pulse: the box fires it, and the bar comes back to it when the
// relay stack is idle.
class SendNumberGroup : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxNumber = 128;

  // Fills `fraSendNo`.
  SendNumberGroup(ToolbarFrame* fraSendNo, RelayStack& relay, PointsFiring& firing);

  QScrollBar* hsbSendNo() const { return hsbSendNo_; }
  IndicatorCheckBox* chkSendNo() const { return chkSendNo_; }

 private:
  void hsbSendNo_Change(int value);
  void ShowRelayNumber(int number);
  void chkSendNo_MouseUp();

  RelayStack& relay_;
  ToolbarFrame* fraSendNo_;
  int userNumber_ = 0;
  QScrollBar* hsbSendNo_;
  IndicatorCheckBox* chkSendNo_;
};

}  // namespace kv
