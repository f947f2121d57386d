#include "hardware/loco_control.h"

#include <algorithm>

#include "base/dialogs.h"
#include "base/layout_texts.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "hardware/dcc_link.h"
#include "hardware/loco_texts.h"

namespace kv {

namespace {

// Message 2 naming the file, the line where its reading stopped and why.
void TellUnreadable(Session& s, const QString& path, const LocoFileOutcome& outcome) {
  if (!outcome.stopped) return;
  s.model.TargetFile = path + texts::WhereReadingStopped(outcome.line, outcome.reason);
  ShowMessage(s, 2);
  s.model.TargetFile = path;
}

xpressnet::LocoAddress AddressOf(const LocoRecord& loco) {
  return xpressnet::LocoAddressOf(loco.chip.toInt()).value_or(xpressnet::LocoAddress{});
}

}  // namespace

LocoControl::LocoControl(Session& session, DccLink& link) : session_(session), link_(link) {}

LocoControl::~LocoControl() {
  if (pending_) session_.scheduler.Cancel(pending_);
}

void LocoControl::Queue(std::function<void()> send, int pauseAfterMs) {
  queue_.emplace_back(std::move(send), pauseAfterMs);
  if (!pending_) SendQueued();
}

void LocoControl::SendQueued() {
  pending_ = 0;
  Scheduler& clock = session_.scheduler;
  while (!queue_.empty()) {
    if (clock.NowMs() < quietUntil_) {
      pending_ = clock.After(quietUntil_ - clock.NowMs(), [this]() { SendQueued(); });
      return;
    }
    auto [send, pauseAfterMs] = std::move(queue_.front());
    queue_.pop_front();
    send();
    quietUntil_ = clock.NowMs() + pauseAfterMs;
  }
}

void LocoControl::SendSpeed(std::uint8_t speed) {
  const xpressnet::LocoAddress loco = unitA_;
  Queue([this, loco, speed]() { link_.SendLocoSpeed(loco, speed); }, kSpeedPauseMs);
}

void LocoControl::LoadLocoList() {
  const QString& path = session_.model.LocoFile;
  locos_.clear();
  trainEngine_.reset();
  pilot_.reset();
  locoFileStoppedAt_ = 0;
  if (path.isEmpty()) return;
  QList<LocoRecord> records;
  const LocoFileOutcome outcome = ReadLocoFile(path, &records);
  // The list keeps its own order whatever the file's: the menus and the next rewrite follow it.
  std::stable_sort(records.begin(), records.end(), [](const LocoRecord& a, const LocoRecord& b) {
    return LocoItemText(a).compare(LocoItemText(b), Qt::CaseInsensitive) < 0;
  });
  for (const LocoRecord& record : records) locos_.append(LocoState{record});
  if (outcome.stopped) locoFileStoppedAt_ = std::max(outcome.line, 1);
  TellUnreadable(session_, path, outcome);
  if (outcome.notTaken > 0) {
    session_.dialogs.MessageBox(texts::LocoLimit(path, outcome.notTaken), msg::kInformation,
                                texts::LocoListTitle());
  }
}

void LocoControl::LoadFunctionNames() {
  const QString& path = session_.model.FunctionFile;
  labels_.fill(QString());
  latching_.fill(false);
  functionFileStoppedAt_ = 0;
  if (!path.isEmpty()) {
    QList<FunctionRecord> records;
    const LocoFileOutcome outcome = ReadFunctionFile(path, &records);
    for (int f = 0; f < records.size(); ++f) {
      labels_[static_cast<std::size_t>(f)] = FunctionLabel(records.at(f).caption);
      latching_[static_cast<std::size_t>(f)] = records.at(f).latching;
    }
    if (outcome.stopped) functionFileStoppedAt_ = std::max(outcome.line, 1);
    TellUnreadable(session_, path, outcome);
  }
  operate_ = true;
}

LocoControl::AddOutcome LocoControl::WriteLoco(const QString& chip, const QString& number,
                                               int* added) {
  Dialogs& dialogs = session_.dialogs;
  const QString& path = session_.model.LocoFile;
  if (chip.isEmpty() && number.isEmpty()) return AddOutcome::kNothingTyped;
  if (!IsChip(chip)) {
    dialogs.MessageBox(texts::ChipRefused(chip), msg::kInformation, texts::LocoListTitle());
    return AddOutcome::kRefused;
  }
  const std::optional<QString> typed = LocoNumberAfterEdit(number);
  if (!typed || !IsLocoNumber(*typed)) {
    dialogs.MessageBox(texts::NumberMissing(), msg::kInformation, texts::LocoListTitle());
    return AddOutcome::kRefused;
  }
  if (LocoCount() >= kMaxLocos) {
    dialogs.MessageBox(texts::ListFull(), msg::kInformation, texts::LocoListTitle());
    return AddOutcome::kRefused;
  }
  if (locoFileStoppedAt_ > 0) {
    dialogs.MessageBox(texts::LocoFileIncomplete(path, locoFileStoppedAt_), msg::kCritical,
                       texts::LocoListTitle());
    return AddOutcome::kRefused;
  }
  QList<LocoRecord> records;
  for (const LocoState& l : locos_) records << l.record;
  const LocoRecord loco{chip, *typed};
  const int at = SortedPosition(records, loco);
  locos_.insert(at, LocoState{loco});
  records.insert(at, loco);
  // The picked locos keep their places in the list.
  if (trainEngine_ && *trainEngine_ >= at) ++*trainEngine_;
  if (pilot_ && *pilot_ >= at) ++*pilot_;
  if (added) *added = at;
  QString error;
  if (!path.isEmpty() && !WriteLocoFile(path, records, &error)) {
    dialogs.MessageBox(texts::LocoNotSaved(error), msg::kCritical, texts::LocoListTitle());
  }
  return AddOutcome::kAdded;
}

bool LocoControl::SelectTrainEngine(int i) {
  if (pilot_ || i < 0 || i >= LocoCount()) return false;
  trainEngine_ = i;
  unitA_ = AddressOf(locos_.at(i).record);
  tall_ = kStopButton;
  return true;
}

void LocoControl::SelectPilot(int i) {
  if (i < 0 || i >= LocoCount() || trainEngine_ == i) return;
  if (!trainEngine_) {
    ShowMessage(session_, 13);
    return;
  }
  if (pilot_ && *pilot_ != i) return;
  if (pilot_) {
    pilot_.reset();
    unitB_ = {};
  } else {
    pilot_ = i;
    unitB_ = AddressOf(locos_.at(i).record);
  }
  const xpressnet::LocoAddress a = unitA_;
  const xpressnet::LocoAddress b = unitB_;
  Queue([this, a, b]() { link_.SendDoubleHeader(a, b); });
}

void LocoControl::PressSpeed(int n, Button button) {
  if (n != kStopButton && (n < kFirstStep || n > kLastStep)) return;
  if (!trainEngine_) {
    ShowMessage(session_, 13);
    return;
  }
  int step = n;
  switch (button) {
    case Button::kLeft:
      tall_ = n;
      break;
    case Button::kRight:
      step = 0;
      tall_ = kStopButton;
      break;
    case Button::kOther:
      tall_ = kStopButton;
      break;
  }
  SendSpeed(static_cast<std::uint8_t>(step + DirBase()));
}

void LocoControl::ReverseDirection() {
  if (!trainEngine_) {
    ShowMessage(session_, 13);
    return;
  }
  directionLeft_ = !directionLeft_;
  tall_ = kStopButton;
  SendSpeed(DirBase());
}

LocoControl::LocoState* LocoControl::Engine() {
  return trainEngine_ ? &locos_[*trainEngine_] : nullptr;
}

const LocoControl::LocoState* LocoControl::Engine() const {
  return trainEngine_ ? &locos_.at(*trainEngine_) : nullptr;
}

void LocoControl::SendFunctions(LocoState& loco, std::uint8_t group) {
  loco.lastGroup = group;
  const xpressnet::LocoAddress a = unitA_;
  const std::uint8_t byte = GroupByte(loco.on, group);
  Queue([this, group, a, byte]() { link_.SendFunctionGroup(group, a, byte); });
}

void LocoControl::FunctionPress(int f) {
  LocoState* loco = Engine();
  pressTurnedOn_ = false;
  // In status mode the boxes only edit the latching settings: nothing reaches the loco.
  if (!loco || !ValidFunction(f) || !operate_) return;
  funcNo_ = f;
  bool& on = loco->on[static_cast<std::size_t>(f)];
  if (on) return;
  on = true;
  pressTurnedOn_ = true;
  SendFunctions(*loco, *xpressnet::FunctionGroupOf(f));
}

void LocoControl::FunctionRelease(int f) {
  LocoState* loco = Engine();
  if (!loco || !ValidFunction(f)) return;
  const auto k = static_cast<std::size_t>(f);
  if (!operate_) {
    latching_[k] = !latching_[k];
    return;
  }
  if (latching_[k] && pressTurnedOn_) return;  // stays on until the next press
  pressTurnedOn_ = false;
  loco->on[k] = false;
  SendFunctions(*loco, *xpressnet::FunctionGroupOf(f));
}

bool LocoControl::FunctionOn(int f) const {
  const LocoState* loco = Engine();
  return loco && ValidFunction(f) && loco->on[static_cast<std::size_t>(f)];
}

bool LocoControl::FunctionTicked(int f) const {
  if (!ValidFunction(f)) return false;
  return operate_ ? FunctionOn(f) : latching_[static_cast<std::size_t>(f)];
}

QString LocoControl::FunctionCaption(int f) const {
  return kv::FunctionCaption(f, FunctionOn(f), Label(f));
}

void LocoControl::ToggleFunctionMode() {
  const LocoState* loco = Engine();
  if (!loco) return;
  if (operate_) {
    if (std::any_of(loco->on.begin(), loco->on.end(), [](bool on) { return on; })) return;
    operate_ = false;
    return;
  }
  operate_ = true;
  SaveFunctionNames();
}

void LocoControl::SaveFunctionNames() {
  const QString& path = session_.model.FunctionFile;
  if (path.isEmpty()) return;
  if (functionFileStoppedAt_ > 0) {
    session_.dialogs.MessageBox(texts::FunctionFileIncomplete(path, functionFileStoppedAt_),
                                msg::kCritical, texts::FunctionNamesTitle());
    return;
  }
  QList<FunctionRecord> records;
  for (int f = 0; f < kFunctionCount; ++f) {
    records << FunctionRecord{kv::FunctionCaption(f, false, Label(f)), Latching(f)};
  }
  QString error;
  if (!WriteFunctionFile(path, records, &error)) {
    session_.dialogs.MessageBox(texts::FunctionsNotSaved(error), msg::kCritical,
                                texts::FunctionNamesTitle());
  }
}

void LocoControl::ClearFunctionGroup() {
  LocoState* loco = Engine();
  if (!loco) return;
  const std::uint8_t group = *xpressnet::FunctionGroupOf(funcNo_);
  for (int f = 0; f < kFunctionCount; ++f) {
    if (xpressnet::FunctionGroupOf(f) == group) loco->on[static_cast<std::size_t>(f)] = false;
  }
  SendFunctions(*loco, group);
}

QString LocoControl::FuncTotText() const {
  const LocoState* loco = Engine();
  if (!loco) return texts::FuncTotMenu();
  return texts::FuncTotMenu(GroupByte(loco->on, loco->lastGroup));
}

}  // namespace kv
