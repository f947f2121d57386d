#include "app/application.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/help_opener.h"
#include "app/info_toolbar.h"
#include "app/main_window.h"
#include "app/preset_dialogs.h"
#include "app/qt_dialogs.h"
#include "app/start_window.h"
#include "base/session.h"
#include "hardware/dcc_link.h"

namespace kv {

namespace {
// The value of "--name VALUE" or "--name=VALUE"; "" when not given.
QString OptionValue(const QStringList& arguments, const QString& name) {
  const QString joined = name + QLatin1Char('=');
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments.at(i);
    if (a == name && i + 1 < arguments.size()) return arguments.at(i + 1);
    if (a.startsWith(joined)) return a.mid(joined.size());
  }
  return {};
}
}  // namespace

QString ProgramFolderOption(const QStringList& arguments) {
  return OptionValue(arguments, QStringLiteral("--program-folder"));
}

QString DccPortOption(const QStringList& arguments) {
  return OptionValue(arguments, QStringLiteral("--dcc-port"));
}

QString OperateOption(const QStringList& arguments) {
  const QString file = OptionValue(arguments, QStringLiteral("--operate"));
  return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}

Application::Application(const QStringList& arguments)
    : dialogs_(std::make_unique<QtDialogs>()),
      preset_(std::make_unique<PresetFileDialogs>(*dialogs_)),
      scheduler_(std::make_unique<RealScheduler>()),
      dccPort_(DccPortOption(arguments)),
      operateFile_(OperateOption(arguments)) {
  const QString exeDir = QCoreApplication::applicationDirPath();
  session_ = std::make_unique<Session>(
      ProgramFolder(ChooseProgramFolder(exeDir, ProgramFolderOption(arguments))), *preset_,
      *scheduler_);
  session_->SetEndHandler([this]() {
    if (start_) start_->hide();
    if (main_) main_->hide();
    // Leave the event loop once the handler that ended the program has returned.
    QTimer::singleShot(0, qApp, []() { QCoreApplication::exit(0); });
  });
  help_ = std::make_unique<HelpOpener>(session_->folder);
  start_ = std::make_unique<StartWindow>(*session_, [this]() { return OpenMainWindow(); });
  QObject::connect(start_.get(), &StartWindow::helpRequested, help_.get(), &HelpOpener::Open);
}

Application::~Application() = default;

bool Application::Start() {
  start_->Load();
  if (session_->Ended()) return false;
  if (!operateFile_.isEmpty()) {
    // As if Operate were clicked and the project file picked in the load dialog.
    preset_->PresetNextFile(operateFile_);
    QTimer::singleShot(0, start_.get(), [this]() { start_->cmdSelect_MouseUp(2, Qt::LeftButton); });
    return true;
  }
  // The start window opens in the middle of the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    start_->move(area.center() - QPoint(start_->width() / 2, start_->height() / 2));
  }
  start_->show();
  return true;
}

MainWindow* Application::OpenMainWindow() {
  main_ = std::make_unique<MainWindow>(*session_);
  QObject::connect(&main_->info(), &InfoToolbar::helpRequested, help_.get(), &HelpOpener::Open);
  if (!dccPort_.isEmpty()) {
    main_->dccLink().SetPorts(std::make_unique<SystemDccPorts>(QStringList{dccPort_}));
  }
  main_->Load();
  if (session_->Ended()) return nullptr;
  main_->showMaximized();
  return main_.get();
}

}  // namespace kv
