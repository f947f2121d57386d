#pragma once

#include <QColor>
#include <QWidget>

namespace kv {

// A round indicator lamp, lit or dark. Drawn by itself: switching it only asks for a repaint,
// so lamps can follow a relay pulse without restyling anything.
class Lamp : public QWidget {
  Q_OBJECT

 public:
  explicit Lamp(QColor lit = QColor(0xe0, 0x20, 0x20), QWidget* parent = nullptr);
  void SetLit(bool lit);
  bool Lit() const { return lit_; }
  QSize sizeHint() const override { return {14, 14}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor litColour_;
  bool lit_ = false;
};

}  // namespace kv
