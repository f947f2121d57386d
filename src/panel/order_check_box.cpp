#include "panel/order_check_box.h"

#include <QMouseEvent>

#include "panel/panel_texts.h"

namespace kv {

OrderCheckBox::OrderCheckBox(QWidget* parent) : QCheckBox(parent) {
  setObjectName(QStringLiteral("chkOrder"));
  setTristate(true);
  Reset();
}

void OrderCheckBox::chkOrder_MouseUp() {
  OrderToggle = !OrderToggle;
  if (OrderToggle) {
    setCheckState(Qt::PartiallyChecked);
    setText(texts::Subordinate());
  } else {
    setCheckState(Qt::Checked);
    setText(texts::Superimpose());
  }
}

int OrderCheckBox::Value() const {
  switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void OrderCheckBox::Reset() {
  OrderToggle = false;
  setCheckState(Qt::Checked);
  setText(texts::Superimpose());
}

void OrderCheckBox::nextCheckState() { chkOrder_MouseUp(); }

void OrderCheckBox::mousePressEvent(QMouseEvent* event) {
  // Take the other buttons' presses too, so their release comes here.
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QCheckBox::mousePressEvent(event);
}

void OrderCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  // The left button clicks (nextCheckState); the others flip the option here.
  if (event->button() != Qt::LeftButton) {
    if (rect().contains(event->position().toPoint())) chkOrder_MouseUp();
    return;
  }
  QCheckBox::mouseReleaseEvent(event);
}

}  // namespace kv
