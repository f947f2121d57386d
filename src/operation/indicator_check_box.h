#pragma once

#include <QCheckBox>

namespace kv {

// A check box that shows a state its owner sets (0 unticked, 1 ticked, 2 grey) and that the
// user also clicks: a click reports which button went down and came up, and never changes the
// state by itself, so it cannot fight the state shown.
class IndicatorCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  IndicatorCheckBox(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

  int Value() const;
  void SetValue(int value);

 signals:
  void mouseDown(Qt::MouseButton button);
  void mouseUp(Qt::MouseButton button);

 protected:
  void nextCheckState() override {}
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kv
