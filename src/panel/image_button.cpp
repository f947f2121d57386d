#include "panel/image_button.h"

#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>

namespace kv {

QString ButtonPicturePath(const QString& picture) {
  if (picture.contains(QLatin1Char('/'))) return picture;
  return QStringLiteral(":/resources/buttons/") + picture + QStringLiteral(".svg");
}

ImageButton::ImageButton(const QString& objectName, const QString& picture, int size,
                         QWidget* parent)
    : QLabel(parent), size_(size) {
  setObjectName(objectName);
  setFixedSize(size, size);
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
  SetPicture(picture);
}

void ImageButton::SetPicture(const QString& picture) {
  picture_ = picture;
  const QString path = ButtonPicturePath(picture);
  if (QFileInfo::exists(path)) {
    setPixmap(QIcon(path).pixmap(QSize(size_, size_), devicePixelRatioF()));
  } else {
    clear();
  }
}

void ImageButton::mousePressEvent(QMouseEvent* event) { emit mouseDown(event->button()); }

void ImageButton::mouseReleaseEvent(QMouseEvent* event) { emit mouseUp(event->button()); }

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  emit mouseMoved();
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event) {
  emit doubleClicked(event->button());
}

}  // namespace kv
