#pragma once

#include <functional>

#include "layout/object_panel.h"

namespace kv {

class Session;

// The save command. Refused with message 14 while a signal shows its other aspect. Otherwise
// `neutralState` brings the panel to rest (no stacking, no move tool, the arrow pointer, no
// labels counted as new), the five object files are written from the panel, and the selection
// is cleared. A file whose reading stopped is not rewritten, and the user is told so once the
// others are written. A file that cannot be written shows message 4 with its path; a text a
// file cannot hold is told by name. Files before the failing one keep their new contents, that one
// and the later ones are not touched. True when every file was written.
bool SaveLayout(Session& session, ObjectPanel& panel, const std::function<void()>& neutralState);

// The backup command: message 19, and on Yes each of the six object files of the layout folder
// in use is copied onto "copy of " + its name. Files that could not be copied are told.
void BackUpLayout(Session& session);

}  // namespace kv
