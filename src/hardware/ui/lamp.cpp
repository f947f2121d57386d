#include "hardware/ui/lamp.h"

#include <QPainter>

namespace kv {

Lamp::Lamp(QColor lit, QWidget* parent) : QWidget(parent), litColour_(lit) {
  setFixedSize(sizeHint());
}

void Lamp::SetLit(bool lit) {
  if (lit == lit_) return;
  lit_ = lit;
  update();
}

void Lamp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor fill = lit_ ? litColour_ : litColour_.darker(400);
  painter.setPen(fill.darker(200));
  painter.setBrush(fill);
  painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace kv
