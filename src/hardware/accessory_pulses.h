#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>

#include "base/scheduler.h"

namespace kv {

// Throws of accessory decoder outputs (points and signal solenoids), one after another: the
// output is switched on, held for the pulse time, switched off, and the next throw waits for
// the settling time. A throw asked for while one runs waits its turn, so the frames of two
// throws never interleave.
class AccessoryPulses {
 public:
  // A solenoid coil needs a pulse long enough to pull the blade across; decoders that pass the
  // command straight to the coil burn it if the pulse is long. So the pulse follows the dwell
  // setting of the points on "DCC" (0.2 to 2.0 s), never below 100 ms or above 2 s.
  static constexpr int kMinPulseMs = 100;
  static constexpr int kMaxPulseMs = 2000;
  // The dwell's default on "DCC", used when the setting is not in seconds.
  static constexpr int kDefaultPulseMs = 1000;
  // After a throw: time for a capacitor discharge unit to recharge and for the command station
  // to pass the off command to the track before the next throw starts.
  static constexpr int kSettleMs = 250;

  using Send = std::function<void(const QByteArray& message)>;

  AccessoryPulses(Scheduler& scheduler, Send send);
  ~AccessoryPulses();
  AccessoryPulses(const AccessoryPulses&) = delete;
  AccessoryPulses& operator=(const AccessoryPulses&) = delete;

  // Queues a throw of `solenoid` (0..255) to `side` (0 = L, 1 = R) with the given pulse.
  void Queue(std::uint8_t solenoid, std::uint8_t side, int pulseMs);
  // Drops the throws that wait and stops the one running, sending nothing more (the line is
  // gone).
  void Clear();
  // A throw is running or waiting.
  bool Busy() const { return running_; }

  // Called each time the last queued throw has settled.
  std::function<void()> onIdle;

 private:
  struct Throw {
    std::uint8_t solenoid;
    std::uint8_t side;
    int pulseMs;
  };
  void StartNext();
  // Sends one frame of the throw; false when the queue was cleared meanwhile.
  bool SendFrame(const Throw& t, bool on);
  void After(int ms, std::function<void()> step);

  Scheduler& scheduler_;
  Send send_;
  std::deque<Throw> waiting_;
  bool running_ = false;
  quint64 generation_ = 0;
  Scheduler::TaskId pending_ = 0;
};

// The pulse for the dwell setting of the points: on "DCC" the dwell is in seconds.
int AccessoryPulseMs(const QString& controlSystem, float dwellTime);

}  // namespace kv
