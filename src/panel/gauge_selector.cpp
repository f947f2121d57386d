#include "panel/gauge_selector.h"

#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QWheelEvent>

#include "layout/object_readers.h"
#include "layout/twips.h"
#include "panel/image_button.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
// px: as tall as the creation toolbar's buttons and their frame allow, so the bar has room for
// its slider between the arrows; the marker's lowest place, 570 - 12 x 1 twips, lies inside.
constexpr int kHeight = 64;
constexpr int kBarWidth = 16;
constexpr int kMarkerWidth = 18;  // the lines, or the tunnel picture in their place
constexpr int kNumberHeight = 16;  // the gauge in digits above the lines, "10" at most
constexpr int kSliderMin = 8;     // px: the style's own minimum would leave the slider no travel

// The gauge bar's slider may be as short as its share of the bar, so it can be dragged.
class ShortSliderStyle final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_ScrollBarSliderMin) return kSliderMin;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};
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
  auto* style = new ShortSliderStyle(QStyleFactory::create(bar_->style()->name()));
  style->setParent(this);
  bar_->setStyle(style);
  bar_->installEventFilter(this);
  bar_->setSingleStep(1);
  bar_->setPageStep(3);
  bar_->setValue(kMaxGauge);
  bar_->setGeometry(0, 0, kBarWidth, kHeight);
  base_ = new ToolLine(QStringLiteral("linBase"), Qt::Vertical, this);
  base_->setGeometry(kBarWidth + 2, kNumberHeight, kMarkerWidth, kHeight - kNumberHeight);
  adj_ = new ToolLine(QStringLiteral("linAdj"), Qt::Horizontal, this);
  adj_->setGeometry(kBarWidth + 2, 0, kMarkerWidth, 4);
  bore_ = new ImageButton(QStringLiteral("imgBtnBore"), QStringLiteral("bore"), kMarkerWidth, this);
  bore_->setToolTip(texts::BoreTip());
  bore_->move(kBarWidth + 2, kNumberHeight + (kHeight - kNumberHeight - kMarkerWidth) / 2);
  number_ = new QLabel(this);
  number_->setObjectName(QStringLiteral("lblGauge"));
  number_->setAlignment(Qt::AlignCenter);
  QFont bold = number_->font();
  bold.setBold(true);
  number_->setFont(bold);
  number_->setGeometry(kBarWidth + 2, 0, kMarkerWidth, kNumberHeight);
  ShowGauge(kMaxGauge);
}

bool GaugeSelector::eventFilter(QObject* watched, QEvent* event) {
  if (watched != bar_ || event->type() != QEvent::Wheel)
    return QWidget::eventFilter(watched, event);
  // One gauge a notch, up for a wider one, as the slider goes; a scroll bar would take three.
  wheel_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
  const int notches = wheel_ / QWheelEvent::DefaultDeltasPerStep;
  wheel_ %= QWheelEvent::DefaultDeltasPerStep;
  if (notches != 0) bar_->setValue(qBound(kMinGauge, bar_->value() + notches, kMaxGauge));
  return true;
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
  number_->setText(QString::number(gauge));
}

}  // namespace kv
