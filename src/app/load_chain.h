#pragma once

#include "layout/object_panel.h"

namespace kv {

class Session;

// The parts of the main window that opening a layout drives; the window carries them out.
class LoadChainSteps {
 public:
  virtual ~LoadChainSteps() = default;
  // The panel the object readers place their objects on.
  virtual ObjectPanel& Objects() = 0;
  // After the track file: the next free track number (lblCount).
  virtual void ShowNextTrackNumber(int next) = 0;
  // After the gauge reading: CurGauge, from gauge.txt or as the track reading left it.
  virtual void ShowGaugeRead(int gauge) = 0;
  virtual void LoadPaths() = 0;
  virtual void BuildRouteMenu() = 0;
  virtual void ConnectControlSystem() = 0;
  virtual void ReadWaitFile() = 0;
  virtual void WriteWaitFile() = 0;
};

// The load chain of an existing layout, in its order: the load dialog, the layout's name and
// file paths; sensors, track units, gauge (shown always), pictures, labels; signals; path.txt
// (created empty when missing) with the routes and their menu; the hardware for the control system;
// the dwell setting. False when the program ended on the way (Cancel, or no control system chosen).
bool OpenLayout(Session& session, LoadChainSteps& steps);

}  // namespace kv
