#include "panel/panel_area.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "panel/panel.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {
// Both ends of either bar read 100: 32760 / 326 and 32767 / 326 truncate to 100.
constexpr int kPercentDivisor = 326;

QScrollBar* MakeBar(Qt::Orientation orientation, const QString& name, int max, int small,
                    int large, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setRange(0, max);
  bar->setSingleStep(small);
  bar->setPageStep(large);
  return bar;
}
}  // namespace

PanelArea::PanelArea(Session& session, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("panelArea"));
  panel_ = new Panel(session, this);
  hsb_ = MakeBar(Qt::Horizontal, QStringLiteral("hsbScreen"), kHMax, 1, 1, this);
  vsb_ = MakeBar(Qt::Vertical, QStringLiteral("vsbScreen"), kVMax, 100, 2600, this);
  percent_[0] = MakePercentLabel(1);
  percent_[1] = MakePercentLabel(2);
  pointer_ = new QLabel(this);
  pointer_->setObjectName(QStringLiteral("lblPointer"));
  // Wide enough for the longest position, so the bar beside it does not jump while dragging.
  pointer_->setMinimumWidth(pointer_->fontMetrics().horizontalAdvance(
      QStringLiteral("-88888, -88888 twips   square -888, -888")));

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(2);
  bottom->addWidget(hsb_, 1);
  bottom->addWidget(pointer_);
  bottom->addWidget(percent_[0]);
  bottom->addWidget(percent_[1]);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(panel_, 0, 0);
  grid->addWidget(vsb_, 0, 1);
  grid->addLayout(bottom, 1, 0, 1, 2);

  connect(hsb_, &QScrollBar::valueChanged, this, &PanelArea::hsbScreen_Change);
  connect(vsb_, &QScrollBar::valueChanged, this, &PanelArea::vsbScreen_Change);
}

QLabel* PanelArea::MakePercentLabel(int i) {
  auto* label = new QLabel(texts::PercentCaption(0), this);
  label->setObjectName(QStringLiteral("lblPerCent_%1").arg(i));
  label->setToolTip(texts::PercentTip());
  label->setAlignment(Qt::AlignCenter);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(texts::PercentCaption(100)) + 12);
  label->installEventFilter(this);
  return label;
}

void PanelArea::hsbScreen_Change() {
  percent_[0]->setText(texts::PercentCaption(hsb_->value() / kPercentDivisor));
  panel_->SetOrigin(hsb_->value(), panel_->Origin().y());
}

void PanelArea::vsbScreen_Change() {
  percent_[1]->setText(texts::PercentCaption(vsb_->value() / kPercentDivisor));
  panel_->SetOrigin(panel_->Origin().x(), vsb_->value());
}

void PanelArea::ShowPointer(const QString& text) {
  if (pointer_->text() != text) pointer_->setText(text);
}

void PanelArea::lblPerCent_Click() {
  hsb_->setValue(0);
  vsb_->setValue(0);
}

bool PanelArea::eventFilter(QObject* watched, QEvent* event) {
  const bool onPercent = watched == percent_[0] || watched == percent_[1];
  if (onPercent && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    lblPerCent_Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kv
