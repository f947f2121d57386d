#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace kv {

// path.txt: the recorded routes, four records each, every record one quoted text: the title
// ("A to B ", with its trailing space), then the track units, the points and the signal coils,
// each line its heading followed by items that each end in a comma ("line track units are
// 3,4,5,"). A line may also hold its heading alone, or nothing. The routes stand in the order
// of their titles; a new one is inserted where that order puts it.

inline constexpr int kMaxPaths = 255;  // the menu's entries are numbered by a byte
inline constexpr int kHeadingLength = 21;

inline QString TrackHeading() {
  return QStringLiteral("line track units are ");
}
inline QString PointsHeading() {
  return QStringLiteral("points solenoids are ");
}
inline QString SignalHeading() {
  return QStringLiteral("signal solenoids are ");
}

struct PathRecord {
  QString title;
  QString tracks;
  QString points;
  QString signalCoils;
  bool operator==(const PathRecord&) const = default;
};

// How reading path.txt ended. The routes before a bad record are kept.
struct PathFileOutcome {
  bool stopped = false;  // a record could not be read, or the file could not be opened
  int line = 0;          // the line where the bad route starts; 0 when the file did not open
  QString reason;        // what is wrong, naming the line when it is not the first
};

// Reads the routes of `path`; a missing file holds none. A line that is not one text between
// double quotes, a route line that does not begin with its heading, an empty title, a route
// cut short by the end of the file, and a 256th route each end the reading.
PathFileOutcome ReadPathFile(const QString& path, QList<PathRecord>* records);
// The same reading of bytes already in memory.
PathFileOutcome ParsePathFile(const QByteArray& bytes, QList<PathRecord>* records);

// The file's bytes; false (and *error says why) when a text cannot be stored.
bool ComposePathFile(const QList<PathRecord>& records, QByteArray* bytes, QString* error);
// Rewrites the whole file at once.
bool WritePathFile(const QString& path, const QList<PathRecord>& records, QString* error);

// path.txt's bytes with the units of every route's track line renumbered: `renumber` gives an
// item's unit its new number, or 0 when the item goes (with its comma). An item is the unit
// number a route sets, so it is the one whose leading digits the routes read; every other byte
// of the file (titles, points, signals, line ends, text after the last comma) stays as it was.
QByteArray RenumberPathTracks(const QByteArray& bytes, const std::function<int(int)>& renumber);

// Where a route titled `title` goes: after every title that sorts before it, letters compared
// without regard to case, as a sorted list shows them.
int SortedPosition(const QList<PathRecord>& records, const QString& title);

}  // namespace kv
