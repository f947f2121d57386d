#include "panel/edit_history.h"

#include <QHash>

namespace kv {

QList<ObjectPlace> PlacesOf(LayoutModel& m, const Panel& panel) {
  QList<ObjectPlace> places;
  for (PanelObject kind : kEditedKinds) {
    const int count = CountOf(m, kind);
    for (int i = 1; i <= count; ++i) {
      ObjectPlace place{kind, i, {}};
      if (kind == PanelObject::kTrackNumber) {
        place.at = panel.TrackPosition(i);
      } else {
        const QPointF at = panel.TopLeft(kind, i);
        place.at = {at.x(), at.y(), 0, 0};
      }
      places << place;
    }
  }
  return places;
}

void PutAt(Panel& panel, const ObjectPlace& place) {
  if (place.kind == PanelObject::kTrackNumber) {
    panel.SetTrackEnds(place.index, place.at);
    panel.PlaceTrackNumber(place.index);
  } else {
    panel.SetTopLeft(place.kind, place.index, QPointF(place.at.x1, place.at.y1));
  }
}

namespace {

class MoveStep final : public QUndoCommand {
 public:
  MoveStep(Panel& panel, QList<ObjectPlace> before, QList<ObjectPlace> after)
      : QUndoCommand(QStringLiteral("move")),
        panel_(panel),
        before_(std::move(before)),
        after_(std::move(after)) {}
  void undo() override {
    for (const ObjectPlace& place : before_) PutAt(panel_, place);
  }
  void redo() override {
    for (const ObjectPlace& place : after_) PutAt(panel_, place);
  }

 private:
  Panel& panel_;
  QList<ObjectPlace> before_, after_;
};

}  // namespace

// A created object: undone, it is taken off (it is the kind's last); redone, put back.
class CreateStep final : public QUndoCommand {
 public:
  CreateStep(EditHistory& history, PanelObject kind, int index)
      : QUndoCommand(QStringLiteral("create")), h_(history), kind_(kind), index_(index) {}
  void undo() override {
    if (!removed_.controls.IsEmpty()) return;
    EditTarget& t = h_.target_;
    removed_ = TakeOut(t.Model(), t.Surface(), kind_, index_);
    t.CountChanged(kind_);
  }
  void redo() override {
    if (removed_.controls.IsEmpty()) return;  // as created
    EditTarget& t = h_.target_;
    PutBack(t.Model(), t.Surface(), kind_, std::move(removed_));
    removed_ = RemovedObject();
    t.CountChanged(kind_);
  }

 private:
  EditHistory& h_;
  PanelObject kind_;
  int index_;
  RemovedObject removed_;
};

// One kind's share of a dustbin click. Both ways the kind's file is rewritten; when it cannot
// be, the objects go back to where they were and the step counts as failed.
class DeleteStep final : public QUndoCommand {
 public:
  DeleteStep(EditHistory& history, KindDeletion deletion, QUndoCommand* parent)
      : QUndoCommand(parent), h_(history), d_(std::move(deletion)) {}
  void undo() override {
    if (!deleted_) return;
    PutAllBack();
    if (!h_.target_.RewriteFiles(d_, false)) {
      TakeAllOut();
      ++h_.failures_;
      return;
    }
    deleted_ = false;
    h_.target_.CountChanged(d_.kind);
  }
  void redo() override {
    if (deleted_) return;
    TakeAllOut();
    if (!h_.target_.RewriteFiles(d_, true)) {
      PutAllBack();
      ++h_.failures_;
      return;
    }
    deleted_ = true;
    h_.target_.CountChanged(d_.kind);
  }

 private:
  void PutAllBack() {
    EditTarget& t = h_.target_;
    for (RemovedObject& object : d_.removed) {
      const int index = object.index;
      PutBack(t.Model(), t.Surface(), d_.kind, std::move(object));
      object = RemovedObject();
      object.index = index;
    }
  }
  void TakeAllOut() {
    EditTarget& t = h_.target_;
    for (auto it = d_.removed.rbegin(); it != d_.removed.rend(); ++it) {
      *it = TakeOut(t.Model(), t.Surface(), d_.kind, it->index);
    }
  }

  EditHistory& h_;
  KindDeletion d_;
  bool deleted_ = true;
};

EditHistory::EditHistory(EditTarget& target) : target_(target) {}

EditHistory::~EditHistory() = default;

void EditHistory::Created(PanelObject kind, int index) {
  stack_.push(new CreateStep(*this, kind, index));
}

void EditHistory::Moved(const QList<ObjectPlace>& before, const QList<ObjectPlace>& after) {
  QHash<QPair<int, int>, qsizetype> where;
  for (qsizetype k = 0; k < before.size(); ++k) {
    where.insert({int(before[k].kind), before[k].index}, k);
  }
  QList<ObjectPlace> from, to;
  for (const ObjectPlace& place : after) {
    const qsizetype k = where.value({int(place.kind), place.index}, -1);
    if (k >= 0 && !(before[k] == place)) {
      from << before[k];
      to << place;
    }
  }
  if (!to.isEmpty()) stack_.push(new MoveStep(target_.Surface(), from, to));
}

void EditHistory::Deleted(std::vector<KindDeletion> deletions) {
  if (deletions.empty()) return;
  auto* click = new QUndoCommand(QStringLiteral("delete"));
  for (KindDeletion& d : deletions) new DeleteStep(*this, std::move(d), click);
  stack_.push(click);
}

void EditHistory::Undo() {
  if (!stack_.canUndo()) return;
  failures_ = 0;
  stack_.undo();
  // A file that could not be written: the step stays done, and the part of it that was
  // undone is done again (the failed part never changed).
  if (failures_ > 0) stack_.redo();
}

void EditHistory::Redo() {
  if (!stack_.canRedo()) return;
  failures_ = 0;
  stack_.redo();
  if (failures_ > 0) stack_.undo();
}

}  // namespace kv
