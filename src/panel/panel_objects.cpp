#include "panel/panel_objects.h"

#include "panel/object_tables.h"
#include "panel/panel.h"

namespace kv {

void PanelObjects::PlaceSensor(int i) {
  panel_.LoadSensor(i, model_.ObjX[i], model_.ObjY[i]);
  panel_.KeepAsSaved(PanelObject::kSensor, i);
}

bool PanelObjects::PlaceTrack(int i, QString*) {
  const LayoutModel& m = model_;
  panel_.LoadTrack(i, TrackEnds{double(m.ObjX[0]), double(m.ObjY[0]), double(m.ObjX2[0]),
                                double(m.ObjY2[0])},
                   m.TrackGauge[i]);
  panel_.KeepAsSaved(PanelObject::kTrackNumber, i);
  return true;
}

bool PanelObjects::PlaceImage(int i, const QString& bitmap, QString* error) {
  const LayoutModel& m = model_;
  const bool loaded =
      panel_.LoadImage(i, bitmap, m.ImageTip[i], m.ObjX[i], m.ObjY[i], m.ImageOnTop[i], error);
  panel_.KeepAsSaved(PanelObject::kImage, i);  // a picture not loaded stands in its place
  return loaded;
}

void PanelObjects::PlaceLabel(int i) {
  const LayoutModel& m = model_;
  LabelLook look;
  look.text = m.LabelText[i];
  look.colour = m.LabelColour[i];
  look.bold = m.LabelBold[i];
  look.italic = m.LabelItalic[i];
  look.underline = m.LabelUnderline[i];
  look.fontName = m.LabelFontName[i];
  look.fontSize = m.LabelFontSize[i];
  panel_.LoadLabel(i, look, m.ObjX[i], m.ObjY[i]);
  panel_.KeepAsSaved(PanelObject::kLabel, i);
}

bool PanelObjects::PlaceSignal(int i, const QString& bitmap, QString* error) {
  const LayoutModel& m = model_;
  const bool loaded =
      panel_.LoadSignal(i, bitmap, m.SignalCoilA[i], m.SignalCoilB[i], m.ObjX[i], m.ObjY[i], error);
  panel_.KeepAsSaved(PanelObject::kSignal, i);
  return loaded;
}

QPointF PanelObjects::SensorTopLeft(int i) const { return panel_.SensorPosition(i); }
QPointF PanelObjects::LabelTopLeft(int i) const { return panel_.LabelPosition(i); }
QPointF PanelObjects::ImageTopLeft(int i) const { return panel_.ImagePosition(i); }
QPointF PanelObjects::SignalTopLeft(int i) const { return panel_.SignalPosition(i); }

QLineF PanelObjects::TrackLine(int i) const {
  const TrackEnds ends = panel_.TrackPosition(i);
  return QLineF(ends.x1, ends.y1, ends.x2, ends.y2);
}

QString PanelObjects::SignalToolTip(int i) const {
  const ImageControl* signal = panel_.imgSig(i);
  return signal ? signal->toolTip() : model_.SignalCoilA[i];
}

QString PanelObjects::SignalTag(int i) const {
  const ImageControl* signal = panel_.imgSig(i);
  return signal ? signal->Tag() : QString();
}

void PanelObjects::Written(const QString& file) {
  for (PanelObject kind : kEditedKinds) {
    if (FileOf(model_, kind) != file) continue;
    const int count = CountOf(model_, kind);
    for (int i = 1; i <= count; ++i) panel_.KeepAsSaved(kind, i);
  }
}

}  // namespace kv
