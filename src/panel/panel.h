#pragma once

// CONTRACT between the panel (drawing surface) and the object-file readers and writers.
// The panel implements it; the load chain and the save use it. Extend freely; change a
// signature only together with its callers.

#include <QGraphicsView>
#include <QPointF>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "panel/panel_items.h"

namespace kv {

class Session;
class GridItem;

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

// The controls of one object taken off the surface whole (a track unit: both its lines and its
// number), keeping everything they show, so that putting them back restores exactly what was
// there. Controls never put back are destroyed with this.
class DetachedControls {
 public:
  PanelObject Kind() const { return kind_; }
  bool IsEmpty() const { return !items_[0]; }

 private:
  friend class Panel;
  PanelObject kind_ = PanelObject::kNone;
  std::array<std::unique_ptr<QGraphicsItem>, 3> items_;
};

// picScreen: the drawing surface, a QGraphicsView over a scene measured in twips (15 twips to a
// pixel). Objects are kept per kind by number 1..255; the items are the live copy of their
// positions, which the writers read back (and round half to even) just before a save.
//
// Picture paths: a path that begins with a backslash is a program-folder path as the files
// store it ("\data\sig\C3R2x.bmp") and is resolved against the program folder; any other path
// is taken as it stands.
class Panel : public QGraphicsView {
  Q_OBJECT

 public:
  explicit Panel(Session& session, QWidget* parent = nullptr);
  ~Panel() override;

  // --- building objects: one call per record read, index i = 1..255 -------------------------
  // Loading an index that is already loaded replaces that object; an index outside 1..255 is
  // refused (the loads that report return false).

  // The track unit's outer line (width = gauge px, dashed at gauge 1, sent to the back), its
  // inner line (white, width gauge - 2, or 1 and dashed at gauge 1, in front) and its number
  // label (tool-tip i, hidden until numbers are shown). Gauge 2 draws 2 px and 1 px.
  void LoadTrack(int i, const TrackEnds& ends, int gauge);
  // A picture at Left x, Top y. False (and *error says why) when the bitmap cannot be loaded:
  // the picture is then still loaded and placed, showing a "missing picture" box, so it keeps
  // its place and is saved, selected and deleted like any other.
  bool LoadImage(int i, const QString& picturePath, const QString& toolTip, double x, double y,
                 bool onTop, QString* error);
  // A label at Left x, Top y; hidden when its colour is 255, brought to the front.
  void LoadLabel(int i, const LabelLook& look, double x, double y);
  // A signal showing its stored picture, tool-tip = coil A, tag = coil B, brought to the front.
  // False as LoadImage, with the signal loaded all the same.
  bool LoadSignal(int i, const QString& picturePath, const QString& coilA, const QString& coilB,
                  double x, double y, QString* error);
  // A sensor box reading " AWS", unlit, tool-tip "sensor i".
  void LoadSensor(int i, double x, double y);

  // Removes every object (used by tests and benchmarks that load several layouts).
  void Clear();
  // Unloads one object (a track unit: both lines and its number); an index not loaded is
  // passed over.
  void UnloadTrack(int i);
  void UnloadImage(int i);
  void UnloadLabel(int i);
  void UnloadSignal(int i);
  void UnloadSensor(int i);

  // --- the live positions -----------------------------------------------------------------
  TrackEnds TrackPosition(int i) const;
  QPointF ImagePosition(int i) const;   // Left, Top
  QPointF LabelPosition(int i) const;   // Left, Top (as stored: minus nothing)
  QPointF SignalPosition(int i) const;  // Left, Top
  QPointF SensorPosition(int i) const;  // Left, Top

  // --- editing: the same for every kind; a track unit is PanelObject::kTrackNumber ---------
  // The control that takes the object's clicks (a track unit's number); nullptr when not loaded.
  QGraphicsItem* ObjectControl(PanelObject kind, int i) const;
  // Left and Top of the object's control (a track unit's number: the middle of its line).
  QPointF TopLeft(PanelObject kind, int i) const;
  // Moves a picture, label, signal or sensor; a track unit is moved by its ends.
  void SetTopLeft(PanelObject kind, int i, const QPointF& at);
  // Both lines of track unit i on new ends; its number is left where it is (PlaceTrackNumber).
  void SetTrackEnds(int i, const TrackEnds& ends);
  // Takes object i off the surface and out of its number, which is left empty.
  DetachedControls Detach(PanelObject kind, int i);
  // Puts detached controls back under number i, which must be empty (else they are dropped).
  void Attach(int i, DetachedControls controls);
  // Object `from` takes the empty number `to`: its clicks, tool-tip and number say `to`.
  void Renumber(PanelObject kind, int from, int to);
  // Object i's file holds it where it stands now (it was just read from the file or written to
  // it). The mark travels with the object through renumbering, deletion and undo.
  void KeepAsSaved(PanelObject kind, int i);
  // Where object i's file holds it (a track unit's ends; any other object's top left corner as
  // x1, y1); none for an object made since the file last took its kind.
  std::optional<TrackEnds> SavedPlace(PanelObject kind, int i) const;

  // The widths the track template takes for new units (ShowGauge): outer = gauge, inner =
  // gauge - 2.
  void SetTemplateGauge(int gauge);
  int TemplateOuterWidth() const { return templateOuter_; }
  int TemplateInnerWidth() const { return templateInner_; }

  // --- the controls, by kind and number; nullptr when not loaded ---------------------------
  LineControl* linBlack(int i) const;
  LineControl* linColor(int i) const;
  LabelControl* lblTrk(int i) const;
  LabelControl* Label(int i) const;
  ImageControl* imgImage(int i) const;
  ImageControl* imgSig(int i) const;
  SensorBox* txtAws(int i) const;
  GridItem& linGrid() { return *grid_; }
  const GridItem& linGrid() const { return *grid_; }

  // Shows another picture on signal i (its other aspect). False, with the picture as it was,
  // when the bitmap cannot be loaded.
  bool SetSignalPicture(int i, const QString& picturePath, QString* error);

  // --- stacking: the newest "to the front" lies above all, the newest "to the back" below ---
  void BringToFront(QGraphicsItem* item);
  void SendToBack(QGraphicsItem* item);

  // --- sliding: the twips point shown at the top left corner (picScreen.Left = -x) ---------
  void SetOrigin(double x, double y);
  QPointF Origin() const { return origin_; }

  // --- track numbers and repaint ------------------------------------------------------------
  // Puts lblTrk(k) at the middle of its unit's line; shows it with its number, in front, while
  // ClickRole is 1 or ShowNumbers holds, hides it otherwise.
  void PlaceTrackNumber(int k);
  // Re-applies the colour of every outer track line that shows one of the seven track colours,
  // so the lines repaint after the surface has moved.
  void RepaintTrackLines();
  // How often RepaintTrackLines has re-applied unit i's colours (what a repaint can be told by).
  int TrackRepaints(int i) const;
  static bool IsTrackColour(std::int32_t colour);

  // The full path of a picture path as LoadImage takes it.
  QString PicturePath(const QString& picturePath) const;

 signals:
  // Clicks on labels, track numbers, pictures, signals and sensors, as their controls report
  // them: the button goes down and comes up on the object it went down on.
  void objectMouseDown(kv::PanelObject kind, int index, Qt::MouseButton button);
  void objectMouseUp(kv::PanelObject kind, int index, Qt::MouseButton button);
  void objectMouseMove(kv::PanelObject kind, int index, Qt::MouseButtons buttons);
  void objectDoubleClick(kv::PanelObject kind, int index, Qt::MouseButton button);
  // The surface itself (also through the track lines, which take no clicks), in twips.
  void screenMouseDown(Qt::MouseButton button, QPointF twips);
  void screenMouseMove(Qt::MouseButtons buttons, QPointF twips);
  void screenMouseUp(Qt::MouseButton button, QPointF twips);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct Pressed {
    PanelObject kind = PanelObject::kNone;
    int index = 0;
  };
  template <typename T>
  T* Take(std::array<T*, 256>& table, int i);
  template <typename T>
  void Drop(std::array<T*, 256>& table, int i);
  template <typename T>
  static T* At(const std::array<T*, 256>& table, int i);
  template <typename T>
  std::unique_ptr<QGraphicsItem> Off(std::array<T*, 256>& table, int i);
  template <typename T>
  void On(std::array<T*, 256>& table, int i, std::unique_ptr<QGraphicsItem> item);
  template <typename T>
  void Shift(std::array<T*, 256>& table, int from, int to);
  // Marks an object's controls with their number, and what shows the number.
  void Number(PanelObject kind, int i);
  ImageControl* MakePicture(PanelObject kind, int i, const QString& picturePath, QString* error,
                            bool* loaded);
  QGraphicsItem* ObjectAt(const QPoint& viewportPos) const;
  QPointF ToTwips(const QPointF& viewportPos) const;
  void UpdateSceneRect();

  Session& session_;
  QGraphicsScene* scene_;
  GridItem* grid_;
  std::array<LineControl*, 256> linBlack_{};
  std::array<LineControl*, 256> linColor_{};
  std::array<LabelControl*, 256> lblTrk_{};
  std::array<LabelControl*, 256> label_{};
  std::array<ImageControl*, 256> imgImage_{};
  std::array<ImageControl*, 256> imgSig_{};
  std::array<SensorBox*, 256> txtAws_{};
  std::array<int, 256> trackRepaints_{};
  int templateOuter_ = 10;
  int templateInner_ = 8;
  double front_ = 0;
  double back_ = 0;
  QPointF origin_;
  Pressed pressed_;
};

}  // namespace kv
