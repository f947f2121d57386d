#include "base/save_layout.h"

#include "base/layout_texts.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/layout_folders.h"
#include "layout/object_writers.h"

namespace kv {

namespace {

bool AnySignalSwitched(const LayoutModel& m) {
  for (int i = 1; i <= m.SignalCount; ++i) {
    // The aspect shown decides: in Modify mode SignalOff is the signals' selection, which
    // neither makes a signal switched nor, when cleared, puts one back.
    if (ShowsOtherAspect(m, i)) return true;
  }
  return false;
}

// The files the save passed over because their reading stopped.
void TellKeptFiles(Session& s) {
  if (s.model.KeptFiles.isEmpty()) return;
  QStringList where;
  for (const KeptFile& kept : s.model.KeptFiles) {
    where << texts::KeptFileAt(kept.path, kept.line, kept.reason);
  }
  s.dialogs.MessageBox(texts::FilesKept(where), msg::kInformation, texts::FilesKeptTitle());
}

}  // namespace

bool SaveLayout(Session& s, ObjectPanel& panel, const std::function<void()>& neutralState) {
  LayoutModel& m = s.model;
  if (AnySignalSwitched(m)) {
    ShowMessage(s, 14);
    return false;
  }
  if (neutralState) neutralState();
  m.NewLabelCount = 0;
  const WriteOutcome outcome = WriteObjectFiles(m, panel);
  switch (outcome.failure) {
    case WriteOutcome::kNone:
      ClearSelection(m);
      TellKeptFiles(s);
      return true;
    case WriteOutcome::kCannotWrite:
      ShowMessage(s, 4);
      return false;
    case WriteOutcome::kCannotStore:
      s.dialogs.MessageBox(texts::CannotStore(outcome.reason), msg::kInformation,
                           texts::CannotStoreTitle(outcome.file));
      return false;
  }
  return false;
}

void BackUpLayout(Session& s) {
  ShowMessage(s, 19);
  if (s.model.MsgAnswer != msg::kYes || s.model.LayoutFolder.isEmpty()) return;
  const QStringList failures = BackUpObjectFiles(s.model.LayoutFolder);
  if (!failures.isEmpty()) {
    s.dialogs.MessageBox(texts::BackupIncomplete(failures), msg::kInformation,
                         texts::BackupIncompleteTitle());
  }
}

}  // namespace kv
