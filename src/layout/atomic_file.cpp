#include "layout/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kv {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  const QFileInfo info(path);
  // A file without any write permission was marked read-only by its owner: refuse it even
  // where the system would let us (root writes anything).
  // (WriteUser is left out: it tells what the current user may do, not how the file is marked.)
  const auto writeBits =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  if (info.exists() && (!info.isWritable() || !(info.permissions() & writeBits))) {
    if (error) *error = QStringLiteral("%1 is read-only").arg(path);
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    return false;
  }
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    file.cancelWriting();
    return false;
  }
  return true;
}

bool TouchFile(const QString& path) {
  if (QFileInfo::exists(path)) return true;
  QFile file(path);
  return file.open(QIODevice::WriteOnly);
}

bool ReadWholeFile(const QString& path, QByteArray* bytes) {
  // A plain file only: opening a named pipe waits for a writer for ever, and a device may
  // never end.
  if (!QFileInfo(path).isFile()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  *bytes = file.readAll();
  return true;
}

}  // namespace kv
