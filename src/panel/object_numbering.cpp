#include "panel/object_numbering.h"

namespace kv {

RemovedObject TakeOut(LayoutModel& m, Panel& panel, PanelObject kind, int i) {
  std::uint8_t& count = CountOf(m, kind);
  RemovedObject out;
  if (!IsObjectIndex(i, count)) return out;
  ObjectTable<bool>& selected = SelectionOf(m, kind);
  out.index = i;
  out.record = RecordOf(m, kind, i);
  out.controls = panel.Detach(kind, i);
  for (int k = i + 1; k <= count; ++k) {
    PutRecord(m, kind, k - 1, RecordOf(m, kind, k));
    selected[k - 1] = selected[k];
    panel.Renumber(kind, k, k - 1);
  }
  PutRecord(m, kind, count, ObjectRecord());
  selected[count] = false;
  --count;
  return out;
}

void PutBack(LayoutModel& m, Panel& panel, PanelObject kind, RemovedObject object) {
  std::uint8_t& count = CountOf(m, kind);
  if (object.controls.IsEmpty() || count >= kMaxObjects) return;
  const int i = qBound(1, object.index, count + 1);
  ObjectTable<bool>& selected = SelectionOf(m, kind);
  for (int k = count; k >= i; --k) {
    PutRecord(m, kind, k + 1, RecordOf(m, kind, k));
    selected[k + 1] = selected[k];
    panel.Renumber(kind, k, k + 1);
  }
  PutRecord(m, kind, i, object.record);
  selected[i] = false;
  panel.Attach(i, std::move(object.controls));
  ++count;
}

}  // namespace kv
