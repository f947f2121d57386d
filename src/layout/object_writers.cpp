#include "layout/object_writers.h"

#include "layout/atomic_file.h"
#include "layout/record_codec.h"
#include "layout/twips.h"

namespace kv {

namespace {

bool Append(QByteArray* bytes, const RecordWriter& record, const char* kind, int i,
            QString* error) {
  if (!record.Ok()) {
    if (error) *error = QStringLiteral("%1 %2: %3").arg(QLatin1String(kind)).arg(i).arg(record.Error());
    return false;
  }
  bytes->append(record.Line());
  return true;
}

// Copies a live top-left corner into the position tables at i.
void TakePosition(LayoutModel& m, int i, const QPointF& at) {
  m.ObjX[i] = RoundHalfEven(at.x());
  m.ObjY[i] = RoundHalfEven(at.y());
}

}  // namespace

bool ComposeSensorFile(LayoutModel& m, const ObjectPanel& panel, QByteArray* bytes,
                       QString* error) {
  bytes->clear();
  for (int i = 1; i <= m.SensorCount; ++i) {
    m.ObjIdx = static_cast<std::uint8_t>(i);
    TakePosition(m, i, panel.SensorTopLeft(i));
    if (!Append(bytes, RecordWriter().Int(m.ObjX[i]).Int(m.ObjY[i]), "sensor", i, error)) {
      return false;
    }
  }
  return true;
}

bool ComposeLabelFile(LayoutModel& m, const ObjectPanel& panel, QByteArray* bytes,
                      QString* error) {
  bytes->clear();
  for (int i = 1; i <= m.LabelCount; ++i) {
    m.ObjIdx = static_cast<std::uint8_t>(i);
    TakePosition(m, i, panel.LabelTopLeft(i));
    RecordWriter record;
    record.Str(m.LabelText[i])
        .Int(m.LabelColour[i])
        .Bool(m.LabelBold[i])
        .Bool(m.LabelItalic[i])
        .Bool(m.LabelUnderline[i])
        .Str(m.LabelFontName[i])
        .Int(m.LabelFontSize[i])
        .Int(m.ObjX[i])
        .Int(m.ObjY[i]);
    if (!Append(bytes, record, "label", i, error)) return false;
  }
  return true;
}

bool ComposeImageFile(LayoutModel& m, const ObjectPanel& panel, QByteArray* bytes,
                      QString* error) {
  bytes->clear();
  for (int i = 1; i <= m.ImageCount; ++i) {
    m.ObjIdx = static_cast<std::uint8_t>(i);
    TakePosition(m, i, panel.ImageTopLeft(i));
    RecordWriter record;
    record.Str(m.ImageTip[i]).Str(m.ImagePicture[i]).Int(m.ObjX[i]).Int(m.ObjY[i]).Bool(
        m.ImageOnTop[i]);
    if (!Append(bytes, record, "picture", i, error)) return false;
  }
  return true;
}

bool ComposeSignalFile(LayoutModel& m, const ObjectPanel& panel, QByteArray* bytes,
                       QString* error) {
  bytes->clear();
  for (int i = 1; i <= m.SignalCount; ++i) {
    m.ObjIdx = static_cast<std::uint8_t>(i);
    // A signal showing its other aspect (rewritten by a deletion) keeps its stored coil A and
    // picture: its tool-tip names coil B then.
    QString picture = m.SignalPicture[i];
    if (ShowsOtherAspect(m, i)) {
      picture = picture.chopped(qMin<qsizetype>(picture.size(), kAspectTail)) + m.StoredAspect[i] +
                QStringLiteral(".bmp");
    } else {
      m.SignalCoilA[i] = panel.SignalToolTip(i);
    }
    const QString tag = panel.SignalTag(i);
    if (!tag.isEmpty()) m.SignalCoilB[i] = tag;
    TakePosition(m, i, panel.SignalTopLeft(i));
    RecordWriter record;
    record.Str(m.SignalCoilA[i]).Str(m.SignalCoilB[i]).Str(picture).Int(m.ObjX[i]).Int(m.ObjY[i]);
    if (!Append(bytes, record, "signal", i, error)) return false;
  }
  return true;
}

bool ComposeTrackFile(LayoutModel& m, const ObjectPanel& panel, QByteArray* bytes, QString* error,
                      bool keepNames) {
  bytes->clear();
  for (int i = 1; i <= m.TrackCount; ++i) {
    m.ObjIdx = static_cast<std::uint8_t>(i);
    if (!keepNames) m.TrackName[i] = QStringLiteral("track %1").arg(i);
    const QLineF line = panel.TrackLine(i);
    m.ObjX[i] = RoundHalfEven(line.x1());
    m.ObjY[i] = RoundHalfEven(line.y1());
    m.ObjX2[i] = RoundHalfEven(line.x2());
    m.ObjY2[i] = RoundHalfEven(line.y2());
    RecordWriter record;
    record.Str(m.TrackName[i]).Int(m.ObjX[i]).Int(m.ObjY[i]).Int(m.ObjX2[i]).Int(m.ObjY2[i]).Int(
        m.TrackGauge[i]);
    if (!Append(bytes, record, "track unit", i, error)) return false;
  }
  return true;
}

bool RewriteFile(const QString& path, const QByteArray& bytes, QString* error) {
  return WriteFileAtomically(path, bytes, error);
}

WriteOutcome WriteObjectFiles(LayoutModel& m, ObjectPanel& panel) {
  using Compose = bool (*)(LayoutModel&, const ObjectPanel&, QByteArray*, QString*);
  const Compose track = [](LayoutModel& model, const ObjectPanel& on, QByteArray* b, QString* e) {
    return ComposeTrackFile(model, on, b, e);
  };
  struct File {
    QString LayoutModel::*path;
    Compose compose;
  };
  const File kOrder[] = {
      {&LayoutModel::SensorFile, ComposeSensorFile},
      {&LayoutModel::LabelFile, ComposeLabelFile},
      {&LayoutModel::ImageFile, ComposeImageFile},
      {&LayoutModel::SignalFile, ComposeSignalFile},
      {&LayoutModel::TrackFile, track},
  };
  WriteOutcome out;
  for (const File& file : kOrder) {
    const QString path = m.*file.path;
    // The layout has no such file, or its reading stopped: the records after the failing one
    // were never loaded, and rewriting the file would drop them.
    if (path.isEmpty() || !MayRewrite(m, path)) continue;
    m.TargetFile = path;
    QByteArray bytes;
    QString reason;
    if (!file.compose(m, panel, &bytes, &reason)) {
      return WriteOutcome{WriteOutcome::kCannotStore, path, reason};
    }
    if (!RewriteFile(path, bytes, &reason)) {
      return WriteOutcome{WriteOutcome::kCannotWrite, path, reason};
    }
    panel.Written(path);
  }
  return out;
}

}  // namespace kv
