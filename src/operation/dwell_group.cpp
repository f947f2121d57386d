#include "operation/dwell_group.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/scheduler.h"
#include "base/session.h"
#include "layout/wait_file.h"
#include "operation/dwell_setting.h"
#include "operation/indicator_check_box.h"
#include "operation/points_texts.h"
#include "panel/toolbar_frame.h"

namespace kv {

DwellGroup::DwellGroup(Session& session, QWidget* parent)
    : QObject(parent),
      session_(session),
      fraWait_(new ToolbarFrame(QStringLiteral("fraWait"), texts::WaitDesignCaption(), parent)),
      timWait_(std::make_unique<IntervalTimer>(session.scheduler, [this]() { timWait_Timer(); })) {
  auto* rows = new QVBoxLayout(fraWait_);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->setSpacing(2);
  hsbWait_ = new QScrollBar(Qt::Horizontal, fraWait_);
  hsbWait_->setObjectName(QStringLiteral("hsbWait"));
  const DwellSlider design;
  hsbWait_->setRange(design.minimum, design.maximum);
  hsbWait_->setSingleStep(design.smallChange);
  hsbWait_->setPageStep(design.largeChange);
  hsbWait_->setValue(design.minimum);
  hsbWait_->setFixedWidth(104);
  chkWait_ = new IndicatorCheckBox(QStringLiteral("chkWait"), texts::WaitCheck(), fraWait_);
  rows->addWidget(hsbWait_);
  rows->addWidget(chkWait_);
  connect(hsbWait_, &QScrollBar::valueChanged, this, &DwellGroup::hsbWait_Change);
  connect(chkWait_, &IndicatorCheckBox::mouseUp, this, &DwellGroup::chkWait_MouseUp);
}

DwellGroup::~DwellGroup() = default;

bool DwellGroup::IsDcc() const { return session_.model.ControlSystem == QLatin1String("DCC"); }

void DwellGroup::SetSlider(int value) {
  const QSignalBlocker quiet(hsbWait_);
  hsbWait_->setValue(value);
}

void DwellGroup::ReadWaitFile() {
  LayoutModel& m = session_.model;
  m.DwellTime = kv::ReadWaitFile(session_.folder, m.ControlSystem);
  const DwellSlider range = DwellSliderFor(m.ControlSystem);
  {
    const QSignalBlocker quiet(hsbWait_);
    hsbWait_->setRange(range.minimum, range.maximum);
    hsbWait_->setSingleStep(range.smallChange);
    hsbWait_->setPageStep(range.largeChange);
  }
  SetSlider(DwellSliderValue(m.DwellTime, m.ControlSystem));
  if (IsDcc()) dccWaitSynced_ = true;
  fraWait_->setTitle(WaitCaption(m.DwellTime));
}

bool DwellGroup::WriteWaitFile(QString* error) {
  return kv::WriteWaitFile(session_.folder, session_.model.DwellTime, error);
}

void DwellGroup::hsbWait_Change(int value) {
  LayoutModel& m = session_.model;
  chkWait_->SetValue(0);
  if (IsDcc() && !dccWaitSynced_) {
    // The first change on "DCC" only brings the slider to the dwell already in force.
    SetSlider(DwellSliderValue(m.DwellTime, m.ControlSystem));
    dccWaitSynced_ = true;
  } else {
    m.DwellTime = DwellFromSlider(value, m.ControlSystem);
  }
  fraWait_->setTitle(WaitCaption(m.DwellTime));
}

void DwellGroup::chkWait_MouseUp() {
  QString error;
  if (!WriteWaitFile(&error)) {
    // Not saved: no confirmation, and the user is told why.
    chkWait_->SetValue(0);
    session_.dialogs.MessageBox(texts::WaitNotSaved(error), msg::kCritical,
                                texts::WaitNotSavedTitle());
    return;
  }
  chkWait_->SetValue(1);
  timWait_->SetInterval(kConfirmMs);
}

void DwellGroup::timWait_Timer() {
  timWait_->SetInterval(0);
  chkWait_->SetValue(0);
}

}  // namespace kv
