#pragma once

#include <functional>

#include "base/dialogs.h"
#include "base/scheduler.h"
#include "layout/layout_model.h"
#include "layout/program_folder.h"

namespace kv {

// One run of the program: the program folder, the open layout with the program-wide values,
// and the seams through which it meets the user and time. Passed by reference to every part;
// tests build as many as they like.
class Session {
 public:
  Session(const ProgramFolder& programFolder, Dialogs& dialogs, Scheduler& scheduler)
      : folder(programFolder), dialogs(dialogs), scheduler(scheduler) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  ProgramFolder folder;
  LayoutModel model;
  Dialogs& dialogs;
  Scheduler& scheduler;

  // Ends the program at once (Cancel in the start-up prompts). Whoever called a routine that
  // may end the program returns as soon as Ended() holds; the end handler closes the windows.
  void EndProgram() {
    if (ended_) return;
    ended_ = true;
    if (endHandler_) endHandler_();
  }
  bool Ended() const { return ended_; }
  void SetEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

 private:
  bool ended_ = false;
  std::function<void()> endHandler_;
};

}  // namespace kv
