#pragma once

#include "layout/layout_model.h"
#include "layout/object_panel.h"

namespace kv {

class Panel;

// picScreen as the object files see it: each record read becomes a control on the panel, and
// the controls give back their live positions when the layout is written. Each object read or
// written is marked with the place its file holds (Panel::KeepAsSaved).
class PanelObjects final : public ObjectPanel {
 public:
  PanelObjects(Panel& panel, LayoutModel& model) : panel_(panel), model_(model) {}

  void PlaceSensor(int i) override;
  bool PlaceTrack(int i, QString* error) override;
  // A picture whose bitmap cannot be loaded stays, as a crossed box in its place, so it is
  // counted and saved with its stored path.
  bool PlaceImage(int i, const QString& bitmap, QString* error) override;
  void PlaceLabel(int i) override;
  // A signal whose picture cannot be loaded stays, as a box where the picture should be.
  bool PlaceSignal(int i, const QString& bitmap, QString* error) override;

  QPointF SensorTopLeft(int i) const override;
  QPointF LabelTopLeft(int i) const override;
  QPointF ImageTopLeft(int i) const override;
  QPointF SignalTopLeft(int i) const override;
  QLineF TrackLine(int i) const override;
  QString SignalToolTip(int i) const override;
  QString SignalTag(int i) const override;
  void Written(const QString& file) override;

 private:
  Panel& panel_;
  LayoutModel& model_;
};

}  // namespace kv
