#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <memory>

#include "panel/edit_history.h"
#include "panel/move_rules.h"
#include "panel/object_deletion.h"

class QRadioButton;
class QWidget;

namespace kv {

class PanelArea;
class Session;
class ToolbarFrame;

// Editing the panel in Modify mode: the move options, selecting objects by clicking them,
// moving them by pressing and dragging on the empty panel, the dustbin, and undo and redo of
// all of it. The move options, their frame and the dustbin are found by name under `window`.
class PanelEditor : public QObject, public EditTarget {
  Q_OBJECT

 public:
  PanelEditor(Session& session, PanelArea& area, QWidget& window, QObject* parent = nullptr);
  ~PanelEditor() override;

  MoveState& Move() { return move_; }
  EditHistory& History() { return *history_; }

  // optMove: MoveMode, Modify mode, the frame's caption ("move one item" ...), no selection.
  void optMove_MouseUp(int index);
  // The move option back to "none", as the save and the dustbin leave it.
  void ResetMoveMode();
  void ClearSelection();

  // The Modify-mode branch of a click on a label, track number, picture, signal or sensor:
  // the object clicked last of its kind, the anchor of the next move, and its selection.
  // While a route is recorded, `routeClick` takes the clicks on labels, track numbers and
  // signals instead.
  void ObjectClick(PanelObject kind, int index, Qt::MouseButton button);
  // Called first with each of those clicks; true when it took the click (a route is being
  // recorded).
  std::function<bool(PanelObject kind, int index, Qt::MouseButton button)> routeClick;
  // The routes, told of the track units' deletions.
  RouteFileHooks routeFile;

  // The panel's own mouse events, in twips; they move objects only in Modify mode.
  void picScreen_MouseDown(Qt::MouseButton button, const QPointF& twips);
  void picScreen_MouseMove(Qt::MouseButtons buttons, const QPointF& twips);
  void picScreen_MouseUp(Qt::MouseButton button, const QPointF& twips);
  void MoveObjects();

  // The dustbin: the selected objects of each kind whose object clicked last is selected.
  void imgBtnTrash_MouseUp(Qt::MouseButton button);

  // An object the user created; it can be undone from now on.
  void Created(PanelObject kind, int index);

  // EditTarget
  LayoutModel& Model() override;
  Panel& Surface() override;
  bool RewriteFiles(KindDeletion& deletion, bool deleting) override;
  void CountChanged(PanelObject kind) override;

  // Ctrl+Z and Ctrl+Y: in Modify mode, and not while a button is held on the panel.
  void Undo();
  void Redo();

 signals:
  // The number of objects of a kind changed (created, deleted, undone or redone).
  void countChanged(kv::PanelObject kind);
  // A dustbin click deleted objects of this kind.
  void kindDeleted(kv::PanelObject kind);

 private:
  bool Modifying() const;
  void ShowPointer();
  void Cross();

  Session& session_;
  PanelArea& area_;
  QWidget& window_;
  MoveState move_;
  std::unique_ptr<EditHistory> history_;
  QList<ObjectPlace> pressedPlaces_;  // where everything stood when the button went down
  bool dragging_ = false;
};

}  // namespace kv
