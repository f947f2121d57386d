#pragma once

#include <QString>

namespace kv {

// The prompts were laid out for a fixed-width box that wraps: long runs of spaces push the next
// words onto a new line. A box that does not wrap that way shows such a run (ten spaces or
// more) as a line break; shorter runs stay as they are. CR LF becomes a plain line break.
QString BoxText(const QString& text);

}  // namespace kv
