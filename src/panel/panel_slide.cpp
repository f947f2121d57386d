#include "panel/panel_slide.h"

#include <QLabel>
#include <QScrollBar>

#include "base/session.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/zorder.h"

namespace kv {

PanelSlide::PanelSlide(Session& session, PanelArea& area, QObject* parent)
    : QObject(parent),
      area_(area),
      timPollKeys_(std::make_unique<IntervalTimer>(session.scheduler,
                                                   [this]() { timPollKeys_Timer(); })) {}

PanelSlide::~PanelSlide() = default;

void PanelSlide::AddButton(ImageButton* button, int index) {
  connect(button, &ImageButton::mouseDown, this,
          [this, index](Qt::MouseButton b) { imgBtnScroll_MouseDown(index, b); });
  connect(button, &ImageButton::mouseUp, this,
          [this, index](Qt::MouseButton b) { imgBtnScroll_MouseUp(index, b); });
}

void PanelSlide::imgBtnScroll_MouseDown(int index, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  ScrollDir = index;
  timPollKeys_->SetInterval(kTick);
}

void PanelSlide::imgBtnScroll_MouseUp(int index, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  ScrollDir = index;
  timPollKeys_->SetInterval(0);
  ScrollStep = 0;
  EndSlide();
}

void PanelSlide::Step(QScrollBar* bar, int delta) {
  // A step past either end is not taken, so the slide stops short of the end.
  const int value = bar->value() + delta;
  if (value < bar->minimum() || value > bar->maximum()) return;
  bar->setValue(value);
}

void PanelSlide::timPollKeys_Timer() {
  ScrollStep += kStepGrowth;
  switch (ScrollDir) {
    case 0:
      Step(area_.vsbScreen(), -ScrollStep);
      BringToFront(area_.lblPerCent(2));
      break;
    case 3:
      Step(area_.hsbScreen(), ScrollStep);
      BringToFront(area_.lblPerCent(1));
      break;
    case 6:
      Step(area_.vsbScreen(), ScrollStep);
      BringToFront(area_.lblPerCent(2));
      break;
    case 9:
      Step(area_.hsbScreen(), -ScrollStep);
      BringToFront(area_.lblPerCent(1));
      break;
    default:
      break;
  }
}

QString PanelSlide::EndTag(const QScrollBar* bar) {
  const bool atEnd = bar->value() == bar->maximum() || bar->value() == bar->minimum();
  return atEnd ? QStringLiteral("0") : QStringLiteral("1");
}

void PanelSlide::EndSlide() {
  hsbScreenTag = EndTag(area_.hsbScreen());
  vsbScreenTag = EndTag(area_.vsbScreen());
  if (hsbScreenTag == QLatin1String("1") || vsbScreenTag == QLatin1String("1")) {
    area_.picScreen().RepaintTrackLines();
  }
  hsbScreenTag = QStringLiteral("0");
  vsbScreenTag = QStringLiteral("0");
}

}  // namespace kv
