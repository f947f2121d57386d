#include "support/layout_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include "layout/layout_folders.h"

namespace kv::test {

void UseLayout(TestSession& t, const QString& name) {
  const QString project = QStringLiteral("\\") + name + QStringLiteral(".txt");
  t.Write(project, QByteArray());
  LayoutModel& m = t.session.model;
  m.ProjectFile = t.Path(project);
  m.LayoutName = name;
  QDir().mkpath(t.Path(QStringLiteral("\\Data\\Layout Folders\\") + name));
  SetObjectFilePaths(m);
}

QString LayoutPath(const TestSession& t, const QString& file) {
  return t.session.model.LayoutFolder + QLatin1Char('/') + file;
}

void WriteLayoutFile(const TestSession& t, const QString& file, const QByteArray& bytes) {
  QFile out(LayoutPath(t, file));
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(file));
  out.write(bytes);
}

QByteArray ReadLayoutFile(const TestSession& t, const QString& file) {
  QFile in(LayoutPath(t, file));
  if (!in.open(QIODevice::ReadOnly)) return QByteArrayLiteral("<missing>");
  return in.readAll();
}

void WriteBitmap(const TestSession& t, const QString& stored) {
  QImage image(8, 6, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  const QString path = t.session.folder.ResolveForWrite(stored);
  if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
}

}  // namespace kv::test
