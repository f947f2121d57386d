#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "base/scheduler.h"

namespace kv {

class BoardLibrary;
class Session;

// The solenoid relay stack on the board's eight digital outputs. One pulse for solenoid N puts
// N on the outputs for the dwell time (the select phase), then N + 1 for 500 ms (the fire
// phase), then clears them, unless a route is still being worked. Pulses run on the Scheduler:
// the caller does not wait, and a pulse asked for while another runs waits behind it, with its
// own number.
//
// The send-number check box and scroll bar of the main window follow the pulse: chkSendNo is
// 2 (grey) in the select phase, 1 (ticked) in the fire phase and 0 when idle; hsbSendNo shows
// the number on the outputs, 0 when idle.
class RelayStack : public QObject {
  Q_OBJECT

 public:
  enum class Outcome {
    kStarted,      // the pulse runs now: its first pattern is on the outputs
    kQueued,       // it runs when those before it have ended
    kNothingSent,  // the relay stack is not in use: no box port and the system is not "DC"
    kRefused,      // SolenoidNo has no firing number (above 254); the user was told
  };
  static constexpr int kFirePhaseMs = 500;
  static constexpr int kHighestSolenoid = 254;

  RelayStack(Session& session, BoardLibrary& board, QObject* parent = nullptr);
  // A pulse cut short by the end of the program leaves no solenoid powered.
  ~RelayStack() override;

  // One pulse for SolenoidNo. `done` runs when that pulse has ended, and only if it runs at
  // all; a caller that repeats the firing stops when the outcome says nothing will be written.
  Outcome FireRelayStack(std::function<void()> done = {});
  static bool WillWrite(Outcome outcome) {
    return outcome == Outcome::kStarted || outcome == Outcome::kQueued;
  }

  int chkSendNo() const { return check_; }
  int hsbSendNo() const { return number_; }
  bool Busy() const { return current_.has_value(); }
  // The outputs are the relay stack's: a pulse runs or waits, or a route left its pattern.
  bool HoldsOutputs() const { return Busy() || !queue_.empty() || leftSet_; }
  int Waiting() const { return static_cast<int>(queue_.size()); }
  // The clock of the dwell: its Interval is the phase being timed, 0 when idle.
  const IntervalTimer& timWait() const { return *timWait_; }

 signals:
  void chkSendNoChanged(int value);
  void hsbSendNoChanged(int value);
  void pulseEnded(int solenoid);
  // The last pulse has ended and no pattern is left on the outputs: they are free again.
  void outputsReleased();

 private:
  struct Pulse {
    int number = 0;
    std::function<void()> done;
  };
  enum class Phase { kIdle, kSelect, kFire };

  void StartNext();
  void FirePhase();
  void EndPulse();
  void RelayDwell();
  void timWait_Timer();
  int DwellMs() const;
  void SetCheck(int value);
  void SetNumber(int value);

  Session& session_;
  BoardLibrary& board_;
  std::unique_ptr<IntervalTimer> timWait_;
  std::deque<Pulse> queue_;
  std::optional<Pulse> current_;
  Phase phase_ = Phase::kIdle;
  int check_ = 0;
  int number_ = 0;
  bool leftSet_ = false;  // a route left a pattern on the outputs
};

}  // namespace kv
