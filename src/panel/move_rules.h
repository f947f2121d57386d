#pragma once

#include <QPointF>
#include <cstdint>

#include "panel/panel.h"

namespace kv {

// The move tool's modes, as the optMove buttons number them.
enum MoveModeValue : std::uint8_t { kMoveNone = 0, kMoveOne = 1, kMoveSome = 2, kMoveAll = 3 };

// Mouse buttons as the panel's handlers number them: 1 left, 2 right, 4 middle; while moving,
// the buttons held are added up (left and right together: 3).
int ButtonCode(Qt::MouseButton button);
int ButtonsCode(Qt::MouseButtons buttons);

// What one move works from: the pointer and the anchor (the top left corner of the object
// clicked last; a track unit's number) in whole twips, and the previous step's pointer.
struct MoveState {
  std::uint8_t MoveMode = kMoveNone;
  int MouseBtn = 0;
  std::int32_t MouseX = 0, MouseY = 0;
  std::int32_t AnchorX = 0, AnchorY = 0;
  std::int32_t PrevX = 0, PrevY = 0;
  std::int32_t MoveDX = 0, MoveDY = 0;
  bool PanelMouseDown = false;
};

// ComputeMoveDelta: on the press the step runs from the anchor to the pointer (so the anchor
// jumps there), later from the previous pointer; the pointer becomes the previous one.
void ComputeMoveDelta(MoveState& state);

// Where a picture, label, signal or sensor goes in this step: mode one puts a selected object's
// top left corner at the pointer, some moves a selected one by the step, all moves every one.
QPointF MovedTopLeft(const MoveState& state, bool selected, const QPointF& at);

// Where a track unit's ends go: with mode one the left button takes a selected unit's first end
// to the pointer and the right button its second; with some (selected) and all (every unit)
// either button moves the whole unit by the step. False when the unit stays as it is.
bool MoveTrackEnds(const MoveState& state, bool selected, TrackEnds* ends);

}  // namespace kv
