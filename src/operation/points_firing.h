#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

namespace kv {

class DccLink;
class RelayStack;
class Session;

// Firing points solenoids from the panel outside Modify mode: a click on a red points label, or
// the send-number box. On the relay-stack systems a left click fires once and a right click
// keeps firing the same solenoid until a left-button firing completes; on "DCC" the click
// throws the accessory its caption names. Clicks on other labels go to route picking.
class PointsFiring : public QObject {
  Q_OBJECT

 public:
  // What the DCC accessory group shows of a throw.
  struct AccessoryDisplay {
    std::function<void(int number)> setNumber;  // hsbLenzNo.Value (its Change runs on a change)
    std::function<int()> number;                // hsbLenzNo.Value
    std::function<void(QChar side)> showSide;   // imgBtnTog 3 (L) or 4 (R) to the front
  };

  PointsFiring(Session& session, RelayStack& relay, DccLink& dcc, QObject* parent = nullptr);

  void SetAccessoryDisplay(AccessoryDisplay display) { accessory_ = std::move(display); }
  // A click on a label that is not a points label (an entrance or exit label).
  std::function<void()> pickEntryExit;

  // Label_MouseDown in Create and Operate mode. A caption that names no solenoid the system can
  // fire is refused with a beep, and nothing changes.
  void Label_MouseDown(int index, Qt::MouseButton button, const QString& caption,
                       std::int32_t colour);
  // chkSendNo_MouseDown: fires `number` on the relay stack; nothing on "DCC".
  void chkSendNo_MouseDown(int number, Qt::MouseButton button);

  // The firing loop on SolenoidNo: once for the left button, again and again for the right one
  // until a left-button firing completes. Other buttons fire nothing.
  void FireLoop(Qt::MouseButton button);
  // The DCC throw of `number` to the side in PointSide, its number shown in the accessory group
  // (as the signals throw their coils).
  void ThrowAccessory(int number);

  // True from a firing's start until a left-button firing has completed.
  bool RepeatFire() const { return repeatFire_; }

 private:
  // One pulse of `solenoid`; a repeating one asks for the next when it ends.
  void FirePass(int solenoid, bool repeat);
  void PassEnded(int solenoid, bool repeat);
  // A pulse of the relay stack has ended: a repetition held behind other pulses goes on once
  // none is left waiting, unless a left-button firing among them has ended it.
  void ResumeHeldRepeat();
  bool IsDcc() const;

  Session& session_;
  RelayStack& relay_;
  DccLink& dcc_;
  AccessoryDisplay accessory_;
  bool repeatFire_ = false;
  int heldRepeat_ = -1;  // solenoid of a repetition waiting for other pulses to end
};

}  // namespace kv
