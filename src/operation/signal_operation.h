#pragma once

#include <QObject>
#include <QString>

namespace kv {

class Panel;
class PointsFiring;
class Session;

// Working signals outside Modify mode. A click on a signal fires the coil its tool-tip names
// (on the relay stack once for the left button and again and again for the right one, as the
// points labels fire; on "DCC" coil A works the accessory's first output and coil B its
// second), then the signal that coil works shows its other aspect, its tool-tip naming its
// other coil; working it again brings the stored picture back. Routes work signals through
// ScanSignals.
class SignalOperation : public QObject {
  Q_OBJECT

 public:
  SignalOperation(Session& session, Panel& panel, PointsFiring& firing, QObject* parent = nullptr);

  // imgSig_MouseDown in Create and Operate mode. A fixed signal takes no clicks; a coil that
  // names no solenoid the system can fire is refused with a beep, and nothing changes.
  // SigReverse is False for a click.
  void imgSig_MouseDown(int index, Qt::MouseButton button);

  // What working a coil did.
  struct Worked {
    int index = 0;  // the signal worked; 0 when no signal has that coil (nothing changed)
    // The coil to fire now: coil B of a signal that went back to its stored picture (clearing a
    // route fires it), else the coil that matched (coil A before coil B).
    QString fire;
  };
  // ScanSignals working a coil: the first signal 1..SignalCount one of whose coils has the
  // number `coil` changes aspect, the other aspect derived with `sigReverse` and the route's
  // `exitName` ("to B "). Signals created in this run count; fixed signals have no coils.
  // SigReverse takes `sigReverse`; SolenoidNo takes coil B's number when the signal went back
  // to its stored picture. Fires nothing: the caller fires the coil.
  Worked ScanSignals(int coil, bool sigReverse, const QString& exitName);

  // ToggleSignal on signal i: its other picture, or its stored one again. When that bitmap
  // cannot be shown, or the stored picture holds no aspect code, message 15 names it and the
  // signal stays as it was. False then.
  bool ToggleSignal(int i, bool sigReverse, const QString& exitName);

 private:
  // DrawSignal: signal i shows `picture`, in front. False (message 15 naming it) when the
  // bitmap cannot be loaded; the picture on the panel stays as it was.
  bool DrawSignal(int i, const QString& picture);
  // Message 15 naming `picture`, which signal i cannot show.
  void CannotUse(int i, const QString& picture);
  bool IsDcc() const;

  Session& session_;
  Panel& panel_;
  PointsFiring& firing_;
};

}  // namespace kv
