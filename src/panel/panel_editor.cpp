#include "panel/panel_editor.h"

#include <QRadioButton>
#include <QWidget>

#include "base/session.h"
#include "layout/twips.h"
#include "panel/image_button.h"
#include "panel/object_deletion.h"
#include "panel/panel_area.h"
#include "panel/panel_texts.h"
#include "panel/toolbar_frame.h"

namespace kv {

PanelEditor::PanelEditor(Session& session, PanelArea& area, QWidget& window, QObject* parent)
    : QObject(parent),
      session_(session),
      area_(area),
      window_(window),
      history_(std::make_unique<EditHistory>(*this)) {
  for (int i = 0; i <= 3; ++i) {
    if (auto* option = window.findChild<QRadioButton*>(QStringLiteral("optMove_%1").arg(i))) {
      connect(option, &QRadioButton::clicked, this, [this, i]() { optMove_MouseUp(i); });
    }
  }
  if (auto* trash = window.findChild<ImageButton*>(QStringLiteral("imgBtnTrash"))) {
    connect(trash, &ImageButton::mouseUp, this, &PanelEditor::imgBtnTrash_MouseUp);
  }
  Panel& panel = area.picScreen();
  connect(&panel, &Panel::objectMouseDown, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind != PanelObject::kImage) ObjectClick(kind, index, button);
          });
  connect(&panel, &Panel::objectMouseUp, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind == PanelObject::kImage) ObjectClick(kind, index, button);
          });
  connect(&panel, &Panel::screenMouseDown, this, &PanelEditor::picScreen_MouseDown);
  connect(&panel, &Panel::screenMouseMove, this, &PanelEditor::picScreen_MouseMove);
  connect(&panel, &Panel::screenMouseUp, this, &PanelEditor::picScreen_MouseUp);
}

PanelEditor::~PanelEditor() {
  // The undo steps hold controls taken off the panel; they go before the editor does.
  history_.reset();
}

bool PanelEditor::Modifying() const {
  return session_.model.ProgMode == kModify;
}

void PanelEditor::Cross() {
  area_.picScreen().viewport()->setCursor(Qt::CrossCursor);
}

// --- the move options ---------------------------------------------------------------------

void PanelEditor::optMove_MouseUp(int index) {
  if (index < 0 || index > 3) return;
  move_.MoveMode = static_cast<std::uint8_t>(index);
  session_.model.ProgMode = kModify;
  if (auto* option = window_.findChild<QRadioButton*>(QStringLiteral("optMove_%1").arg(index))) {
    option->setChecked(true);
  }
  if (index > 0) {
    if (auto* frame = window_.findChild<ToolbarFrame*>(QStringLiteral("fraBtnMove"))) {
      frame->setTitle(texts::MoveFrameCaption(index));
    }
  }
  ClearSelection();
}

void PanelEditor::ResetMoveMode() {
  move_.MoveMode = kMoveNone;
  if (auto* none = window_.findChild<QRadioButton*>(QStringLiteral("optMove_0"))) {
    none->setChecked(true);
  }
}

void PanelEditor::ClearSelection() {
  kv::ClearSelection(session_.model);
}

// --- selecting ------------------------------------------------------------------------------

void PanelEditor::ObjectClick(PanelObject kind, int index, Qt::MouseButton button) {
  if (!Modifying()) return;
  const bool routable = kind == PanelObject::kLabel || kind == PanelObject::kTrackNumber ||
                        kind == PanelObject::kSignal;
  if (routable && routeClick && routeClick(kind, index, button)) return;
  LayoutModel& m = session_.model;
  if (!IsObjectIndex(index, CountOf(m, kind))) return;
  const QPointF at = area_.picScreen().TopLeft(kind, index);
  move_.AnchorX = RoundHalfEven(at.x());
  move_.AnchorY = RoundHalfEven(at.y());
  move_.MouseBtn = ButtonCode(button);
  LastClickedOf(m, kind) = static_cast<std::uint8_t>(index);
  // A track unit and a sensor are selected whatever the move mode; the others only while a
  // move mode is chosen.
  const bool always = kind == PanelObject::kTrackNumber || kind == PanelObject::kSensor;
  if (always || move_.MoveMode != kMoveNone) SelectionOf(m, kind)[index] = true;
  if (kind == PanelObject::kTrackNumber || move_.MoveMode != kMoveNone) Cross();
}

// --- moving ---------------------------------------------------------------------------------

void PanelEditor::picScreen_MouseDown(Qt::MouseButton button, const QPointF& twips) {
  if (!Modifying()) return;
  move_.MouseBtn = ButtonCode(button);
  move_.MouseX = RoundHalfEven(twips.x());
  move_.MouseY = RoundHalfEven(twips.y());
  if (!dragging_ && move_.MoveMode != kMoveNone) {
    pressedPlaces_ = PlacesOf(session_.model, area_.picScreen());
    dragging_ = true;
  }
  move_.PanelMouseDown = true;
  MoveObjects();
  move_.PanelMouseDown = false;
  ShowPointer();
}

void PanelEditor::picScreen_MouseMove(Qt::MouseButtons buttons, const QPointF& twips) {
  if (!Modifying()) return;
  move_.MouseBtn = ButtonsCode(buttons);
  if (move_.MouseBtn == 0) return;
  move_.MouseX = RoundHalfEven(twips.x());
  move_.MouseY = RoundHalfEven(twips.y());
  MoveObjects();
  ShowPointer();
}

void PanelEditor::picScreen_MouseUp(Qt::MouseButton, const QPointF&) {
  move_.MouseBtn = 0;
  if (!Modifying()) return;
  ClearSelection();
  area_.ShowPointer(QString());
  if (!dragging_) return;
  dragging_ = false;
  history_->Moved(pressedPlaces_, PlacesOf(session_.model, area_.picScreen()));
  pressedPlaces_.clear();
}

void PanelEditor::MoveObjects() {
  ComputeMoveDelta(move_);
  if (move_.MoveMode == kMoveNone) return;
  LayoutModel& m = session_.model;
  Panel& panel = area_.picScreen();
  for (PanelObject kind :
       {PanelObject::kSensor, PanelObject::kImage, PanelObject::kLabel, PanelObject::kSignal}) {
    const int count = CountOf(m, kind);
    const ObjectTable<bool>& selected = SelectionOf(m, kind);
    for (int k = 1; k <= count; ++k) {
      QGraphicsItem* item = panel.ObjectControl(kind, k);
      if (!item) continue;
      const QPointF to = MovedTopLeft(move_, selected[k], item->pos());
      if (to != item->pos()) item->setPos(to);
    }
  }
  for (int k = 1; k <= m.TrackCount; ++k) {
    m.ObjIdx = static_cast<std::uint8_t>(k);
    TrackEnds ends = panel.TrackPosition(k);
    if (!MoveTrackEnds(move_, m.TrackSel[k], &ends)) continue;
    panel.SetTrackEnds(k, ends);  // SyncTrackLines
    panel.PlaceTrackNumber(k);
  }
}

void PanelEditor::ShowPointer() {
  if (!dragging_) return;
  area_.ShowPointer(texts::PointerPosition(move_.MouseX, move_.MouseY));
}

// --- deleting, undo and redo ----------------------------------------------------------------

void PanelEditor::imgBtnTrash_MouseUp(Qt::MouseButton) {
  std::vector<KindDeletion> done = DeleteSelected(session_, area_.picScreen(), routeFile);
  for (const KindDeletion& d : done) {
    emit countChanged(d.kind);
    emit kindDeleted(d.kind);
  }
  history_->Deleted(std::move(done));
  ResetMoveMode();
  ClearSelection();
}

void PanelEditor::Created(PanelObject kind, int index) {
  history_->Created(kind, index);
  emit countChanged(kind);
}

void PanelEditor::Undo() {
  if (Modifying() && !dragging_) history_->Undo();
}

void PanelEditor::Redo() {
  if (Modifying() && !dragging_) history_->Redo();
}

LayoutModel& PanelEditor::Model() {
  return session_.model;
}
Panel& PanelEditor::Surface() {
  return area_.picScreen();
}

bool PanelEditor::RewriteFiles(KindDeletion& deletion, bool deleting) {
  return RewriteDeletionFiles(session_, area_.picScreen(), routeFile, deletion, deleting);
}

void PanelEditor::CountChanged(PanelObject kind) {
  emit countChanged(kind);
}

}  // namespace kv
