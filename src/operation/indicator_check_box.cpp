#include "operation/indicator_check_box.h"

#include <QMouseEvent>

namespace kv {

IndicatorCheckBox::IndicatorCheckBox(const QString& objectName, const QString& caption,
                                     QWidget* parent)
    : QCheckBox(caption, parent) {
  setObjectName(objectName);
  setTristate(true);
  // Only the mouse works it: the keyboard would have no button to report.
  setFocusPolicy(Qt::NoFocus);
}

int IndicatorCheckBox::Value() const {
  switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
  }
}

void IndicatorCheckBox::SetValue(int value) {
  setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void IndicatorCheckBox::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mouseDown(event->button());
}

void IndicatorCheckBox::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  emit mouseUp(event->button());
}

}  // namespace kv
