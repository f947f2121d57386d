#include "layout/object_readers.h"

#include <QFileInfo>
#include <functional>

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

namespace {

// Parses the record at the reader into the tables at index i and places the object. On a
// failure it says why in out.reason and returns false, which ends the reading.
using RecordStep = std::function<bool(RecordReader& reader, int i, ReadOutcome& out)>;

// A file whose reading stopped, or that holds records past the 255th, is kept as it is on disk
// until it is mended.
void KeepIfStopped(LayoutModel& m, const QString& path, const ReadOutcome& out) {
  m.KeptFiles.removeIf([&](const KeptFile& kept) { return kept.path == path; });
  if (out.stopped) {
    m.KeptFiles.append(KeptFile{path, out.line, out.reason});
  } else if (out.notTaken > 0) {
    m.KeptFiles.append(
        KeptFile{path, out.line, QStringLiteral("this and the later records are past the 255th")});
  }
}

// The reading every object file shares: create the file when missing, read record after
// record, stop at the first that fails, take no more than 255, count what was placed.
ReadOutcome ReadRecords(const QString& path, std::uint8_t* count, std::uint8_t* index,
                        const RecordStep& step) {
  ReadOutcome out;
  TouchFile(path);
  *index = 0;
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes)) {
    *count = 0;
    // A file that could not even be created holds nothing; one that exists but cannot be
    // opened holds objects the user must hear about.
    if (QFileInfo::exists(path)) {
      out.stopped = true;
      out.reason = QStringLiteral("the file cannot be opened");
    }
    return out;
  }
  RecordReader reader(bytes);
  int placed = 0;
  while (reader.Next()) {
    if (placed == kMaxObjects) {
      out.line = reader.LineNumber();
      out.notTaken = 1;
      while (reader.Next()) ++out.notTaken;
      break;
    }
    if (!step(reader, placed + 1, out)) {
      out.stopped = true;
      out.line = reader.LineNumber();
      break;
    }
    *index = static_cast<std::uint8_t>(++placed);
  }
  *count = static_cast<std::uint8_t>(placed);
  return out;
}

ReadOutcome ReadObjects(LayoutModel& m, const QString& path, std::uint8_t* count,
                        std::uint8_t* index, const RecordStep& step) {
  if (path.isEmpty()) return {};
  const ReadOutcome out = ReadRecords(path, count, index, step);
  KeepIfStopped(m, path, out);
  return out;
}

bool Fail(ReadOutcome& out, const QString& reason) {
  out.reason = reason;
  return false;
}

}  // namespace

ReadOutcome ReadSensors(LayoutModel& m, ObjectPanel& panel) {
  return ReadObjects(m, m.SensorFile, &m.SensorCount, &m.SensorIdx,
                     [&](RecordReader& r, int i, ReadOutcome& out) {
                       qint32 x = 0;
                       qint32 y = 0;
                       const bool ok = r.Long(&x) && r.Long(&y);
                       m.ObjX[i] = x;
                       m.ObjY[i] = y;
                       if (!ok) {
                         out.quiet = x == 0 && y == 0;
                         return Fail(out, r.Error());
                       }
                       panel.PlaceSensor(i);
                       return true;
                     });
}

ReadOutcome ReadTracks(LayoutModel& m, ObjectPanel& panel) {
  return ReadObjects(m, m.TrackFile, &m.TrackCount, &m.NewTrackIdx,
                     [&](RecordReader& r, int i, ReadOutcome& out) {
                       QString name;
                       qint32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
                       quint8 width = 0;
                       if (!(r.Str(&name) && r.Long(&x1) && r.Long(&y1) && r.Long(&x2) &&
                             r.Long(&y2) && r.Byte(&width))) {
                         return Fail(out, r.Error());
                       }
                       if (width == 0) {
                         return Fail(out, QStringLiteral("a track unit of width 0 cannot be drawn"));
                       }
                       m.TrackName[0] = name;
                       m.ObjX[0] = x1;
                       m.ObjY[0] = y1;
                       m.ObjX2[0] = x2;
                       m.ObjY2[0] = y2;
                       m.TrackGauge[0] = width;
                       m.TrackGauge[i] = width;
                       m.CurGauge = width;
                       QString why;
                       if (!panel.PlaceTrack(i, &why)) return Fail(out, why);
                       return true;
                     });
}

ReadOutcome ReadImages(LayoutModel& m, const ProgramFolder& folder, ObjectPanel& panel) {
  return ReadObjects(m, m.ImageFile, &m.ImageCount, &m.ImageIdx,
                     [&](RecordReader& r, int i, ReadOutcome& out) {
                       QString tip, picture;
                       qint32 x = 0, y = 0;
                       bool onTop = false;
                       if (!(r.Str(&tip) && r.Str(&picture) && r.Long(&x) && r.Long(&y) &&
                             r.Bool(&onTop))) {
                         return Fail(out, r.Error());
                       }
                       m.ImageTip[i] = tip;
                       m.ImagePicture[i] = picture;
                       m.ObjX[i] = x;
                       m.ObjY[i] = y;
                       m.ImageOnTop[i] = onTop;
                       QString why;
                       if (!panel.PlaceImage(i, folder.Resolve(picture), &why)) {
                         out.unplaced << Unplaced{i, r.LineNumber(), why};
                       }
                       return true;
                     });
}

namespace {
// Reads one label field; a bad one leaves `target` empty and lets the next field be read.
template <typename T, typename Read>
void PassOver(RecordReader& r, T* target, Read read) {
  *target = T{};
  if (!(r.*read)(target)) {
    *target = T{};
    r.ClearError();
  }
}
}  // namespace

ReadOutcome ReadLabels(LayoutModel& m, ObjectPanel& panel) {
  return ReadObjects(m, m.LabelFile, &m.LabelCount, &m.LabelIdx,
                     [&](RecordReader& r, int i, ReadOutcome&) {
                       PassOver(r, &m.LabelText[i], &RecordReader::Str);
                       PassOver(r, &m.LabelColour[i], &RecordReader::Long);
                       PassOver(r, &m.LabelBold[i], &RecordReader::Bool);
                       PassOver(r, &m.LabelItalic[i], &RecordReader::Bool);
                       PassOver(r, &m.LabelUnderline[i], &RecordReader::Bool);
                       PassOver(r, &m.LabelFontName[i], &RecordReader::Str);
                       PassOver(r, &m.LabelFontSize[i], &RecordReader::Integer);
                       PassOver(r, &m.ObjX[i], &RecordReader::Long);
                       PassOver(r, &m.ObjY[i], &RecordReader::Long);
                       panel.PlaceLabel(i);
                       if (m.LabelColour[i] == 255 && m.LabelText[i].contains(QLatin1Char('L'))) {
                         m.HasDccPoints = true;
                       }
                       return true;
                     });
}

ReadOutcome ReadSignals(LayoutModel& m, const ProgramFolder& folder, ObjectPanel& panel) {
  return ReadObjects(m, m.SignalFile, &m.SignalCount, &m.ObjIdx,
                     [&](RecordReader& r, int i, ReadOutcome& out) {
                       QString coilA, coilB, picture;
                       qint32 x = 0, y = 0;
                       if (!(r.Str(&coilA) && r.Str(&coilB) && r.Str(&picture) && r.Long(&x) &&
                             r.Long(&y))) {
                         return Fail(out, r.Error());
                       }
                       m.SignalCoilA[i] = coilA;
                       m.SignalCoilB[i] = coilB;
                       m.SignalPicture[i] = picture;
                       m.ObjX[i] = x;
                       m.ObjY[i] = y;
                       m.SignalOff[i] = false;
                       m.StoredAspect[i].clear();
                       QString why;
                       if (!panel.PlaceSignal(i, folder.Resolve(picture), &why)) {
                         out.unplaced << Unplaced{i, r.LineNumber(), why};
                       }
                       return true;
                     });
}

bool ReadGauge(LayoutModel& m) {
  if (m.GaugeFile.isEmpty()) return false;
  QByteArray bytes;
  if (!ReadWholeFile(m.GaugeFile, &bytes)) return false;
  RecordReader reader(bytes);
  quint8 gauge = 0;
  if (!reader.Next() || !reader.Byte(&gauge)) return false;
  if (gauge < kMinGauge || gauge > kMaxGauge) return false;
  m.CurGauge = gauge;
  return true;
}

}  // namespace kv
