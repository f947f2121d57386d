#include "hardware/ui/board_host.h"

#include <QShortcut>
#include <QWidget>

#include "base/session.h"
#include "hardware/board_library.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_window.h"
#include "hardware/ui/board_window_texts.h"

namespace kv {

BoardHost::BoardHost(Session& session, QWidget* mainWindow, std::unique_ptr<BoardLibrary> library)
    : QObject(nullptr),
      session_(session),
      mainWindow_(mainWindow),
      library_(std::move(library)),
      relay_(std::make_unique<RelayStack>(session, *library_)) {
  showKey_ = new QShortcut(QKeySequence(texts::BoardWindowKey()), mainWindow);
  showKey_->setObjectName(QStringLiteral("keyBoardWindow"));
  connect(showKey_, &QShortcut::activated, this, &BoardHost::ShowBoardWindow);
}

BoardHost::~BoardHost() {
  relay_.reset();
  window_.reset();
  library_.reset();
}

void BoardHost::LoadBoardWindow() {
  if (window_) return;
  window_ = std::make_unique<BoardWindow>(session_, *library_, mainWindow_, relay_.get());
  connect(window_.get(), &BoardWindow::digitalInputsRead, this, &BoardHost::digitalInputs);
}

void BoardHost::ShowBoardWindow() {
  if (!window_) {
    session_.dialogs.Beep();
    return;
  }
  if (!placed_) {
    // The first time over the middle of the main window; after that where the user left it.
    window_->adjustSize();
    const QPoint middle = mainWindow_->geometry().center();
    window_->move(middle - QPoint(window_->width() / 2, window_->height() / 2));
    placed_ = true;
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace kv
