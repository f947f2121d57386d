#include "layout/layout_folders.h"

#include <QDir>
#include <QFileInfo>

#include "layout/atomic_file.h"

namespace kv {

namespace {
const QString kTxt = QStringLiteral(".txt");

QString InFolder(const QString& folder, const QString& name) {
  return ResolveIgnoringCase(folder, {name});
}
}  // namespace

QString TakeLayoutName(const QString& projectFile) {
  const qsizetype slash =
      qMax(projectFile.lastIndexOf(QLatin1Char('/')), projectFile.lastIndexOf(QLatin1Char('\\')));
  const QString fileName = projectFile.mid(slash + 1).left(kMaxLayoutName + kTxt.size());
  return fileName.left(qMax<qsizetype>(0, fileName.size() - kTxt.size()));
}

bool LiesInProgramFolder(const ProgramFolder& folder, const QString& path) {
  // Compare real paths, so a link into the folder counts as inside it.
  auto real = [](const QString& p) {
    const QString canonical = QFileInfo(p).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(p).absoluteFilePath()) : canonical;
  };
  const QString root = real(folder.Root());
  const QString file = real(path);
  return file.startsWith(root + QLatin1Char('/'));
}

void SetObjectFilePaths(LayoutModel& m) {
  const QString folder = QFileInfo(m.ProjectFile).absolutePath();
  m.LayoutFolder = ResolveIgnoringCase(
      folder, {QStringLiteral("Data"), QStringLiteral("Layout Folders"), m.LayoutName});
  m.PathFile = InFolder(m.LayoutFolder, QStringLiteral("path.txt"));
  m.TrackFile = InFolder(m.LayoutFolder, QStringLiteral("track.txt"));
  m.LabelFile = InFolder(m.LayoutFolder, QStringLiteral("label.txt"));
  m.LocoFile = InFolder(m.LayoutFolder, QStringLiteral("loco.txt"));
  m.SensorFile = InFolder(m.LayoutFolder, QStringLiteral("sensor.txt"));
  m.ImageFile = InFolder(m.LayoutFolder, QStringLiteral("image.txt"));
  m.SignalFile = InFolder(m.LayoutFolder, QStringLiteral("signal.txt"));
  m.CoilNoFile = InFolder(m.LayoutFolder, QStringLiteral("coilno.txt"));
  m.FunctionFile = InFolder(m.LayoutFolder, QStringLiteral("function.txt"));
  m.GaugeFile = InFolder(m.LayoutFolder, QStringLiteral("gauge.txt"));
}

namespace {
QString LayoutFoldersOf(const ProgramFolder& folder) {
  return ResolveIgnoringCase(folder.Root(),
                             {QStringLiteral("Data"), QStringLiteral("Layout Folders")});
}
}  // namespace

LayoutNameProblem CheckLayoutName(const ProgramFolder& folder, const QString& name,
                                  QChar* badCharacter) {
  static const QString kForbidden = QStringLiteral("\\/:*?\"<>|");
  for (const QChar c : name) {
    if (kForbidden.contains(c) || c.unicode() < 0x20) {
      if (badCharacter) *badCharacter = c;
      return LayoutNameProblem::kBadCharacter;
    }
  }
  if (name.size() > kMaxLayoutName) return LayoutNameProblem::kTooLong;
  const QString bare = QString(name).remove(QLatin1Char('.')).trimmed();
  if (bare.isEmpty() || name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) {
    return LayoutNameProblem::kBadEnd;
  }
  if (QFileInfo::exists(InFolder(folder.Root(), name + kTxt)) ||
      QFileInfo::exists(InFolder(LayoutFoldersOf(folder), name))) {
    return LayoutNameProblem::kTaken;
  }
  return LayoutNameProblem::kNone;
}

bool CreateLayoutFolder(const ProgramFolder& folder, LayoutModel& m, QString* error) {
  const QString projectFile = folder.Root() + QLatin1Char('/') + m.LayoutName + kTxt;
  QFile project(projectFile);
  if (!project.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("%1: %2").arg(projectFile, project.errorString());
    return false;
  }
  project.close();
  m.LayoutFolder = InFolder(LayoutFoldersOf(folder), m.LayoutName);
  if (!QDir().mkpath(m.LayoutFolder)) {
    if (error) *error = QStringLiteral("the folder %1 cannot be created").arg(m.LayoutFolder);
    project.remove();  // no half-made layout is left behind
    return false;
  }
  return true;
}

bool CreateObjectFiles(LayoutModel& m, QString* error) {
  QString LayoutModel::*const paths[] = {&LayoutModel::SensorFile, &LayoutModel::SignalFile,
                                         &LayoutModel::ImageFile,  &LayoutModel::LabelFile,
                                         &LayoutModel::LocoFile,   &LayoutModel::TrackFile,
                                         &LayoutModel::GaugeFile,  &LayoutModel::PathFile};
  const char* names[] = {"sensor.txt", "signal.txt", "image.txt", "label.txt",
                         "loco.txt",   "track.txt",  "gauge.txt", "path.txt"};
  for (int k = 0; k < 8; ++k) {
    QString& path = m.*paths[k];
    path = InFolder(m.LayoutFolder, QLatin1String(names[k]));
    if (!WriteFileAtomically(path, QByteArray(), error)) return false;
  }
  m.CoilNoFile.clear();
  m.FunctionFile.clear();
  return true;
}

QStringList BackedUpFiles() {
  return {QStringLiteral("image.txt"),  QStringLiteral("signal.txt"), QStringLiteral("sensor.txt"),
          QStringLiteral("label.txt"),  QStringLiteral("track.txt"),  QStringLiteral("path.txt")};
}

QStringList BackUpObjectFiles(const QString& layoutFolder) {
  QStringList failures;
  for (const QString& name : BackedUpFiles()) {
    const QString source = InFolder(layoutFolder, name);
    const QString copy = InFolder(layoutFolder, QStringLiteral("copy of ") + name);
    QByteArray bytes;
    QString reason;
    if (!QFileInfo::exists(source)) {
      reason = QStringLiteral("%1 does not exist").arg(source);
    } else if (!ReadWholeFile(source, &bytes)) {
      reason = QStringLiteral("%1 cannot be read").arg(source);
    } else {
      WriteFileAtomically(copy, bytes, &reason);
    }
    if (!reason.isEmpty()) failures << reason;
  }
  return failures;
}

}  // namespace kv
