#include "panel/gauge_selector.h"

#include <QPainter>
#include <QScrollBar>

#include "layout/object_readers.h"
#include "layout/twips.h"
#include "panel/image_button.h"

namespace kv {

namespace {
constexpr int kHeight = 42;  // px: the marker's highest place, 570 - 12 x 1 twips, lies inside
constexpr int kBarWidth = 16;
constexpr int kMarkerWidth = 14;
}  // namespace

ToolLine::ToolLine(const QString& objectName, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
  setObjectName(objectName);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ToolLine::SetY(int y) {
  y_ = y;
  move(x(), y / kTwipsPerPixel - height() / 2);
}

void ToolLine::SetBorderStyle(Style style) {
  style_ = style;
  update();
}

void ToolLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(palette().color(QPalette::WindowText), orientation_ == Qt::Vertical ? 1 : 2,
           style_ == kDash ? Qt::DashLine : Qt::SolidLine);
  painter.setPen(pen);
  if (orientation_ == Qt::Vertical) {
    painter.drawLine(width() / 2, 0, width() / 2, height());
  } else {
    painter.drawLine(0, height() / 2, width(), height() / 2);
  }
}

GaugeSelector::GaugeSelector(ImageButton* imgBtnBore, QWidget* parent)
    : QWidget(parent), bore_(imgBtnBore) {
  setObjectName(QStringLiteral("fraGauge"));
  setFixedSize(kBarWidth + 4 + kMarkerWidth, kHeight);
  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->setObjectName(QStringLiteral("vsbGauge"));
  // Min 10 at the top, Max 1 at the bottom.
  bar_->setRange(kMinGauge, kMaxGauge);
  bar_->setInvertedAppearance(true);
  bar_->setInvertedControls(false);
  bar_->setSingleStep(1);
  bar_->setPageStep(3);
  bar_->setValue(kMaxGauge);
  bar_->setGeometry(0, 0, kBarWidth, kHeight);
  base_ = new ToolLine(QStringLiteral("linBase"), Qt::Vertical, this);
  base_->setGeometry(kBarWidth + 4, 0, kMarkerWidth, kHeight);
  adj_ = new ToolLine(QStringLiteral("linAdj"), Qt::Horizontal, this);
  adj_->setGeometry(kBarWidth + 4, 0, kMarkerWidth, 4);
  ShowGauge(kMaxGauge);
}

void GaugeSelector::ShowGauge(int gauge) {
  if (gauge == 1) {
    base_->SetBorderStyle(ToolLine::kDash);
    adj_->hide();
    if (bore_) bore_->show();
  } else {
    if (bore_) bore_->hide();
    base_->SetBorderStyle(ToolLine::kSolid);
    adj_->show();
  }
  adj_->SetY(570 - 12 * gauge);
}

}  // namespace kv
