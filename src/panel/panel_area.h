#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;

namespace kv {

class Panel;
class Session;

// The drawing surface as the main window holds it: picScreen with the two slide bars
// hsbScreen and vsbScreen and the percent labels lblPerCent_1 (across) and lblPerCent_2 (down).
class PanelArea : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHMax = 32760;
  static constexpr int kVMax = 32767;

  explicit PanelArea(Session& session, QWidget* parent = nullptr);

  Panel& picScreen() { return *panel_; }
  QScrollBar* hsbScreen() { return hsb_; }
  QScrollBar* vsbScreen() { return vsb_; }
  QLabel* lblPerCent(int i) { return i == 1 ? percent_[0] : percent_[1]; }
  // lblPointer, beside the percent labels: where the pointer is while objects are dragged.
  QLabel* lblPointer() { return pointer_; }
  void ShowPointer(const QString& text);

  void hsbScreen_Change();
  void vsbScreen_Change();
  // A click on either percent label brings the surface back to its origin.
  void lblPerCent_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* MakePercentLabel(int i);

  Panel* panel_;
  QScrollBar* hsb_;
  QScrollBar* vsb_;
  QLabel* percent_[2];
  QLabel* pointer_;
};

}  // namespace kv
