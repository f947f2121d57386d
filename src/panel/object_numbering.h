#pragma once

#include "layout/layout_model.h"
#include "panel/object_tables.h"
#include "panel/panel.h"

namespace kv {

// One object taken off the layout: the number it had, what the model kept of it and its
// controls, whole.
struct RemovedObject {
  int index = 0;
  ObjectRecord record;
  DetachedControls controls;
};

// Takes object i of a kind off the panel and out of the model; the objects after it close up,
// so the kind stays numbered 1..count. Its selection flag goes with it.
RemovedObject TakeOut(LayoutModel& m, Panel& panel, PanelObject kind, int i);

// Puts a removed object back under its old number; the objects from there on make room. An
// object whose number lies beyond count + 1 goes at the end.
void PutBack(LayoutModel& m, Panel& panel, PanelObject kind, RemovedObject object);

}  // namespace kv
