#pragma once

#include <QLabel>
#include <QString>

namespace kv {

// A picture used as a button, as the toolbars have them: it reports which mouse button went
// down and up over it and carries a Tag.
class ImageButton : public QLabel {
  Q_OBJECT

 public:
  // `picture` names a file of the button pictures (":/resources/buttons/<picture>.svg") or any
  // image path; `size` is the side in pixels.
  explicit ImageButton(const QString& objectName, const QString& picture, int size = 32,
                       QWidget* parent = nullptr);

  void SetPicture(const QString& picture);
  QString Picture() const { return picture_; }
  QString Tag() const { return tag_; }
  void SetTag(const QString& tag) { tag_ = tag; }

 signals:
  void mouseDown(Qt::MouseButton button);
  void mouseUp(Qt::MouseButton button);
  void mouseMoved();
  void doubleClicked(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QString picture_;
  QString tag_;
  int size_;
};

// The full path of a button picture by its name.
QString ButtonPicturePath(const QString& picture);

}  // namespace kv
