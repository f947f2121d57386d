#pragma once

class QWidget;

namespace kv {

// Stacked controls show the one in front: "bring to front" and "send to back" of the original
// windows are raise() and lower(); these tell which of some overlapping siblings is in front.

// True when no sibling that overlaps `widget` and is visible lies above it.
bool IsInFront(const QWidget* widget);

void BringToFront(QWidget* widget);
void SendToBack(QWidget* widget);

}  // namespace kv
