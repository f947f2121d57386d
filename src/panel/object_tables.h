#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "layout/layout_model.h"
#include "panel/panel_items.h"

namespace kv {

// The model's tables of each kind of object the panel edits, reached by kind. A track unit is
// PanelObject::kTrackNumber, as its number is what the user clicks.

// In the order the dustbin and the save take them.
inline constexpr std::array<PanelObject, 5> kEditedKinds = {
    PanelObject::kSensor, PanelObject::kLabel, PanelObject::kImage, PanelObject::kSignal,
    PanelObject::kTrackNumber};

std::uint8_t& CountOf(LayoutModel& m, PanelObject kind);
// The selection flags (the signals': SignalOff).
ObjectTable<bool>& SelectionOf(LayoutModel& m, PanelObject kind);
// The index of the object clicked last: SensorIdx, LabelIdx, ImageIdx, SigIdx, NewTrackIdx.
std::uint8_t& LastClickedOf(LayoutModel& m, PanelObject kind);
// The kind's object file ("" when the layout has none).
QString FileOf(const LayoutModel& m, PanelObject kind);
// "sensors", "labels", "pictures", "signals", "track units".
QString KindName(PanelObject kind);

// What the model keeps of one object besides its position (which the panel holds).
struct ObjectRecord {
  // picture: tip, path; label: text, font; signal: coil A, coil B, picture, the aspect stored
  // while it shows its other one
  QString text[4];
  std::int32_t number[2] = {0, 0};       // label: colour, font size; track unit: gauge
  bool flag[3] = {false, false, false};  // picture: on top; label: bold, italic, underline
};
ObjectRecord RecordOf(const LayoutModel& m, PanelObject kind, int i);
void PutRecord(LayoutModel& m, PanelObject kind, int i, const ObjectRecord& record);

}  // namespace kv
