#include "layout/picture_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "layout/atomic_file.h"

namespace kv {

namespace {

constexpr Qt::CaseSensitivity kFileNameCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

// The canonical path when the file exists (links followed), else the cleaned absolute one.
QString Real(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool SameContent(const QString& a, const QString& b) {
  QByteArray left, right;
  return ReadWholeFile(a, &left) && ReadWholeFile(b, &right) && left == right;
}

// The first free name for `file` in `dir`, or the name of a file there that holds the same.
QString FreeName(const QString& dir, const QString& file) {
  const QFileInfo source(file);
  const QString base = source.completeBaseName();
  const QString suffix = source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
  for (int n = 1;; ++n) {
    const QString name =
        n == 1 ? source.fileName() : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
    const QString target = dir + QLatin1Char('/') + name;
    if (!QFileInfo::exists(target) || SameContent(file, target)) return name;
  }
}

}  // namespace

QString StoredPicturePath(const ProgramFolder& folder, const QString& file) {
  const QString root = Real(folder.Root());
  const QString path = Real(file);
  if (!path.startsWith(root + QLatin1Char('/'), kFileNameCase)) return {};
  QString stored = path.mid(root.size());
  stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
  return stored;
}

QString PicturesFolderStored() {
  return QStringLiteral("\\data\\pictures");
}

QString PicturesFolder(const ProgramFolder& folder) {
  const QString pictures = folder.Resolve(PicturesFolderStored());
  QDir().mkpath(pictures);
  return pictures;
}

QString PictureCopyName(const ProgramFolder& folder, const QString& file) {
  return FreeName(folder.Resolve(PicturesFolderStored()), file);
}

QString CopyIntoPictures(const ProgramFolder& folder, const QString& file, QString* error) {
  const QString pictures = PicturesFolder(folder);
  const QString target = pictures + QLatin1Char('/') + FreeName(pictures, file);
  if (QFileInfo::exists(target)) return target;  // the same picture is there already
  QByteArray bytes;
  if (!ReadWholeFile(file, &bytes)) {
    if (error) *error = QStringLiteral("it cannot be read");
    return {};
  }
  if (!WriteFileAtomically(target, bytes, error)) return {};
  return target;
}

}  // namespace kv
