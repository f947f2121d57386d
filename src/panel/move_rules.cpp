#include "panel/move_rules.h"

namespace kv {

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int ButtonsCode(Qt::MouseButtons buttons) {
  int code = 0;
  if (buttons & Qt::LeftButton) code += 1;
  if (buttons & Qt::RightButton) code += 2;
  if (buttons & Qt::MiddleButton) code += 4;
  return code;
}

void ComputeMoveDelta(MoveState& s) {
  if (s.PanelMouseDown) {
    s.MoveDX = s.AnchorX - s.MouseX;
    s.MoveDY = s.AnchorY - s.MouseY;
  } else {
    s.MoveDX = s.PrevX - s.MouseX;
    s.MoveDY = s.PrevY - s.MouseY;
  }
  s.PrevX = s.MouseX;
  s.PrevY = s.MouseY;
}

QPointF MovedTopLeft(const MoveState& s, bool selected, const QPointF& at) {
  switch (s.MoveMode) {
    case kMoveOne:
      return selected ? QPointF(s.MouseX, s.MouseY) : at;
    case kMoveSome:
      return selected ? at - QPointF(s.MoveDX, s.MoveDY) : at;
    case kMoveAll:
      return at - QPointF(s.MoveDX, s.MoveDY);
    default:
      return at;
  }
}

bool MoveTrackEnds(const MoveState& s, bool selected, TrackEnds* e) {
  // MoveTrackStart with the left button, MoveTrackEnd with the right; no other button.
  if (s.MouseBtn != 1 && s.MouseBtn != 2) return false;
  switch (s.MoveMode) {
    case kMoveOne:
      if (!selected) return false;
      if (s.MouseBtn == 1) {
        e->x1 = s.MouseX;
        e->y1 = s.MouseY;
      } else {
        e->x2 = s.MouseX;
        e->y2 = s.MouseY;
      }
      return true;
    case kMoveSome:
    case kMoveAll:
      if (s.MoveMode == kMoveSome && !selected) return false;
      // ShiftTrackUnit
      e->x1 -= s.MoveDX;
      e->y1 -= s.MoveDY;
      e->x2 -= s.MoveDX;
      e->y2 -= s.MoveDY;
      return true;
    default:
      return false;
  }
}

}  // namespace kv
