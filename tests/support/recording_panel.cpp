#include "support/recording_panel.h"

#include <QFileInfo>

namespace kv::test {

namespace {
bool Loadable(const QString& bitmap, QString* error) {
  if (QFileInfo(bitmap).isFile()) return true;
  if (error) *error = QStringLiteral("the picture %1 cannot be loaded").arg(bitmap);
  return false;
}
}  // namespace

void RecordingPanel::PlaceSensor(int i) {
  sensors[i] = QPointF(model_.ObjX[i], model_.ObjY[i]);
  placed << QStringLiteral("sensor %1 %2,%3").arg(i).arg(model_.ObjX[i]).arg(model_.ObjY[i]);
}

bool RecordingPanel::PlaceTrack(int i, QString*) {
  tracks[i] = QLineF(model_.ObjX[0], model_.ObjY[0], model_.ObjX2[0], model_.ObjY2[0]);
  placed << QStringLiteral("track %1 %2,%3 %4,%5 w%6")
                .arg(i)
                .arg(model_.ObjX[0])
                .arg(model_.ObjY[0])
                .arg(model_.ObjX2[0])
                .arg(model_.ObjY2[0])
                .arg(model_.TrackGauge[i]);
  return true;
}

bool RecordingPanel::PlaceImage(int i, const QString& bitmap, QString* error) {
  // A picture whose bitmap is missing still stands at its place, as a signal does.
  images[i] = QPointF(model_.ObjX[i], model_.ObjY[i]);
  if (!Loadable(bitmap, error)) return false;
  placed << QStringLiteral("image %1 %2,%3").arg(i).arg(model_.ObjX[i]).arg(model_.ObjY[i]);
  return true;
}

void RecordingPanel::PlaceLabel(int i) {
  labels[i] = QPointF(model_.ObjX[i], model_.ObjY[i]);
  labelVisible[i] = model_.LabelColour[i] != 255;
  placed << QStringLiteral("label %1 %2,%3").arg(i).arg(model_.ObjX[i]).arg(model_.ObjY[i]);
}

bool RecordingPanel::PlaceSignal(int i, const QString& bitmap, QString* error) {
  // A signal whose picture is missing still stands at its place, so a save keeps it there.
  signalTips[i] = model_.SignalCoilA[i];
  signals_[i] = QPointF(model_.ObjX[i], model_.ObjY[i]);
  if (!Loadable(bitmap, error)) return false;
  placed << QStringLiteral("signal %1 %2,%3").arg(i).arg(model_.ObjX[i]).arg(model_.ObjY[i]);
  return true;
}

}  // namespace kv::test
