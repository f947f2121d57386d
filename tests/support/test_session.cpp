#include "support/test_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kv::test {

namespace {
QString MakeFolder(QTemporaryDir& dir) {
  QDir(dir.path()).mkpath(QStringLiteral("data/sundries"));
  return dir.path();
}
}  // namespace

TestSession::TestSession()
    : session(ProgramFolder(MakeFolder(dir)), dialogs, scheduler) {}

QString TestSession::Path(const QString& stored) const { return session.folder.Resolve(stored); }

QByteArray TestSession::Read(const QString& stored) const {
  QFile file(Path(stored));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void TestSession::Write(const QString& stored, const QByteArray& bytes) const {
  const QString path = session.folder.ResolveForWrite(stored);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
  file.write(bytes);
}

bool TestSession::Exists(const QString& stored) const { return QFileInfo::exists(Path(stored)); }

QStringList Titles(const ScriptedDialogs& dialogs) {
  QStringList titles;
  for (const DialogRecord& r : dialogs.Transcript()) titles << r.title;
  return titles;
}

}  // namespace kv::test
