#include "app/load_chain.h"

#include "base/load_steps.h"
#include "base/session.h"
#include "layout/atomic_file.h"
#include "layout/object_readers.h"

namespace kv {

bool OpenLayout(Session& session, LoadChainSteps& steps) {
  LayoutModel& m = session.model;
  if (!ChooseLayout(session)) return false;

  ObjectPanel& panel = steps.Objects();
  ReadSensorFile(session, panel);
  ReadTrackFile(session, panel);
  steps.ShowNextTrackNumber(m.TrackCount + 1);
  // The gauge shown is CurGauge whether gauge.txt gave it or the last track unit did; a layout
  // with neither starts at the bar's start value, as a new one does.
  if (!ReadGauge(m) && m.CurGauge < kMinGauge) m.CurGauge = kMaxGauge;
  steps.ShowGaugeRead(m.CurGauge);
  ReadImageFile(session, panel);
  ReadLabelFile(session, panel);  // before the hardware: it tells whether the points are DCC
  ScanSignals(session, panel);

  // A layout folder without routes has no path.txt yet: it is created empty, as the other
  // object files are.
  if (!m.PathFile.isEmpty()) TouchFile(m.PathFile);
  steps.LoadPaths();
  steps.BuildRouteMenu();

  steps.ConnectControlSystem();
  if (session.Ended()) return false;
  steps.ReadWaitFile();
  steps.WriteWaitFile();
  return true;
}

}  // namespace kv
