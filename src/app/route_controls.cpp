#include "app/route_controls.h"

#include <QKeySequence>
#include <QShortcut>

#include "app/editing_controls.h"
#include "app/info_toolbar.h"
#include "app/main_window.h"
#include "app/operation_controls.h"
#include "app/route_menu.h"
#include "base/session.h"
#include "hardware/ui/board_host.h"
#include "operation/number_display.h"
#include "operation/route_recorder.h"
#include "operation/routes.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_editor.h"

namespace kv {

RouteControls::RouteControls(MainWindow& window) : QObject(&window) {
  Session& session = window.session();
  OperationControls& operation = window.operation();
  Panel& panel = window.picScreen();
  routes_ = new Routes(session, panel, operation.firing(), window.board().relayStack(),
                       operation.signalOperation(), this);
  recorder_ = new RouteRecorder(session, panel, *routes_, this);
  menu_ = new RouteMenu(window.menuBar(), *routes_, this);
  NumberDisplay& numbers = operation.numbers();
  recorder_->SetHooks({[&window](const QString& prompt) { window.setWindowTitle(prompt); },
                       [&window]() { window.UpdateCaption(); },
                       [this](const QString& record) { menu_->ShowPathRecord(record); },
                       [&numbers]() { numbers.TogglePointsNumbers(); },
                       [&numbers]() { numbers.RefreshTrackNumbers(); },
                       [&window]() { window.ShowModeToolbars(); },
                       [&window]() { window.info().sounds().Play(kRouteFiledSound); }});

  PanelEditor& editor = window.editing().editor();
  editor.routeClick = [this, &editor](PanelObject kind, int index, Qt::MouseButton button) {
    return recorder_->ModifyClick(kind, index, button, editor.Move().MoveMode != kMoveNone);
  };
  // Deleted track units renumber the routes' units in path.txt; the menu follows the file.
  editor.routeFile = {[this]() { return routes_->ReadWhole(); },
                      [this]() { routes_->LoadPaths(); }};
  connect(&panel, &Panel::objectDoubleClick, recorder_, &RouteRecorder::DoubleClick);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
  escape->setObjectName(QStringLiteral("keyEscape"));
  connect(escape, &QShortcut::activated, recorder_, &RouteRecorder::Abandon);
  // The mode picture leaves the recording behind.
  for (const char* name : {"imgBtnTog_1", "imgBtnTog_2"}) {
    if (auto* mode = window.findChild<ImageButton*>(QLatin1String(name))) {
      connect(mode, &ImageButton::mouseDown, recorder_, &RouteRecorder::Abandon);
    }
  }
  // So do the dustbin, undo and redo: track units renumbered under a recording would leave its
  // numbers naming other units.
  if (auto* trash = window.findChild<ImageButton*>(QStringLiteral("imgBtnTrash"))) {
    connect(trash, &ImageButton::mouseDown, recorder_, &RouteRecorder::Abandon);
  }
  for (const char* name : {"keyUndo", "keyRedo"}) {
    if (auto* key = window.findChild<QShortcut*>(QLatin1String(name))) {
      connect(key, &QShortcut::activated, recorder_, &RouteRecorder::Abandon);
    }
  }
}

RouteControls::~RouteControls() = default;

}  // namespace kv
