#include "panel/grid_item.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QVector>

#include "panel/panel_items.h"

namespace kv {

namespace {
// The grid reaches 43300 twips across and 35000 down; a heavy line is 2 pixels = 30 twips.
const QRectF kGridBounds(-30, -30, 43300 + 60, 35000 + 60);
}  // namespace

GridItem::GridItem() {
  setAcceptedMouseButtons(Qt::NoButton);
  setFlag(ItemUsesExtendedStyleOption);  // paint() gets the exposed part
  // Behind everything the layout puts on the panel.
  setZValue(-1e15);
}

bool GridItem::Load(int i) {
  if (!Valid(i) || lines_[i].loaded) return false;
  lines_[i] = GridLine{};
  lines_[i].loaded = true;
  ++loaded_;
  return true;
}

bool GridItem::Unload(int i) {
  if (!Valid(i) || !lines_[i].loaded) return false;
  lines_[i] = GridLine{};
  --loaded_;
  Changed();
  return true;
}

bool GridItem::IsLoaded(int i) const { return Valid(i) && lines_[i].loaded; }

void GridItem::Place(int i, const QLineF& line) {
  if (!IsLoaded(i)) return;
  lines_[i].line = line;
  Changed();
}

QLineF GridItem::Line(int i) const { return IsLoaded(i) ? lines_[i].line : QLineF(); }

void GridItem::SetVisible(int i, bool visible) {
  if (!IsLoaded(i) || lines_[i].visible == visible) return;
  lines_[i].visible = visible;
  Changed();
}

bool GridItem::IsVisible(int i) const { return IsLoaded(i) && lines_[i].visible; }

void GridItem::SetBorderWidth(int i, int pixels) {
  if (!IsLoaded(i) || lines_[i].width == pixels) return;
  lines_[i].width = pixels;
  Changed();
}

int GridItem::BorderWidth(int i) const { return IsLoaded(i) ? lines_[i].width : 0; }

void GridItem::Changed() { update(); }

QRectF GridItem::boundingRect() const { return kGridBounds; }

void GridItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
  if (loaded_ == 0) return;
  // Only the lines that cross the part being painted, one batch per width.
  const QRectF exposed = option->exposedRect.adjusted(-30, -30, 30, 30);
  QVector<QLineF> light;
  QVector<QLineF> heavy;
  for (int i = 1; i <= kLines; ++i) {
    const GridLine& l = lines_[i];
    if (!l.loaded || !l.visible) continue;
    const QRectF box = QRectF(l.line.p1(), l.line.p2()).normalized().adjusted(-1, -1, 1, 1);
    if (!box.intersects(exposed)) continue;
    (l.width >= 2 ? heavy : light).append(l.line);
  }
  QPen pen(FromWindowsColour(kColour), 1, Qt::SolidLine, Qt::FlatCap);
  pen.setCosmetic(true);
  painter->setPen(pen);
  painter->drawLines(light);
  pen.setWidth(2);
  painter->setPen(pen);
  painter->drawLines(heavy);
}

}  // namespace kv
