#include "layout/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

namespace {
QString Clean(const QString& path) {
  QString p = QDir::cleanPath(QDir::fromNativeSeparators(path));
  if (p.size() > 1 && p.endsWith(QLatin1Char('/'))) p.chop(1);
  return p;
}

// The entry of `dir` whose name equals `name` ignoring case; an exact match wins.
QString MatchEntry(const QString& dir, const QString& name) {
  if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
  const QStringList entries =
      QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return {};
}
}  // namespace

QStringList SplitStoredPath(const QString& stored) {
  QString s = stored;
  s.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return s.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString ResolveIgnoringCase(const QString& base, const QStringList& names) {
  QString path = Clean(base);
  bool onDisk = QFileInfo(path).isDir();
  for (const QString& name : names) {
    if (name == QLatin1String(".")) continue;
    QString actual = name;
    if (onDisk) {
      const QString match = MatchEntry(path, name);
      if (match.isEmpty()) {
        onDisk = false;
      } else {
        actual = match;
      }
    }
    path += QLatin1Char('/') + actual;
    if (onDisk) onDisk = QFileInfo(path).isDir();
  }
  return path;
}

ProgramFolder::ProgramFolder(const QString& root) : root_(Clean(QDir(root).absolutePath())) {}

QString ProgramFolder::Resolve(const QString& stored) const {
  return ResolveIgnoringCase(root_, SplitStoredPath(stored));
}

QString ProgramFolder::ResolveForWrite(const QString& stored, QString* error) const {
  const QStringList names = SplitStoredPath(stored);
  if (names.isEmpty()) return root_;
  const QString folder = ResolveIgnoringCase(root_, names.mid(0, names.size() - 1));
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("the folder %1 cannot be created").arg(folder);
    return {};
  }
  return ResolveIgnoringCase(folder, {names.last()});
}

namespace {
bool HasDataFolder(const QString& dir) {
  return !MatchEntry(dir, QStringLiteral("data")).isEmpty();
}

void CopyTree(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
    if (QFileInfo::exists(target)) continue;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(source, target);
    QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
  }
}
}  // namespace

QString ChooseProgramFolder(const QString& executableDir, const QString& option) {
  if (!option.isEmpty()) return Clean(QDir(option).absolutePath());
  if (HasDataFolder(executableDir)) return Clean(executableDir);
  const QString installed = Clean(executableDir + QStringLiteral("/../share/kelvarne"));
  const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!perUser.isEmpty() && HasDataFolder(installed)) {
    CopyTree(installed, perUser);
    return Clean(perUser);
  }
  return Clean(executableDir);
}

}  // namespace kv
