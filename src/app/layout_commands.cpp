#include "app/layout_commands.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include "base/save_layout.h"
#include "base/session.h"
#include "layout/atomic_file.h"
#include "layout/object_readers.h"
#include "layout/record_codec.h"
#include "panel/gauge_selector.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_editor.h"
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
    if (gauge >= bar->minimum() && gauge <= bar->maximum()) {
      const bool blocked = bar->blockSignals(true);
      bar->setValue(gauge);
      bar->blockSignals(blocked);
    }
  }
  if (auto* selector = window_.findChild<GaugeSelector*>(QStringLiteral("fraGauge"))) {
    selector->ShowGauge(gauge);
  }
  panel_.SetTemplateGauge(gauge);
  if (auto* track = window_.findChild<QWidget*>(QStringLiteral("imgBtnTrk"))) {
    track->setToolTip(texts::GaugeTip(gauge));
  }
  // A new layout's creation toolbar names the gauge in its caption: it names the one in use.
  auto* create = window_.findChild<QGroupBox*>(QStringLiteral("fraToolbar_1"));
  if (create && create->title().startsWith(texts::CreateCaption(0).chopped(1))) {
    create->setTitle(texts::CreateCaption(gauge));
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

void LayoutCommands::vsbGauge_Change(int gauge) {
  LayoutModel& m = session_.model;
  m.CurGauge = static_cast<std::uint8_t>(gauge);
  m.TrackGauge[0] = m.CurGauge;
  ShowCurGauge();
  SaveGauge();
}

void LayoutCommands::SaveGauge() {
  const LayoutModel& m = session_.model;
  const QString root = session_.folder.Root() + QLatin1Char('/');
  if (m.GaugeFile.isEmpty() || !m.GaugeFile.startsWith(root)) return;
  WriteFileAtomically(m.GaugeFile, RecordWriter().Int(m.CurGauge).Line());
}

void LayoutCommands::Connect() {
  if (auto* bar = window_.findChild<QScrollBar*>(QStringLiteral("vsbGauge"))) {
    connect(bar, &QScrollBar::valueChanged, this, &LayoutCommands::vsbGauge_Change,
            Qt::UniqueConnection);
  }
  if (auto* save = window_.findChild<ImageButton*>(QStringLiteral("imgBtnSave"))) {
    connect(save, &ImageButton::mouseUp, this, &LayoutCommands::imgBtnSave_MouseUp,
            Qt::UniqueConnection);
  }
}

void LayoutCommands::imgBtnSave_MouseUp(Qt::MouseButton) {
  const bool saved = SaveLayout(session_, *objects_, [this]() { SetNeutralState(); });
  // Undo goes back as far as the last save.
  if (saved && editor_) editor_->History().Clear();
}

void LayoutCommands::fraToolbar_Click() { BackUpLayout(session_); }

void LayoutCommands::SetNeutralState() {
  if (auto* order = window_.findChild<QCheckBox*>(QStringLiteral("chkOrder"))) {
    order->setCheckState(Qt::Unchecked);
  }
  if (auto* none = window_.findChild<QRadioButton*>(QStringLiteral("optMove_0"))) {
    none->setChecked(true);
  }
  if (editor_) editor_->ResetMoveMode();
  panel_.viewport()->unsetCursor();
}

}  // namespace kv
