#pragma once

#include <QFile>
#include <QList>
#include <QStringList>

namespace kv::bench {

// The positive number after `name` on the command line, else `fallback`.
inline int Option(const QStringList& args, const QString& name, int fallback) {
  const int i = args.indexOf(name);
  bool ok = false;
  const int value = i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt(&ok) : 0;
  return ok && value > 0 ? value : fallback;
}

// The process's resident memory in MB (0 where /proc is not there).
inline double ResidentMb() {
  QFile statm("/proc/self/statm");
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields.at(1).toDouble() * 4096.0 / (1024.0 * 1024.0) : 0;
}

}  // namespace kv::bench
