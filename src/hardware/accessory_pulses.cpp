#include "hardware/accessory_pulses.h"

#include <algorithm>
#include <cmath>

#include "hardware/xpressnet.h"

namespace kv {

AccessoryPulses::AccessoryPulses(Scheduler& scheduler, Send send)
    : scheduler_(scheduler), send_(std::move(send)) {}

AccessoryPulses::~AccessoryPulses() {
  if (pending_ != 0) scheduler_.Cancel(pending_);
}

void AccessoryPulses::Queue(std::uint8_t solenoid, std::uint8_t side, int pulseMs) {
  waiting_.push_back({solenoid, side, pulseMs});
  if (!running_) StartNext();
}

void AccessoryPulses::Clear() {
  ++generation_;
  waiting_.clear();
  running_ = false;
  if (pending_ != 0) scheduler_.Cancel(pending_);
  pending_ = 0;
}

void AccessoryPulses::After(int ms, std::function<void()> step) {
  pending_ = scheduler_.After(ms, [this, step = std::move(step)]() {
    pending_ = 0;
    step();
  });
}

bool AccessoryPulses::SendFrame(const Throw& t, bool on) {
  const quint64 generation = generation_;
  const xpressnet::AccessoryTarget target = xpressnet::AccessoryFor(t.solenoid);
  send_(xpressnet::AccessoryMessage(target.address,
                                    xpressnet::AccessoryData(on, target.pair, t.side)));
  // Sending may find the line gone, which clears the queue.
  return generation == generation_;
}

void AccessoryPulses::StartNext() {
  if (waiting_.empty()) {
    running_ = false;
    if (onIdle) onIdle();
    return;
  }
  running_ = true;
  const Throw t = waiting_.front();
  waiting_.pop_front();
  if (!SendFrame(t, true)) return;
  After(t.pulseMs, [this, t]() {
    if (!SendFrame(t, false)) return;
    After(kSettleMs, [this]() { StartNext(); });
  });
}

int AccessoryPulseMs(const QString& controlSystem, float dwellTime) {
  if (controlSystem != QLatin1String("DCC") || !std::isfinite(dwellTime))
    return AccessoryPulses::kDefaultPulseMs;
  const long ms = std::lround(double(dwellTime) * 1000.0);
  return static_cast<int>(
      std::clamp<long>(ms, AccessoryPulses::kMinPulseMs, AccessoryPulses::kMaxPulseMs));
}

}  // namespace kv
