#pragma once

// CONTRACT between the panel (drawing surface) and the object-file readers and writers.
// The panel implements it; the load chain and the save use it. Extend freely; change a
// signature only together with its callers.

#include <QGraphicsView>
#include <QPointF>
#include <QString>

namespace kv {

class Session;

// How a label looks, as label.txt stores it.
struct LabelLook {
  QString text;
  std::int32_t colour = 0;  // 0x00BBGGRR; 255 (red) = points label, loaded hidden
  bool bold = false;
  bool italic = false;
  bool underline = false;
  QString fontName;
  int fontSize = 8;  // points
};

// End points of a track unit's lines, in twips.
struct TrackEnds {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// picScreen: the drawing surface, a QGraphicsView over a scene measured in twips (15 twips to a
// pixel). Objects are kept per kind by number 1..255; the items are the live copy of their
// positions, which the writers read back (and round half to even) just before a save.
class Panel : public QGraphicsView {
  Q_OBJECT

 public:
  explicit Panel(Session& session, QWidget* parent = nullptr);
  ~Panel() override;

  // --- building objects: one call per record read, index i = 1..255 -------------------------
  // The track unit's outer line (width = gauge px, dashed at gauge 1, sent to the back), its
  // inner line (white, width gauge - 2, or 1 and dashed at gauge 1, in front) and its number
  // label (tool-tip i, hidden until numbers are shown).
  void LoadTrack(int i, const TrackEnds& ends, int gauge);
  // A picture at Left x, Top y. False (and *error says why) when the bitmap cannot be loaded.
  bool LoadImage(int i, const QString& picturePath, const QString& toolTip, double x, double y,
                 bool onTop, QString* error);
  // A label at Left x, Top y + the vertical slide value; hidden when its colour is 255.
  void LoadLabel(int i, const LabelLook& look, double x, double y);
  // A signal showing its stored picture, tool-tip = coil A, tag = coil B.
  bool LoadSignal(int i, const QString& picturePath, const QString& coilA, const QString& coilB,
                  double x, double y, QString* error);
  // A sensor box reading " AWS", unlit, tool-tip "sensor i".
  void LoadSensor(int i, double x, double y);

  // Removes every object (used by tests and benchmarks that load several layouts).
  void Clear();

  // --- the live positions -----------------------------------------------------------------
  TrackEnds TrackPosition(int i) const;
  QPointF ImagePosition(int i) const;   // Left, Top
  QPointF LabelPosition(int i) const;   // Left, Top (as stored: minus nothing)
  QPointF SignalPosition(int i) const;  // Left, Top
  QPointF SensorPosition(int i) const;  // Left, Top

  // The widths the track template takes for new units (ShowGauge): outer = gauge, inner =
  // gauge - 2.
  void SetTemplateGauge(int gauge);
};

}  // namespace kv
