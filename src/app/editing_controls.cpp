#include "app/editing_controls.h"

#include <QKeySequence>
#include <QShortcut>

#include "app/layout_commands.h"
#include "app/main_window.h"
#include "base/session.h"
#include "hardware/ui/board_host.h"
#include "operation/sensors.h"
#include "panel/label_maker.h"
#include "panel/object_creation.h"
#include "panel/panel_area.h"
#include "panel/panel_editor.h"
#include "panel/panel_toolbars.h"

namespace kv {

namespace {
QShortcut* Key(const QKeySequence& keys, const QString& name, QWidget* window) {
  auto* key = new QShortcut(keys, window);
  key->setObjectName(name);
  return key;
}
}  // namespace

EditingControls::EditingControls(MainWindow& window) : QObject(&window) {
  Session& session = window.session();
  editor_ = new PanelEditor(session, window.panelArea(), window, this);
  creation_ = new ObjectCreation(session, window.panelArea(), *editor_, window, this);
  sensors_ = new Sensors(session, window.picScreen(), this);

  LayoutCommands& commands = window.layoutCommands();
  commands.SetEditor(editor_);
  connect(editor_, &PanelEditor::countChanged, this, [&commands, &session](PanelObject kind) {
    if (kind == PanelObject::kTrackNumber)
      commands.ShowNextTrackNumber(session.model.TrackCount + 1);
  });
  PanelToolbars& toolbars = window.panelToolbars();
  toolbars.labels().created = [this](int i) { editor_->Created(PanelObject::kLabel, i); };
  connect(editor_, &PanelEditor::kindDeleted, this,
          [&toolbars](PanelObject kind) { toolbars.ShowCountAfterDeletion(kind); });
  connect(&window.board(), &BoardHost::digitalInputs, sensors_, &Sensors::BoardInputs);

  connect(Key(QKeySequence(Qt::CTRL | Qt::Key_Z), QStringLiteral("keyUndo"), &window),
          &QShortcut::activated, editor_, &PanelEditor::Undo);
  connect(Key(QKeySequence(Qt::CTRL | Qt::Key_Y), QStringLiteral("keyRedo"), &window),
          &QShortcut::activated, editor_, &PanelEditor::Redo);
}

EditingControls::~EditingControls() = default;

}  // namespace kv
