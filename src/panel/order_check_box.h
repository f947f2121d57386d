#pragma once

#include <QCheckBox>

namespace kv {

// chkOrder: whether a new picture is placed in front of the lines on the panel ("superimpose",
// Value 1, ticked) or left behind them ("subordinate", Value 2, grey). Each mouse-up flips it.
class OrderCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit OrderCheckBox(QWidget* parent = nullptr);

  void chkOrder_MouseUp();
  // 1 superimpose, 2 subordinate, 0 unticked.
  int Value() const;
  bool Superimpose() const { return Value() == 1; }
  // Back to the state the window opens with.
  void Reset();
  bool OrderToggle = false;

 protected:
  // A left click and the space bar come through here; the box itself never changes its state.
  void nextCheckState() override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace kv
