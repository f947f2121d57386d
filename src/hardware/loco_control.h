#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "base/scheduler.h"
#include "hardware/loco_rules.h"
#include "hardware/xpressnet.h"
#include "layout/loco_files.h"

namespace kv {

class DccLink;
class Session;

// The throttle behind the DCC Loco Control window, without the window: the layout's locos and
// their files, the train engine (unit A) and the pilot (unit B) of a double header, speed and
// direction, and functions F0 to F12 with their latching settings. Every action that reaches a
// loco ends in a message through the link, which sends nothing while it is off-line.
class LocoControl {
 public:
  // Which mouse button pressed a speed button.
  enum class Button { kLeft, kRight, kOther };
  enum class AddOutcome { kAdded, kNothingTyped, kRefused };

  static constexpr int kStopButton = 0;
  static constexpr int kFirstStep = 2;
  static constexpr int kLastStep = 14;
  // The pause after each speed message: whatever the window sends next waits for its end.
  static constexpr int kSpeedPauseMs = 5;

  LocoControl(Session& session, DccLink& link);
  ~LocoControl();
  LocoControl(const LocoControl&) = delete;
  LocoControl& operator=(const LocoControl&) = delete;

  // --- the files ------------------------------------------------------------------------------
  // loco.txt into the list (created empty when missing), in the list's order; a record that
  // cannot be read, and records beyond the 100th, are told.
  void LoadLocoList();
  // function.txt into the labels and latching settings (F0 to F12); what it lacks has no label
  // and does not latch. Operate mode.
  void LoadFunctionNames();

  int LocoCount() const { return static_cast<int>(locos_.size()); }
  const LocoRecord& Loco(int i) const { return locos_.at(i).record; }

  // WriteLoco: adds a loco typed as `chip` and `number` at its place in the list and rewrites
  // loco.txt from the whole list. Both empty: nothing to add. Refused, with a message, for a
  // chip that is not four digits 0001 to 9999, a missing number, a full list, or a list that
  // holds less than its file (a rewrite would drop the rest). `added` gets the new index.
  AddOutcome WriteLoco(const QString& chip, const QString& number, int* added = nullptr);

  // --- train engine and pilot ------------------------------------------------------------------
  // Picks loco i as the train engine; refused (false) while a pilot is coupled. Sends nothing.
  bool SelectTrainEngine(int i);
  // Couples loco i as the pilot, or releases it when it is the pilot; sends the double header.
  // Nothing for the train engine itself or while another loco is the pilot; message 13 when no
  // train engine has been picked.
  void SelectPilot(int i);
  std::optional<int> TrainEngine() const { return trainEngine_; }
  std::optional<int> Pilot() const { return pilot_; }
  // Unit A's address bytes, 00 00 until a train engine is picked.
  xpressnet::LocoAddress UnitA() const { return unitA_; }
  xpressnet::LocoAddress UnitB() const { return unitB_; }

  // --- speed and direction ---------------------------------------------------------------------
  // cmdLoco(n) pressed: 0 is STOP, 2 to 14 the steps; the byte sent is the step (0 for a right
  // click) plus DirBase. Message 13 when no train engine has been picked.
  void PressSpeed(int n, Button button);
  // The speed button that stands tall: 0 (STOP) at rest, the step last pressed with the left
  // button.
  int TallButton() const { return tall_; }
  // imgDir: the other direction, the loco stopped in it. Message 13 with no train engine.
  void ReverseDirection();
  // True: the "L" picture and DirBase 128; false (at start): "R" and 0.
  bool DirectionLeft() const { return directionLeft_; }
  std::uint8_t DirBase() const { return directionLeft_ ? 0x80 : 0x00; }

  // --- functions -------------------------------------------------------------------------------
  bool FunctionsEnabled() const { return trainEngine_.has_value(); }
  bool Operate() const { return operate_; }
  // Left button down and up on function box f. In operate mode they switch the train engine's
  // function: a latching one goes on at its first press and off at the release of the next; a
  // momentary one is on while held. In status mode the release flips whether f latches.
  void FunctionPress(int f);
  void FunctionRelease(int f);
  // The box's tick: in operate mode whether the train engine's function is on, in status mode
  // whether it latches.
  bool FunctionTicked(int f) const;
  bool FunctionOn(int f) const;
  bool Latching(int f) const { return latching_.at(static_cast<std::size_t>(f)); }
  QString Label(int f) const { return labels_.at(static_cast<std::size_t>(f)); }
  QString FunctionCaption(int f) const;
  // fraFuncOp clicked: operate <-> status, refused while a function is on; the way back to
  // operate rewrites function.txt. Only once a train engine is picked.
  void ToggleFunctionMode();
  // mnuFuncTot: switches off every function of the group of the function pressed last.
  void ClearFunctionGroup();
  // "FT" with no train engine, else "FT " and the byte of the group last sent to it.
  QString FuncTotText() const;
  int FuncNo() const { return funcNo_; }

 private:
  struct LocoState {
    LocoRecord record;
    FunctionStates on{};
    std::uint8_t lastGroup = 0x20;
  };
  LocoState* Engine();
  const LocoState* Engine() const;
  void SendFunctions(LocoState& loco, std::uint8_t group);
  void SendSpeed(std::uint8_t speed);
  // Every message leaves through the link in the order asked for; one asked for during the
  // pause after a speed message leaves when the pause ends, on the scheduler, not in a wait.
  void Queue(std::function<void()> send, int pauseAfterMs = 0);
  void SendQueued();
  void SaveFunctionNames();
  static bool ValidFunction(int f) { return f >= 0 && f < kFunctionCount; }

  Session& session_;
  DccLink& link_;
  QList<LocoState> locos_;
  // A record of loco.txt or function.txt could not be read (its line): a rewrite would drop
  // what follows it.
  int locoFileStoppedAt_ = 0;
  int functionFileStoppedAt_ = 0;

  std::optional<int> trainEngine_;
  std::optional<int> pilot_;
  xpressnet::LocoAddress unitA_{};
  xpressnet::LocoAddress unitB_{};
  int tall_ = kStopButton;
  bool directionLeft_ = false;

  std::array<QString, kFunctionCount> labels_{};
  std::array<bool, kFunctionCount> latching_{};
  bool operate_ = true;
  int funcNo_ = 0;
  bool pressTurnedOn_ = false;  // the press under way switched its function on

  std::deque<std::pair<std::function<void()>, int>> queue_;
  qint64 quietUntil_ = 0;
  Scheduler::TaskId pending_ = 0;
};

}  // namespace kv
