#include "hardware/relay_stack.h"

#include <algorithm>
#include <cmath>

#include "base/dialogs.h"
#include "base/session.h"
#include "hardware/board_library.h"
#include "hardware/board_texts.h"

namespace kv {

RelayStack::RelayStack(Session& session, BoardLibrary& board, QObject* parent)
    : QObject(parent),
      session_(session),
      board_(board),
      timWait_(std::make_unique<IntervalTimer>(session.scheduler, [this]() { timWait_Timer(); })) {}

RelayStack::~RelayStack() {
  timWait_.reset();
  if (current_ || leftSet_) board_.ClearAllDigital();
}

RelayStack::Outcome RelayStack::FireRelayStack(std::function<void()> done) {
  const LayoutModel& m = session_.model;
  if (m.BoxPort == 0 && m.ControlSystem != QLatin1String("DC")) return Outcome::kNothingSent;
  const int n = m.SolenoidNo;
  if (n > kHighestSolenoid) {
    session_.dialogs.MessageBox(texts::SolenoidRefused(n), msg::kInformation,
                                texts::SolenoidRefusedTitle());
    return Outcome::kRefused;
  }
  queue_.push_back(Pulse{n, std::move(done)});
  if (Busy()) return Outcome::kQueued;
  StartNext();
  return Outcome::kStarted;
}

void RelayStack::StartNext() {
  if (queue_.empty()) return;
  current_ = std::move(queue_.front());
  queue_.pop_front();
  leftSet_ = false;
  phase_ = Phase::kSelect;
  board_.WriteAllDigital(current_->number);
  SetCheck(2);
  SetNumber(current_->number);
  RelayDwell();
}

void RelayStack::FirePhase() {
  phase_ = Phase::kFire;
  const int fire = current_->number + 1;
  board_.WriteAllDigital(fire);
  SetCheck(1);
  SetNumber(fire);
  RelayDwell();
}

void RelayStack::EndPulse() {
  phase_ = Phase::kIdle;
  // While a route is being worked its outputs stay set until its next item.
  if (session_.model.RouteList.isEmpty()) {
    board_.ClearAllDigital();
  } else {
    leftSet_ = true;
  }
  SetCheck(0);
  SetNumber(0);
  // Still busy while the caller hears of the end, so that a pulse it asks for queues behind
  // those already waiting.
  Pulse ended = std::move(*current_);
  if (ended.done) ended.done();
  emit pulseEnded(ended.number);
  current_.reset();
  StartNext();
  if (!HoldsOutputs()) emit outputsReleased();
}

void RelayStack::RelayDwell() {
  timWait_->SetInterval(check_ == 2 ? DwellMs() : kFirePhaseMs);
}

void RelayStack::timWait_Timer() {
  timWait_->SetInterval(0);
  if (phase_ == Phase::kSelect) {
    FirePhase();
  } else if (phase_ == Phase::kFire) {
    EndPulse();
  }
}

int RelayStack::DwellMs() const {
  // The dwell in whole ms, a half going to the even neighbour. A dwell of 0 would never end,
  // so the shortest is 1 ms; an unreadable one is the usual 1000 ms.
  const double dwell = session_.model.DwellTime;
  if (!std::isfinite(dwell)) return 1000;
  return static_cast<int>(std::clamp(std::nearbyint(dwell), 1.0, 65535.0));
}

void RelayStack::SetCheck(int value) {
  check_ = value;
  emit chkSendNoChanged(value);
}

void RelayStack::SetNumber(int value) {
  number_ = value;
  emit hsbSendNoChanged(value);
}

}  // namespace kv
