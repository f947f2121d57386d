#include "panel/object_deletion.h"

#include <QFileInfo>

#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/atomic_file.h"
#include "layout/object_writers.h"
#include "layout/path_file.h"
#include "panel/panel_objects.h"
#include "panel/panel_texts.h"

namespace kv {

namespace {

using Compose = bool (*)(LayoutModel&, const ObjectPanel&, QByteArray*, QString*);

Compose ComposerOf(PanelObject kind) {
  switch (kind) {
    case PanelObject::kSensor:
      return ComposeSensorFile;
    case PanelObject::kLabel:
      return ComposeLabelFile;
    case PanelObject::kImage:
      return ComposeImageFile;
    case PanelObject::kSignal:
      return ComposeSignalFile;
    default:
      // The remaining units keep the names they had: "track " and their number before.
      return [](LayoutModel& m, const ObjectPanel& on, QByteArray* bytes, QString* error) {
        return ComposeTrackFile(m, on, bytes, error, true);
      };
  }
}

// A kind's objects as its file holds them: those read from it or saved to it since, at the
// places they had then, in their order on the panel. Moves and new objects wait for the save, so
// a deletion (or its undo) writes nothing else the user has not saved, and the files of the
// different kinds stay in step with each other.
class SavedObjects final : public ObjectPanel {
 public:
  SavedObjects(Panel& panel, LayoutModel& m, PanelObject kind) : model(m), live_(panel, m) {
    const int count = CountOf(m, kind);
    int n = 0;
    for (int i = 1; i <= count; ++i) {
      const std::optional<TrackEnds> place = panel.SavedPlace(kind, i);
      if (!place) continue;
      ++n;
      PutRecord(model, kind, n, RecordOf(m, kind, i));
      places_[n] = *place;
      from_[n] = i;
    }
    CountOf(model, kind) = static_cast<std::uint8_t>(n);
  }

  LayoutModel model;  // the kind's tables hold the saved objects only

  void PlaceSensor(int) override {}
  bool PlaceTrack(int, QString*) override { return false; }
  bool PlaceImage(int, const QString&, QString*) override { return false; }
  void PlaceLabel(int) override {}
  bool PlaceSignal(int, const QString&, QString*) override { return false; }
  QPointF SensorTopLeft(int i) const override { return TopLeft(i); }
  QPointF LabelTopLeft(int i) const override { return TopLeft(i); }
  QPointF ImageTopLeft(int i) const override { return TopLeft(i); }
  QPointF SignalTopLeft(int i) const override { return TopLeft(i); }
  QLineF TrackLine(int i) const override {
    const TrackEnds& e = places_[i];
    return QLineF(e.x1, e.y1, e.x2, e.y2);
  }
  QString SignalToolTip(int i) const override { return live_.SignalToolTip(from_[i]); }
  QString SignalTag(int i) const override { return live_.SignalTag(from_[i]); }

 private:
  QPointF TopLeft(int i) const { return QPointF(places_[i].x1, places_[i].y1); }

  PanelObjects live_;
  ObjectTable<TrackEnds> places_{};
  ObjectTable<int> from_{};
};

// The kind's file may be rewritten; otherwise the user is told why nothing of it is deleted.
bool MayDeleteFrom(Session& s, PanelObject kind) {
  const QString path = FileOf(s.model, kind);
  const KeptFile* kept = path.isEmpty() ? nullptr : FindKeptFile(s.model, path);
  if (!kept) return true;
  s.dialogs.MessageBox(texts::KeptFileNotDeleted(KindName(kind), kept->path, kept->line),
                       msg::kInformation, texts::KeptFileNotDeletedTitle());
  return false;
}

// A unit's number once the deletion's units are out; 0 for those.
int AfterDeletion(const KindDeletion& d, int unit) {
  int below = 0;
  for (const RemovedObject& object : d.removed) {
    if (object.index == unit) return 0;
    if (object.index < unit) ++below;
  }
  return unit - below;
}

// A unit's number once the deletion's units are back: they are in ascending order.
int BeforeDeletion(const KindDeletion& d, int unit) {
  for (const RemovedObject& object : d.removed) {
    if (object.index <= unit) ++unit;
  }
  return unit;
}

// path.txt undone after routes were filed since the deletion: each route the deletion changed
// gets its track line back whole, the routes filed since are renumbered.
QByteArray UndoneRoutes(const KindDeletion& d, const QByteArray& now) {
  const QByteArray back =
      RenumberPathTracks(now, [&d](int unit) { return BeforeDeletion(d, unit); });
  QList<PathRecord> before, after, current, result;
  if (ParsePathFile(d.pathBefore, &before).stopped || ParsePathFile(d.pathAfter, &after).stopped ||
      ParsePathFile(now, &current).stopped || ParsePathFile(back, &result).stopped ||
      before.size() != after.size() || current.size() != result.size()) {
    return back;
  }
  for (qsizetype k = 0; k < current.size(); ++k) {
    const qsizetype i = after.indexOf(current.at(k));
    if (i < 0) continue;
    result[k].tracks = before.at(i).tracks;
    after[i] = {};  // matched once: a copy filed since is renumbered
  }
  QByteArray bytes;
  return ComposePathFile(result, &bytes, nullptr) ? bytes : back;
}

}  // namespace

bool RewriteDeletionFiles(Session& s, Panel& panel, const RouteFileHooks& routes, KindDeletion& d,
                          bool deleting) {
  if (d.kind != PanelObject::kTrackNumber) return RewriteKindFile(s, panel, d.kind);
  LayoutModel& m = s.model;
  const QString path = m.PathFile;
  const bool hasRoutes = !path.isEmpty() && QFileInfo::exists(path);
  QByteArray now;
  if (hasRoutes && ((routes.readWhole && !routes.readWhole()) || !ReadWholeFile(path, &now))) {
    s.dialogs.MessageBox(texts::RoutesNotRenumbered(path), msg::kInformation,
                         texts::KeptFileNotDeletedTitle());
    return false;
  }
  QByteArray next = now;
  if (hasRoutes && deleting) {
    next = RenumberPathTracks(now, [&d](int unit) { return AfterDeletion(d, unit); });
  } else if (hasRoutes) {
    next = now == d.pathAfter ? d.pathBefore : UndoneRoutes(d, now);
  }
  if (next != now && !WriteFileAtomically(path, next)) {
    m.TargetFile = path;
    ShowMessage(s, 4);
    return false;
  }
  if (!RewriteKindFile(s, panel, d.kind)) {
    if (next != now) WriteFileAtomically(path, now);
    return false;
  }
  if (deleting) {
    d.pathBefore = now;
    d.pathAfter = next;
  }
  if (next != now && routes.reload) routes.reload();
  return true;
}

bool RewriteKindFile(Session& s, Panel& panel, PanelObject kind) {
  LayoutModel& m = s.model;
  const QString path = FileOf(m, kind);
  if (path.isEmpty()) return true;  // the layout has no such file
  if (!MayDeleteFrom(s, kind)) return false;
  m.TargetFile = path;
  SavedObjects saved(panel, m, kind);
  QByteArray bytes;
  QString reason;
  if (!ComposerOf(kind)(saved.model, saved, &bytes, &reason)) {
    s.dialogs.MessageBox(texts::CannotStoreKind(reason), msg::kInformation, path);
    return false;
  }
  if (!RewriteFile(path, bytes, &reason)) {
    ShowMessage(s, 4);
    return false;
  }
  return true;
}

std::vector<KindDeletion> DeleteSelected(Session& s, Panel& panel, const RouteFileHooks& routes) {
  LayoutModel& m = s.model;
  std::vector<KindDeletion> done;
  for (PanelObject kind : kEditedKinds) {
    const int last = LastClickedOf(m, kind);
    const int count = CountOf(m, kind);
    if (!IsObjectIndex(last, count) || !SelectionOf(m, kind)[last]) continue;
    if (!MayDeleteFrom(s, kind)) continue;
    KindDeletion d{kind, {}, {}, {}};
    if (kind == PanelObject::kTrackNumber) {
      for (int k = 1; k <= count; ++k) m.TrackName[k] = QStringLiteral("track %1").arg(k);
    }
    // From the highest down, so the numbers still to be taken stay where they are.
    for (int k = count; k >= 1; --k) {
      if (SelectionOf(m, kind)[k]) d.removed.insert(d.removed.begin(), TakeOut(m, panel, kind, k));
    }
    if (!RewriteDeletionFiles(s, panel, routes, d, true)) {
      for (RemovedObject& object : d.removed) PutBack(m, panel, kind, std::move(object));
      continue;
    }
    done.push_back(std::move(d));
  }
  return done;
}

}  // namespace kv
