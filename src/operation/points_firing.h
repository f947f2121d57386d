#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace kv {

class DccLink;
class RelayStack;
class Session;

// Firing points solenoids from the panel outside Modify mode: a click on a red points label, or
// the send-number box. On the relay-stack systems a left click fires once and a right click
// keeps firing the same solenoid until a left-button firing completes; on "DCC" the click
// throws the accessory its caption names. Clicks on other labels go to route picking.
// Firings are numbered in the order asked for: a left firing ends only the repetitions asked
// for before it, so a right click made while a left firing runs or waits still repeats.
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
  // The DCC throw of accessory `number` to `side` ('L' or 'R'), which PointSide then names,
  // shown in the accessory group (as the signals throw their coils).
  void ThrowAccessory(int number, QChar side);

  // True from a firing's start until a left-button firing has completed that was asked for
  // after the newest repetition.
  bool RepeatFire() const { return repeatFire_; }

 private:
  // A firing: its solenoid, its number in the order asked for, and whether it repeats.
  struct Firing {
    int solenoid = 0;
    int seq = 0;
    bool repeat = false;
  };
  // One pulse of the firing; a repeating one asks for the next when it ends.
  void FirePass(const Firing& f);
  void PassEnded(const Firing& f);
  // A pulse of the relay stack has ended: a repetition held behind other pulses goes on once
  // none is left waiting, unless a left-button firing among them has ended it.
  void ResumeHeldRepeat();
  bool IsDcc() const;

  Session& session_;
  RelayStack& relay_;
  DccLink& dcc_;
  AccessoryDisplay accessory_;
  // A repetition goes on while it was asked for after every left firing that has completed.
  bool Alive(const Firing& f) const { return f.seq > endedUpTo_; }

  bool repeatFire_ = false;
  int seq_ = 0;                       // the number of the newest firing
  int newestRepeat_ = 0;              // the number of the newest repetition
  int endedUpTo_ = 0;                 // repetitions numbered below this were ended by a left firing
  std::optional<Firing> heldRepeat_;  // a repetition waiting for other pulses to end
};

}  // namespace kv
