#include "app/help_opener.h"

#include <QIcon>

#include "help/help_contents.h"
#include "help/help_window.h"

namespace kv {

HelpOpener::HelpOpener(const ProgramFolder& folder, QObject* parent)
    : QObject(parent), folder_(folder) {}

HelpOpener::~HelpOpener() = default;

HelpWindow* HelpOpener::Open() {
  if (!window_) {
    window_ = std::make_unique<HelpWindow>();
    window_->setWindowIcon(QIcon(QStringLiteral(":/resources/kelvarne.svg")));
    window_->Load(folder_.Resolve(QString::fromLatin1(kHelpDocument)));
  } else {
    window_->show();
  }
  window_->raise();
  window_->activateWindow();
  return window_.get();
}

}  // namespace kv
