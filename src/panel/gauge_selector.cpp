#include "panel/gauge_selector.h"

#include <QPainter>
#include <QScrollBar>

#include "layout/object_readers.h"
#include "layout/twips.h"
#include "panel/image_button.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
constexpr int kHeight = 42;  // px: the marker's highest place, 570 - 12 x 1 twips, lies inside
constexpr int kBarWidth = 16;
constexpr int kMarkerWidth = 18;  // the lines, or the tunnel picture in their place
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

GaugeSelector::GaugeSelector(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("fraGauge"));
  setFixedSize(kBarWidth + 2 + kMarkerWidth, kHeight);
  bar_ = new QScrollBar(Qt::Vertical, this);
  bar_->setObjectName(QStringLiteral("vsbGauge"));
  // Min 10 at the top, Max 1 at the bottom.
  bar_->setRange(kMinGauge, kMaxGauge);
  bar_->setInvertedAppearance(true);
  bar_->setInvertedControls(false);
  // The arrows would step against the way they point on a bar turned upside down: the down
  // arrow lowers the gauge, as the slider goes down.
  connect(bar_, &QAbstractSlider::actionTriggered, this, [this](int action) {
    int step = 0;
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd:
        step = -bar_->singleStep();
        break;
      case QAbstractSlider::SliderSingleStepSub:
        step = bar_->singleStep();
        break;
      case QAbstractSlider::SliderPageStepAdd:
        step = -bar_->pageStep();
        break;
      case QAbstractSlider::SliderPageStepSub:
        step = bar_->pageStep();
        break;
      default:
        return;
    }
    bar_->setSliderPosition(qBound(kMinGauge, bar_->value() + step, kMaxGauge));
  });
  bar_->setSingleStep(1);
  bar_->setPageStep(3);
  bar_->setValue(kMaxGauge);
  bar_->setGeometry(0, 0, kBarWidth, kHeight);
  base_ = new ToolLine(QStringLiteral("linBase"), Qt::Vertical, this);
  base_->setGeometry(kBarWidth + 2, 0, kMarkerWidth, kHeight);
  adj_ = new ToolLine(QStringLiteral("linAdj"), Qt::Horizontal, this);
  adj_->setGeometry(kBarWidth + 2, 0, kMarkerWidth, 4);
  bore_ = new ImageButton(QStringLiteral("imgBtnBore"), QStringLiteral("bore"), kMarkerWidth, this);
  bore_->setToolTip(texts::BoreTip());
  bore_->move(kBarWidth + 2, (kHeight - kMarkerWidth) / 2);
  ShowGauge(kMaxGauge);
}

void GaugeSelector::ShowGauge(int gauge) {
  if (gauge == 1) {
    base_->SetBorderStyle(ToolLine::kDash);
    adj_->hide();
    bore_->show();
  } else {
    bore_->hide();
    base_->SetBorderStyle(ToolLine::kSolid);
    adj_->show();
  }
  adj_->SetY(570 - 12 * gauge);
}

}  // namespace kv
