#pragma once

#include <QStringList>
#include <memory>

namespace kv {

class HelpOpener;
class MainWindow;
class PresetFileDialogs;
class QtDialogs;
class RealScheduler;
class Session;
class StartWindow;

// One run of the program with real dialogs and real time: the start window, then the main one.
class Application {
 public:
  // `arguments` as QCoreApplication gives them: --program-folder DIR names the program folder;
  // --dcc-port DEVICE numbers DEVICE first among the serial ports (an interface simulator's
  // pseudo-terminal, which the system does not list).
  // --operate FILE starts in Operate mode with the project file FILE as the load dialog's answer.
  explicit Application(const QStringList& arguments);
  ~Application();

  // Shows the start window (asking for the control system first when none is stored).
  // False when the program ended already.
  bool Start();
  Session& session() { return *session_; }
  MainWindow* mainWindow() const { return main_.get(); }
  HelpOpener& help() { return *help_; }

 private:
  MainWindow* OpenMainWindow();

  std::unique_ptr<QtDialogs> dialogs_;
  std::unique_ptr<PresetFileDialogs> preset_;
  std::unique_ptr<RealScheduler> scheduler_;
  QString dccPort_;
  QString operateFile_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<HelpOpener> help_;
  std::unique_ptr<StartWindow> start_;
  std::unique_ptr<MainWindow> main_;
};

// The value of --program-folder, or "" when not given.
QString ProgramFolderOption(const QStringList& arguments);
// The value of --dcc-port, or "" when not given.
QString DccPortOption(const QStringList& arguments);
// The project file of --operate as an absolute path, or "" when not given.
QString OperateOption(const QStringList& arguments);

}  // namespace kv
