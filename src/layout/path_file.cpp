#include "layout/path_file.h"

#include <QFileInfo>
#include <algorithm>

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

// One track line with its items renumbered; the bytes between the quotes are Windows-1252, so
// digits and commas are single bytes.
QByteArray RenumberTrackLine(const QByteArray& line, const std::function<int(int)>& renumber) {
  const qsizetype open = line.indexOf('"');
  const qsizetype close = line.lastIndexOf('"');
  const qsizetype from = open + 1 + kHeadingLength;
  if (open < 0 || close <= from) return line;
  const QList<QByteArray> pieces = line.mid(from, close - from).split(',');
  QByteArray items;
  for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
    QByteArray item = pieces.at(i);
    // The reading trims what Windows-1252 holds as spaces: tab to CR, blank, no-break space.
    qsizetype start = 0;
    while (start < item.size() &&
           (item.at(start) == ' ' || (item.at(start) >= '\t' && item.at(start) <= '\r') ||
            static_cast<unsigned char>(item.at(start)) == 0xA0)) {
      ++start;
    }
    qsizetype end = start;
    while (end < item.size() && item.at(end) >= '0' && item.at(end) <= '9') ++end;
    bool ok = false;
    const int unit = item.mid(start, end - start).toInt(&ok);
    if (ok && unit > 0) {
      const int to = renumber(unit);
      if (to == 0) continue;
      if (to != unit) item.replace(start, end - start, QByteArray::number(to));
    }
    items += item + ',';
  }
  return line.left(from) + items + pieces.last() + line.mid(close);
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
  return ParsePathFile(bytes, records);
}

PathFileOutcome ParsePathFile(const QByteArray& bytes, QList<PathRecord>* records) {
  records->clear();
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

QByteArray RenumberPathTracks(const QByteArray& bytes, const std::function<int(int)>& renumber) {
  QByteArray out;
  int record = 0;  // blank lines are no records, as the reading passes them over
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = start;
    while (end < bytes.size() && bytes.at(end) != '\r' && bytes.at(end) != '\n') ++end;
    const QByteArray line = bytes.mid(start, end - start);
    const bool blank =
        std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
    out += !blank && record++ % 4 == 1 ? RenumberTrackLine(line, renumber) : line;
    qsizetype next = end;
    if (next < bytes.size()) next += bytes.mid(next, 2) == "\r\n" ? 2 : 1;
    out += bytes.mid(end, next - end);
    start = next;
  }
  return out;
}

int SortedPosition(const QList<PathRecord>& records, const QString& title) {
  int before = 0;
  for (const PathRecord& r : records) {
    if (QString::compare(r.title, title, Qt::CaseInsensitive) < 0) ++before;
  }
  return before;
}

}  // namespace kv
