#include "hardware/port_access.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace kv {

bool AccessDenied(const QString& device) {
#ifdef Q_OS_UNIX
  if (device.isEmpty()) return false;
  // access() weighs groups and access lists (the seat's uaccess) as open() would.
  const QByteArray path = QFile::encodeName(device);
  return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
#else
  Q_UNUSED(device)
  return false;
#endif
}

QString DeviceGroup(const QString& device) {
#ifdef Q_OS_UNIX
  // Only a device's own group is worth joining; an ordinary file's is its creator's.
  struct stat info {};
  if (::stat(QFile::encodeName(device).constData(), &info) == 0 && S_ISCHR(info.st_mode)) {
    const QString group = QFileInfo(device).group();
    if (!group.isEmpty() && group != QLatin1String("root")) return group;
  }
#endif
  return QStringLiteral("dialout");
}

}  // namespace kv
