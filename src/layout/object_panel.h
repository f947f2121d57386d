#pragma once

#include <QLineF>
#include <QPointF>
#include <QString>

namespace kv {

// The panel as the object files see it: it places each object as its record is read, and gives
// back the live positions (which the user may have moved) when the layout is written. The file
// readers and writers know nothing of widgets; the main window hands them its panel through
// this, and tests hand them a recording one.
class ObjectPanel {
 public:
  virtual ~ObjectPanel() = default;

  // --- placing an object read from its file --------------------------------------------
  // Each call finds its record in the model's tables at index i, and its position in the shared
  // position tables: ObjX/ObjY at i, or for a track unit ObjX..ObjY2 at element 0 with its
  // width in TrackGauge(i). A track unit that returns false has placed nothing and says why; a
  // picture or signal that returns false stands in its place without its bitmap.
  virtual void PlaceSensor(int i) = 0;
  virtual bool PlaceTrack(int i, QString* error) = 0;
  // `bitmap` is the picture's real path, resolved against the program folder.
  virtual bool PlaceImage(int i, const QString& bitmap, QString* error) = 0;
  virtual void PlaceLabel(int i) = 0;
  virtual bool PlaceSignal(int i, const QString& bitmap, QString* error) = 0;

  // --- the live copy, read back just before a record is written -----------------------------
  virtual QPointF SensorTopLeft(int i) const = 0;
  virtual QPointF LabelTopLeft(int i) const = 0;
  virtual QPointF ImageTopLeft(int i) const = 0;
  virtual QPointF SignalTopLeft(int i) const = 0;
  virtual QLineF TrackLine(int i) const = 0;
  // The coil a click on the signal fires next (its tool-tip), and the coil B it was created
  // with in this run (its tag; "" for a signal read from the file).
  virtual QString SignalToolTip(int i) const = 0;
  virtual QString SignalTag(int i) const = 0;

  // `file` was just written whole from the live copy: it now holds the objects where they stand.
  virtual void Written(const QString& file) { Q_UNUSED(file); }
};

}  // namespace kv
