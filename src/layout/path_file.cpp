#include "layout/path_file.h"

#include <QFileInfo>

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

namespace {

// The heading a route's line k (1 to 3) begins with.
QString HeadingOf(int k) {
  switch (k) {
    case 1:
      return TrackHeading();
    case 2:
      return PointsHeading();
    default:
      return SignalHeading();
  }
}

QString* LineOf(PathRecord& record, int k) {
  switch (k) {
    case 0:
      return &record.title;
    case 1:
      return &record.tracks;
    case 2:
      return &record.points;
    default:
      return &record.signalCoils;
  }
}

PathFileOutcome Stop(int line, const QString& reason) {
  return {true, line, reason};
}

}  // namespace

PathFileOutcome ReadPathFile(const QString& path, QList<PathRecord>* records) {
  records->clear();
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes)) {
    if (!QFileInfo::exists(path)) return {};
    return Stop(0, QStringLiteral("the file cannot be opened"));
  }
  RecordReader reader(bytes);
  PathRecord record;
  int k = 0;        // the line of the route being read, 0 to 3
  int titleAt = 0;  // the file's line where that route starts
  while (reader.Next()) {
    if (k == 0) titleAt = reader.LineNumber();
    QString text;
    if (!reader.Str(&text) || !reader.AtRecordEnd()) {
      return Stop(
          titleAt,
          QStringLiteral("line %1 is not one text between double quotes").arg(reader.LineNumber()));
    }
    if (k == 0) {
      if (records->size() == kMaxPaths) {
        return Stop(titleAt, QStringLiteral("a layout has at most 255 routes"));
      }
      if (text.trimmed().isEmpty()) return Stop(titleAt, QStringLiteral("the route has no title"));
    } else if (!text.isEmpty() && !text.startsWith(HeadingOf(k)) &&
               text != HeadingOf(k).trimmed()) {
      return Stop(titleAt, QStringLiteral("line %1 does not begin \"%2\"")
                               .arg(reader.LineNumber())
                               .arg(HeadingOf(k)));
    }
    *LineOf(record, k) = text;
    if (++k == 4) {
      records->append(record);
      record = {};
      k = 0;
    }
  }
  if (k != 0) {
    return Stop(titleAt, QStringLiteral("the file ends before the route's four lines do"));
  }
  return {};
}

bool ComposePathFile(const QList<PathRecord>& records, QByteArray* bytes, QString* error) {
  bytes->clear();
  for (PathRecord record : records) {
    for (int k = 0; k < 4; ++k) {
      RecordWriter line;
      line.Str(*LineOf(record, k));
      if (!line.Ok()) {
        if (error) *error = QStringLiteral("\"%1\": %2").arg(record.title.trimmed(), line.Error());
        return false;
      }
      *bytes += line.Line();
    }
  }
  return true;
}

bool WritePathFile(const QString& path, const QList<PathRecord>& records, QString* error) {
  QByteArray bytes;
  return ComposePathFile(records, &bytes, error) && WriteFileAtomically(path, bytes, error);
}

int SortedPosition(const QList<PathRecord>& records, const QString& title) {
  int before = 0;
  for (const PathRecord& r : records) {
    if (QString::compare(r.title, title, Qt::CaseInsensitive) < 0) ++before;
  }
  return before;
}

}  // namespace kv
