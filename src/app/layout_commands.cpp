#include "app/layout_commands.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include "base/save_layout.h"
#include "base/session.h"
#include "layout/object_readers.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_objects.h"
#include "panel/panel_texts.h"

namespace kv {

LayoutCommands::LayoutCommands(Session& session, Panel& panel, QWidget& window)
    : QObject(&window),
      session_(session),
      panel_(panel),
      window_(window),
      objects_(std::make_unique<PanelObjects>(panel, session.model)) {}

LayoutCommands::~LayoutCommands() = default;

ObjectPanel& LayoutCommands::Objects() { return *objects_; }

void LayoutCommands::ShowNextTrackNumber(int next) {
  if (auto* lblCount = window_.findChild<QLabel*>(QStringLiteral("lblCount"))) {
    lblCount->setText(QString::number(next));
  }
}

void LayoutCommands::ShowCurGauge() {
  const int gauge = session_.model.CurGauge;
  if (auto* bar = window_.findChild<QScrollBar*>(QStringLiteral("vsbGauge"))) {
    if (gauge >= bar->minimum() && gauge <= bar->maximum()) bar->setValue(gauge);
  }
  panel_.SetTemplateGauge(gauge);
  if (auto* track = window_.findChild<QWidget*>(QStringLiteral("imgBtnTrk"))) {
    track->setToolTip(texts::GaugeTip(gauge));
  }
}

void LayoutCommands::ShowGauge() {
  LayoutModel& m = session_.model;
  const auto* bar = window_.findChild<QScrollBar*>(QStringLiteral("vsbGauge"));
  m.CurGauge = static_cast<std::uint8_t>(bar ? bar->value() : kMaxGauge);
  panel_.SetTemplateGauge(m.CurGauge);
  const QString caption = texts::CreateCaption(m.CurGauge);
  if (auto* create = window_.findChild<QGroupBox*>(QStringLiteral("fraToolbar_1"))) {
    create->setTitle(caption);
  }
  if (auto* track = window_.findChild<QWidget*>(QStringLiteral("imgBtnTrk"))) {
    track->setToolTip(caption);
  }
}

void LayoutCommands::Connect() {
  if (auto* save = window_.findChild<ImageButton*>(QStringLiteral("imgBtnSave"))) {
    connect(save, &ImageButton::mouseUp, this, &LayoutCommands::imgBtnSave_MouseUp,
            Qt::UniqueConnection);
  }
}

void LayoutCommands::imgBtnSave_MouseUp(Qt::MouseButton) {
  SaveLayout(session_, *objects_, [this]() { SetNeutralState(); });
}

void LayoutCommands::fraToolbar_Click() { BackUpLayout(session_); }

void LayoutCommands::SetNeutralState() {
  if (auto* order = window_.findChild<QCheckBox*>(QStringLiteral("chkOrder"))) {
    order->setCheckState(Qt::Unchecked);
  }
  if (auto* none = window_.findChild<QRadioButton*>(QStringLiteral("optMove_0"))) {
    none->setChecked(true);
  }
  panel_.viewport()->unsetCursor();
}

}  // namespace kv
