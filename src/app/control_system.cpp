#include "app/control_system.h"

#include "base/message_catalogue.h"
#include "base/session.h"

namespace kv {

namespace {

void ConnectDccBox(ConnectionSteps& steps) {
  steps.LoadLocoList();
  steps.LoadFunctionNames();
  steps.ReadPortFile();
  steps.OpenDccBox();
}

// One pass of the table. True when the pass asked for the system again and another is due.
bool ConnectPass(Session& session, ConnectionSteps& steps) {
  const LayoutModel& m = session.model;
  const QString& system = m.ControlSystem;
  const bool dc = system == QLatin1String("DC");
  const bool dcc = system == QLatin1String("DCC");
  const bool both = system == QLatin1String("DCC + DC");
  if (m.HasDccPoints) {
    if (dcc) {
      steps.SetPointSideLeft();
      steps.ShowDccNumberFrame(true);
      steps.BringModemFrameToFront();
      ConnectDccBox(steps);
      return false;
    }
    if (dc || both) {
      ShowMessage(session, 20);
      ShowMessage(session, 16);
      return true;
    }
    return false;
  }
  if (dc) {
    steps.LoadBoardWindow();
    steps.ShowDccNumberFrame(false);
    return false;
  }
  if (both) {
    steps.BringModemFrameToFront();
    steps.ShowDccNumberFrame(false);
    steps.LoadBoardWindow();
    ConnectDccBox(steps);
    return false;
  }
  if (dcc) ShowMessage(session, 20);
  ShowMessage(session, 16);
  return true;
}

}  // namespace

void ConnectControlSystem(Session& session, ConnectionSteps& steps) {
  // Each pass that asks again is followed by a whole new pass; each ends with coord.txt, the
  // inner pass first, as calling the connection again from inside a pass would do.
  int passes = 0;
  bool again = true;
  while (again) {
    ++passes;
    again = ConnectPass(session, steps);
    if (session.Ended()) return;
  }
  for (int i = 0; i < passes; ++i) steps.ReadCoordFile();
}

}  // namespace kv
