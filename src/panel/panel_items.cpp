#include "panel/panel_items.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <cmath>

#include "layout/twips.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
constexpr int kKindKey = 0;
constexpr int kIndexKey = 1;
constexpr int kSavedPlaceKey = 2;
const QString kSensorText = QStringLiteral(" AWS");
}  // namespace

QColor FromWindowsColour(std::int32_t colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::int32_t ToWindowsColour(const QColor& colour) {
  return std::int32_t(colour.red()) | (std::int32_t(colour.green()) << 8) |
         (std::int32_t(colour.blue()) << 16);
}

void MarkItem(QGraphicsItem* item, PanelObject kind, int index) {
  item->setData(kKindKey, int(kind));
  item->setData(kIndexKey, index);
}

PanelObject ItemKind(const QGraphicsItem* item) {
  const QVariant kind = item->data(kKindKey);
  return kind.isValid() ? PanelObject(kind.toInt()) : PanelObject::kNone;
}

int ItemIndex(const QGraphicsItem* item) { return item->data(kIndexKey).toInt(); }

void SetSavedPlace(QGraphicsItem* item, const QLineF& place) {
  item->setData(kSavedPlaceKey, place);
}

std::optional<QLineF> SavedPlaceOf(const QGraphicsItem* item) {
  const QVariant place = item->data(kSavedPlaceKey);
  if (!place.isValid()) return std::nullopt;
  return place.toLineF();
}

// --- LineControl ----------------------------------------------------------------------------

LineControl::LineControl() { ApplyPen(); }

void LineControl::SetEnds(double x1, double y1, double x2, double y2) {
  setLine(x1, y1, x2, y2);
}

void LineControl::SetBorderWidth(int pixels) {
  width_ = qMax(1, pixels);
  ApplyPen();
}

void LineControl::SetBorderStyle(Style style) {
  style_ = style;
  ApplyPen();
}

void LineControl::SetBorderColor(std::int32_t colour) {
  colour_ = colour;
  ApplyPen();
}

void LineControl::ApplyPen() {
  // Cosmetic: the width is in pixels, whatever the twips-to-pixel scale of the view. Flat caps
  // end a line at its end points, as a line control does.
  QPen pen(FromWindowsColour(colour_), width_, style_ == kDash ? Qt::DashLine : Qt::SolidLine,
           Qt::FlatCap);
  pen.setCosmetic(true);
  setPen(pen);
}

QRectF LineControl::boundingRect() const {
  const double margin = (width_ / 2.0 + 1) * kTwipsPerPixel;
  return QRectF(line().p1(), line().p2()).normalized().adjusted(-margin, -margin, margin, margin);
}

QPainterPath LineControl::shape() const {
  QPainterPath path;
  path.addRect(boundingRect());
  return path;
}

void LineControl::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                        QWidget* widget) {
  if (width_ <= 1 || style_ != kSolid) {
    QGraphicsLineItem::paint(painter, option, widget);
    return;
  }
  // Stroking a wide pen is far dearer than filling the band it covers: the rectangle from end
  // to end, half the width to either side, in pixels; flat ends, as the pen has.
  const QTransform toDevice = painter->worldTransform();
  const QPointF a = toDevice.map(line().p1());
  const QPointF b = toDevice.map(line().p2());
  const QPointF along = b - a;
  const double length = std::hypot(along.x(), along.y());
  if (length == 0) return;
  const QPointF across = QPointF(-along.y(), along.x()) * (width_ / 2.0 / length);
  const QPointF band[4] = {a + across, b + across, b - across, a - across};
  painter->setWorldTransform(QTransform());
  painter->setPen(Qt::NoPen);
  painter->setBrush(FromWindowsColour(colour_));
  painter->drawPolygon(band, 4);
  painter->setWorldTransform(toDevice);
}

// --- LabelControl ---------------------------------------------------------------------------

LabelControl::LabelControl() {
  setFlag(ItemIgnoresTransformations);
  // Laying out text is the dearest part of a repaint; a caption is drawn once and then reused
  // wherever it moves.
  setCacheMode(ItemCoordinateCache);
  SetForeColor(kBlack);
}

void LabelControl::SetForeColor(std::int32_t colour) {
  foreColour_ = colour;
  setBrush(FromWindowsColour(colour));
}

void LabelControl::SetBackColor(std::int32_t colour) {
  backFilled_ = true;
  backColour_ = colour;
  back_ = FromWindowsColour(colour);
  update();
}

QRectF LabelControl::boundingRect() const {
  // A boxed caption keeps a little room inside its box.
  const QRectF text = QGraphicsSimpleTextItem::boundingRect();
  return backFilled_ ? text.adjusted(0, 0, 4, 0) : text;
}

void LabelControl::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                         QWidget* widget) {
  if (backFilled_) {
    const QRectF box = boundingRect();
    painter->fillRect(box, back_);
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    painter->translate(2, 0);
  }
  QGraphicsSimpleTextItem::paint(painter, option, widget);
}

// --- ImageControl ---------------------------------------------------------------------------

ImageControl::ImageControl() { setFlag(ItemIgnoresTransformations); }

bool ImageControl::LoadPicture(const QString& path, QString* error) {
  if (!QFileInfo(path).isFile()) {
    if (error) *error = path.isEmpty() ? texts::PictureNotNamed() : texts::PictureMissing(path);
    return false;
  }
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    if (error) *error = texts::PictureUnreadable(path, reader.errorString());
    return false;
  }
  setPixmap(QPixmap::fromImage(image));
  path_ = path;
  missing_ = false;
  return true;
}

void ImageControl::ShowMissing(const QString& name) {
  QFont font;
  font.setPointSize(8);
  const int nameWidth = name.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(name) + 8;
  QPixmap box(32 + nameWidth, 32);
  box.fill(Qt::white);
  QPainter painter(&box);
  const QColor frame(0x5b, 0x6b, 0x7f);
  painter.setPen(QPen(frame, 1));
  painter.drawRect(0, 0, box.width() - 1, 31);
  painter.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2));
  painter.drawLine(8, 8, 23, 23);
  painter.drawLine(23, 8, 8, 23);
  if (!name.isEmpty()) {
    painter.setPen(frame);
    painter.setFont(font);
    painter.drawText(QRect(32, 0, nameWidth - 4, 32), Qt::AlignLeft | Qt::AlignVCenter, name);
  }
  painter.end();
  setPixmap(box);
  missing_ = true;
}

// --- SensorBox ------------------------------------------------------------------------------

SensorBox::SensorBox() {
  setFlag(ItemIgnoresTransformations);
  setCacheMode(ItemCoordinateCache);
  font_.setPointSize(8);
  const QFontMetrics metrics(font_);
  box_ = QRectF(0, 0, metrics.horizontalAdvance(kSensorText) + 8, metrics.height() + 4);
}

QString SensorBox::Text() const { return kSensorText; }

void SensorBox::SetLit(bool lit) {
  if (lit == lit_) return;
  lit_ = lit;
  update();
}

QRectF SensorBox::boundingRect() const {
  return box_;
}

void SensorBox::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const QRectF box = boundingRect();
  painter->fillRect(box, lit_ ? Qt::black : Qt::white);
  painter->setPen(QPen(Qt::black, 0));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(box.adjusted(0, 0, -1, -1));
  painter->setPen(lit_ ? Qt::white : Qt::black);
  painter->setFont(font_);
  painter->drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, kSensorText);
}

}  // namespace kv
