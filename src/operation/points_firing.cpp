#include "operation/points_firing.h"

#include <QPointer>
#include <algorithm>

#include "base/session.h"
#include "hardware/dcc_link.h"
#include "hardware/relay_stack.h"
#include "operation/points_caption.h"

namespace kv {

namespace {
constexpr std::int32_t kPointsColour = 255;  // pure red
}  // namespace

PointsFiring::PointsFiring(Session& session, RelayStack& relay, DccLink& dcc, QObject* parent)
    : QObject(parent), session_(session), relay_(relay), dcc_(dcc) {
  connect(&relay_, &RelayStack::pulseEnded, this, &PointsFiring::ResumeHeldRepeat);
}

bool PointsFiring::IsDcc() const {
  return session_.model.ControlSystem == QLatin1String("DCC");
}

void PointsFiring::Label_MouseDown(int index, Qt::MouseButton button, const QString& caption,
                                   std::int32_t colour) {
  LayoutModel& m = session_.model;
  if (colour != kPointsColour) {
    m.LabelIdx = static_cast<std::uint8_t>(index);
    if (pickEntryExit) pickEntryExit();
    return;
  }
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  if (IsDcc()) {
    const auto point = DccPointOf(caption);
    if (!point) {
      session_.dialogs.Beep();
      return;
    }
    m.LabelIdx = static_cast<std::uint8_t>(index);
    repeatFire_ = true;
    // A side typed in lower case is the same side: it fires and shows as the capital.
    m.PointSide = caption.chopped(1) + point->side;
    // Through 0, so that the number's display changes even when the number does not.
    if (accessory_.setNumber) accessory_.setNumber(0);
    if (accessory_.setNumber) accessory_.setNumber(point->number);
    if (accessory_.showSide) accessory_.showSide(point->side);
    dcc_.ThrowSolenoidDcc(accessory_.number ? accessory_.number() : point->number);
    return;
  }
  const auto solenoid = RelaySolenoidOf(caption);
  if (!solenoid) {
    session_.dialogs.Beep();
    return;
  }
  m.LabelIdx = static_cast<std::uint8_t>(index);
  m.PointSide = caption;
  m.SolenoidNo = static_cast<std::uint8_t>(*solenoid);
  FireLoop(button);
}

void PointsFiring::ThrowAccessory(int number, QChar side) {
  session_.model.PointSide = QString::number(number) + side;
  if (accessory_.setNumber) accessory_.setNumber(number);
  if (accessory_.showSide) accessory_.showSide(side);
  dcc_.ThrowSolenoidDcc(accessory_.number ? accessory_.number() : number);
}

void PointsFiring::chkSendNo_MouseDown(int number, Qt::MouseButton button) {
  if (IsDcc()) {
    repeatFire_ = true;
    return;
  }
  session_.model.SolenoidNo = static_cast<std::uint8_t>(number);
  FireLoop(button);
}

void PointsFiring::FireLoop(Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  repeatFire_ = true;
  const Firing f{session_.model.SolenoidNo, ++seq_, button == Qt::RightButton};
  if (f.repeat) newestRepeat_ = f.seq;
  FirePass(f);
}

void PointsFiring::FirePass(const Firing& f) {
  session_.model.SolenoidNo = static_cast<std::uint8_t>(f.solenoid);
  QPointer<PointsFiring> self(this);
  const RelayStack::Outcome outcome = relay_.FireRelayStack([self, f]() {
    if (self) self->PassEnded(f);
  });
  if (RelayStack::WillWrite(outcome)) return;
  // Nothing goes out, so nothing would ever end a repetition: one pass is all. (Nothing goes
  // out for any firing then, so no other repetition runs that this could end.)
  repeatFire_ = false;
}

void PointsFiring::PassEnded(const Firing& f) {
  if (!f.repeat) {
    // A left-button firing has completed: the repetitions asked for before it stop after
    // their current pulse; one asked for while it ran or waited goes on.
    endedUpTo_ = std::max(endedUpTo_, f.seq);
    repeatFire_ = newestRepeat_ > endedUpTo_;
    return;
  }
  if (!Alive(f)) return;
  // Pulses asked for meanwhile go first, and the repetition asks for its next one only after
  // them: a left firing among them then ends it, and no further pulse follows.
  if (relay_.Waiting() > 0) {
    heldRepeat_ = f;
    return;
  }
  FirePass(f);
}

void PointsFiring::ResumeHeldRepeat() {
  if (!heldRepeat_ || relay_.Waiting() > 0) return;
  const Firing f = *heldRepeat_;
  heldRepeat_.reset();
  if (Alive(f)) FirePass(f);
}

}  // namespace kv
