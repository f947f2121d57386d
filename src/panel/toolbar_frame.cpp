#include "panel/toolbar_frame.h"

#include <QMouseEvent>

namespace kv {

ToolbarFrame::ToolbarFrame(const QString& objectName, const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
  setObjectName(objectName);
}

void ToolbarFrame::mouseReleaseEvent(QMouseEvent* event) {
  QGroupBox::mouseReleaseEvent(event);
  // Controls inside the frame take their own clicks; what arrives here fell on the frame.
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit frameClicked();
  }
  // Taken here: a frame inside a toolbar frame keeps its clicks from the one around it.
  event->accept();
}

}  // namespace kv
