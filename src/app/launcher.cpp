#include "app/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace kv {

bool DesktopLauncher::StartProgram(const QString& program, qint64* pid) {
  return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath(), pid);
}

bool DesktopLauncher::OpenFolder(const QString& folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace kv
