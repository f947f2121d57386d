#pragma once

#include <QWidget>

class QLabel;
class QScrollBar;

namespace kv {

class ImageButton;

// A line on a toolbar: linBase and linAdj. Its height on the selector is kept in twips, as the
// gauge rule gives it; solid or dashed.
class ToolLine : public QWidget {
  Q_OBJECT

 public:
  enum Style { kSolid = 1, kDash = 2 };
  ToolLine(const QString& objectName, Qt::Orientation orientation, QWidget* parent);
  // A horizontal line at `y` twips from the selector's top, from x1 to x2 twips.
  void SetY(int y);
  int Y1() const { return y_; }
  int Y2() const { return y_; }
  void SetBorderStyle(Style style);
  Style BorderStyle() const { return style_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Qt::Orientation orientation_;
  Style style_ = kSolid;
  int y_ = 0;
};

// The gauge selector of the creation toolbar: vsbGauge (10 at the top down to 1, a large step
// of 3), the sample line linBase beside it and the marker linAdj that shows the gauge's height,
// and the gauge in digits (lblGauge), which no caption shows once a layout is loaded. The
// tunnel picture imgBtnBore shows over the lines only for gauge 1.
class GaugeSelector : public QWidget {
  Q_OBJECT

 public:
  explicit GaugeSelector(QWidget* parent);

  QScrollBar* vsbGauge() const { return bar_; }
  ImageButton* imgBtnBore() const { return bore_; }
  ToolLine* linBase() const { return base_; }
  ToolLine* linAdj() const { return adj_; }
  QLabel* lblGauge() const { return number_; }

  // Gauge 1: linBase dashed, linAdj hidden, the bore shown. Otherwise the bore hidden,
  // linBase solid, linAdj shown at 570 - 12 x gauge twips. lblGauge shows the gauge.
  void ShowGauge(int gauge);

 protected:
  // The mouse wheel over vsbGauge steps one gauge a notch.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ImageButton* bore_;
  QScrollBar* bar_;
  ToolLine* base_;
  ToolLine* adj_;
  QLabel* number_;
  int wheel_ = 0;  // eighths of a degree turned and not yet a whole notch
};

}  // namespace kv
