#include "operation/signal_operation.h"

#include "base/message_catalogue.h"
#include "base/session.h"
#include "operation/points_caption.h"
#include "operation/points_firing.h"
#include "operation/signal_aspects.h"
#include "operation/signal_texts.h"
#include "panel/panel.h"

namespace kv {

SignalOperation::SignalOperation(Session& session, Panel& panel, PointsFiring& firing,
                                 QObject* parent)
    : QObject(parent), session_(session), panel_(panel), firing_(firing) {}

bool SignalOperation::IsDcc() const {
  return session_.model.ControlSystem == QLatin1String("DCC");
}

void SignalOperation::imgSig_MouseDown(int index, Qt::MouseButton button) {
  LayoutModel& m = session_.model;
  if (m.ProgMode == kModify) return;
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const ImageControl* signal = panel_.imgSig(index);
  if (!signal) return;
  const QString coil = signal->toolTip();
  // "fixed" would read as solenoid 0 and work whichever signal has a coil 0.
  if (coil.compare(texts::FixedCoil(), Qt::CaseInsensitive) == 0) return;
  int number = 0;
  if (IsDcc()) {
    const auto output = DccCoilOf(coil);
    if (!output) {
      session_.dialogs.Beep();
      return;
    }
    number = output->number;
    m.SolenoidNo = static_cast<std::uint8_t>(number);
    firing_.ThrowAccessory(number, output->side);
  } else {
    const auto solenoid = RelaySolenoidOf(coil);
    if (!solenoid) {
      session_.dialogs.Beep();
      return;
    }
    number = *solenoid;
    m.PointSide = coil;
    m.SolenoidNo = static_cast<std::uint8_t>(number);
    firing_.FireLoop(button);
  }
  m.SigIdx = static_cast<std::uint8_t>(index);
  // The picture changes once, whichever button: the coil is already on its way.
  ScanSignals(number, false, m.ExitName);
}

SignalOperation::Worked SignalOperation::ScanSignals(int coil, bool sigReverse,
                                                     const QString& exitName) {
  LayoutModel& m = session_.model;
  m.SigReverse = sigReverse;
  for (int i = 1; i <= m.SignalCount; ++i) {
    QString matched;
    for (const QString* c : {&m.SignalCoilA[i], &m.SignalCoilB[i]}) {
      if (matched.isEmpty() && LeadingNumberOf(*c) == coil) matched = *c;
    }
    if (matched.isEmpty()) continue;
    if (ToggleSignal(i, sigReverse, exitName) && !ShowsOtherAspect(m, i)) {
      return {i, m.SignalCoilB[i]};
    }
    return {i, matched};
  }
  return {0, QString()};
}

bool SignalOperation::ToggleSignal(int i, bool sigReverse, const QString& exitName) {
  LayoutModel& m = session_.model;
  m.ObjIdx = static_cast<std::uint8_t>(i);
  // The shown aspect decides, not SignalOff: a selection in Modify mode sets and clears that.
  const bool off = !ShowsOtherAspect(m, i);
  // Without an aspect code there is nothing to come back to, and the signal would pass for
  // stored while its tool-tip named coil B, which the save then takes for coil A.
  if (off && AspectCodeOf(m.SignalPicture[i]).isEmpty()) {
    CannotUse(i, m.SignalPicture[i]);
    return false;
  }
  const QString picture = off ? SetOffAspect(m.SignalPicture[i], sigReverse, exitName)
                              : SetOnAspect(m.SignalPicture[i], m.StoredAspect[i]);
  if (!DrawSignal(i, picture)) return false;
  m.StoredAspect[i] = off ? AspectCodeOf(m.SignalPicture[i]) : QString();
  m.SignalPicture[i] = picture;
  m.SignalOff[i] = off;
  ImageControl* signal = panel_.imgSig(i);
  signal->setToolTip(off ? m.SignalCoilB[i] : m.SignalCoilA[i]);
  if (!off) {
    if (const auto b = LeadingNumberOf(m.SignalCoilB[i]))
      m.SolenoidNo = static_cast<std::uint8_t>(*b);
  }
  return true;
}

bool SignalOperation::DrawSignal(int i, const QString& picture) {
  QString error;
  if (panel_.SetSignalPicture(i, picture, &error)) {
    // The signal stays where it stands on the panel, moved or not since the layout was read.
    ImageControl* signal = panel_.imgSig(i);
    signal->show();
    panel_.BringToFront(signal);
    return true;
  }
  CannotUse(i, picture);
  return false;
}

void SignalOperation::CannotUse(int i, const QString& picture) {
  LayoutModel& m = session_.model;
  // Message 15 names the bitmap; element 0 is scratch.
  m.SignalPicture[0] = picture;
  m.SigPathLength = static_cast<int>(picture.size());
  m.ObjIdx = 0;
  ShowMessage(session_, 15);
  m.ObjIdx = static_cast<std::uint8_t>(i);
}

}  // namespace kv
