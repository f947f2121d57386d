#pragma once

// The controls that stand on the drawing surface. Positions are twips in the scene; line widths,
// text and bitmaps are pixels, so a layout looks the same whatever the scene's scale.

#include <QColor>
#include <QFont>
#include <QGraphicsLineItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsSimpleTextItem>
#include <cstdint>
#include <optional>

namespace kv {

// Windows colour values keep red in the low byte: 0x00BBGGRR.
QColor FromWindowsColour(std::int32_t colour);
std::int32_t ToWindowsColour(const QColor& colour);

inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kBlack = 0x000000;
inline constexpr std::int32_t kRed = 0x0000FF;
// The box behind a track unit's number.
inline constexpr std::int32_t kTrackNumberBack = 0xC0FFFF;

// The kinds of object that take mouse clicks; the track lines themselves take none.
enum class PanelObject { kNone, kTrackNumber, kLabel, kImage, kSignal, kSensor };

// Tells which object an item shows, for the mouse events.
void MarkItem(QGraphicsItem* item, PanelObject kind, int index);
PanelObject ItemKind(const QGraphicsItem* item);
int ItemIndex(const QGraphicsItem* item);
// The place an object's file holds for it, kept on the control that takes its clicks: a track
// unit's ends, or any other object's top left corner as x1, y1. None for an object made since.
void SetSavedPlace(QGraphicsItem* item, const QLineF& place);
std::optional<QLineF> SavedPlaceOf(const QGraphicsItem* item);

// A line control: end points in twips, a width in pixels whatever the scale, solid or dashed.
class LineControl : public QGraphicsLineItem {
 public:
  enum Style { kSolid = 1, kDash = 2 };
  LineControl();

  void SetEnds(double x1, double y1, double x2, double y2);
  double X1() const { return line().x1(); }
  double Y1() const { return line().y1(); }
  double X2() const { return line().x2(); }
  double Y2() const { return line().y2(); }

  void SetBorderWidth(int pixels);
  int BorderWidth() const { return width_; }
  void SetBorderStyle(Style style);
  Style BorderStyle() const { return style_; }
  void SetBorderColor(std::int32_t colour);
  std::int32_t BorderColor() const { return colour_; }

  // The line's pixels, whatever the view's scale (15 twips to a pixel): what a repaint must
  // cover, and a wide solid line drawn as the band it is.
  QRectF boundingRect() const override;
  QPainterPath shape() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  void ApplyPen();
  int width_ = 1;
  Style style_ = kSolid;
  std::int32_t colour_ = kBlack;
};

// A label: a caption in its font and fore colour, the size of its text, at Left, Top.
class LabelControl : public QGraphicsSimpleTextItem {
 public:
  LabelControl();

  void SetCaption(const QString& caption) { setText(caption); }
  QString Caption() const { return text(); }
  void SetForeColor(std::int32_t colour);
  std::int32_t ForeColor() const { return foreColour_; }
  // A filled box behind the caption; transparent when not set.
  void SetBackColor(std::int32_t colour);
  // A label made in this run keeps its purpose here ("0" to "2"); one read from a file has "".
  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }
  std::int32_t BackColor() const { return backColour_; }
  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
             QWidget* widget) override;

 private:
  std::int32_t foreColour_ = kBlack;
  QString tag_;
  bool backFilled_ = false;
  std::int32_t backColour_ = 0;
  QColor back_;
};

// A picture at its own pixel size, with a Tag (a signal keeps its coil B there).
class ImageControl : public QGraphicsPixmapItem {
 public:
  ImageControl();
  // False, with the picture unchanged, when the file cannot be read as a picture.
  bool LoadPicture(const QString& path, QString* error);
  // A picture whose file cannot be read shows a small crossed box, followed by `name` (the
  // missing file's name) when one is given, so it can still be seen, told apart, picked and
  // moved.
  void ShowMissing(const QString& name = QString());
  bool Missing() const { return missing_; }
  QString PicturePath() const { return path_; }
  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }

 private:
  QString path_;
  QString tag_;
  bool missing_ = false;
};

// A sensor: a small box reading " AWS", black on white while unlit, white on black while lit.
class SensorBox : public QGraphicsItem {
 public:
  SensorBox();
  QString Text() const;
  void SetLit(bool lit);
  bool Lit() const { return lit_; }
  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
             QWidget* widget) override;

 private:
  bool lit_ = false;
  QFont font_;
  QRectF box_;
};

}  // namespace kv
