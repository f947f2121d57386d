#pragma once

#include <QHash>
#include <QLineF>
#include <QPointF>
#include <QStringList>

#include "layout/layout_model.h"
#include "layout/object_panel.h"

namespace kv::test {

// A panel without widgets.
class RecordingPanel final : public ObjectPanel {
 public:
  explicit RecordingPanel(const LayoutModel& model) : model_(model) {}

  void PlaceSensor(int i) override;
  bool PlaceTrack(int i, QString* error) override;
  bool PlaceImage(int i, const QString& bitmap, QString* error) override;
  void PlaceLabel(int i) override;
  bool PlaceSignal(int i, const QString& bitmap, QString* error) override;

  QPointF SensorTopLeft(int i) const override { return sensors.value(i); }
  QPointF LabelTopLeft(int i) const override { return labels.value(i); }
  QPointF ImageTopLeft(int i) const override { return images.value(i); }
  QPointF SignalTopLeft(int i) const override { return signals_.value(i); }
  QLineF TrackLine(int i) const override { return tracks.value(i); }
  QString SignalToolTip(int i) const override { return signalTips.value(i); }
  QString SignalTag(int i) const override { return signalTags.value(i); }

  QStringList placed;  // "sensor 1 1200,3450", "track 2 120,450 720,450 w10", ...
  QHash<int, QPointF> sensors, labels, images, signals_;
  QHash<int, QLineF> tracks;
  QHash<int, QString> signalTips, signalTags;
  QHash<int, bool> labelVisible;

 private:
  const LayoutModel& model_;
};

}  // namespace kv::test
