#pragma once

#include <QList>
#include <QUndoStack>
#include <vector>

#include "panel/object_numbering.h"

namespace kv {

// Where an object stands: a track unit by its ends, any other object by its top left corner
// (x1, y1).
struct ObjectPlace {
  PanelObject kind = PanelObject::kNone;
  int index = 0;
  TrackEnds at;
  bool operator==(const ObjectPlace& o) const {
    return kind == o.kind && index == o.index && at.x1 == o.at.x1 && at.y1 == o.at.y1 &&
           at.x2 == o.at.x2 && at.y2 == o.at.y2;
  }
};

// Where every object of the layout stands, kind by kind.
QList<ObjectPlace> PlacesOf(LayoutModel& m, const Panel& panel);
// Puts an object where a place says (a track unit's number follows its line).
void PutAt(Panel& panel, const ObjectPlace& place);

struct KindDeletion;

// What the history changes, and what it needs for that.
class EditTarget {
 public:
  virtual ~EditTarget() = default;
  virtual LayoutModel& Model() = 0;
  virtual Panel& Surface() = 0;
  // Writes the files a deletion changes, the objects taken out (`deleting`) or put back: the
  // kind's object file with the objects it held, where it held them, and for track units
  // path.txt; false, told to the user, when they cannot be written (they are then as they were).
  virtual bool RewriteFiles(KindDeletion& deletion, bool deleting) = 0;
  // The count of a kind changed: what shows it follows.
  virtual void CountChanged(PanelObject kind) = 0;
};

// A kind's objects taken out by one click of the dustbin, in ascending order of their numbers.
struct KindDeletion {
  PanelObject kind = PanelObject::kNone;
  std::vector<RemovedObject> removed;
  // path.txt before and after its routes were renumbered (track units only).
  QByteArray pathBefore, pathAfter;
};

// Undo and redo of creating, moving and deleting objects, back to the last save. An undone
// deletion puts the objects back on the panel and rewrites their file; when that file cannot be
// written the step is not undone (nor redone) at all.
class EditHistory {
 public:
  explicit EditHistory(EditTarget& target);
  ~EditHistory();

  // Object `index` of a kind was just created (it is on the panel already).
  void Created(PanelObject kind, int index);
  // One press, drag and release: the objects whose place changed are kept.
  void Moved(const QList<ObjectPlace>& before, const QList<ObjectPlace>& after);
  // One click of the dustbin, already carried out.
  void Deleted(std::vector<KindDeletion> deletions);

  void Undo();
  void Redo();
  // After a save: nothing before it can be undone.
  void Clear() { stack_.clear(); }
  bool CanUndo() const { return stack_.canUndo(); }
  bool CanRedo() const { return stack_.canRedo(); }
  int Steps() const { return stack_.count(); }
  QUndoStack& Stack() { return stack_; }

 private:
  friend class CreateStep;
  friend class DeleteStep;
  EditTarget& target_;
  QUndoStack stack_;
  int failures_ = 0;
};

}  // namespace kv
