#include "panel/zorder.h"

#include <QWidget>

namespace kv {

bool IsInFront(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  if (!parent) return true;
  bool above = false;
  // children() lists widgets from the bottom of the stack to the top.
  for (const QObject* child : parent->children()) {
    if (child == widget) {
      above = true;
      continue;
    }
    const auto* sibling = qobject_cast<const QWidget*>(child);
    if (above && sibling && !sibling->isHidden() &&
        sibling->geometry().intersects(widget->geometry())) {
      return false;
    }
  }
  return true;
}

void BringToFront(QWidget* widget) { widget->raise(); }

void SendToBack(QWidget* widget) { widget->lower(); }

}  // namespace kv
