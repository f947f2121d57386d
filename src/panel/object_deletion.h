#pragma once

#include <functional>
#include <vector>

#include "panel/edit_history.h"

namespace kv {

class Session;

// Writes a kind's object file in one step with the objects of the kind that it held, where it
// held them: moves and objects made since the last save stay unsaved. False, with the file as
// it was and the user told why, when the file is kept because its reading stopped (it holds
// records that were never loaded), cannot be written (message 4), or cannot hold a text of the
// kind.
bool RewriteKindFile(Session& session, Panel& panel, PanelObject kind);

// path.txt's routes name track units by number. The layer that keeps the routes says whether
// it read the file whole (rewriting it otherwise drops the routes past the bad record; unset:
// whole) and reads it again once it was rewritten.
struct RouteFileHooks {
  std::function<bool()> readWhole;
  std::function<void()> reload;
};

// The files of one kind's deletion, its objects taken out (`deleting`) or put back: the kind's
// file, and for track units path.txt first, with its routes' unit numbers following (undone, the
// bytes it had before, when it still holds those the deletion left; else each route gets its
// track line back and the routes filed since are renumbered). False, with both files as
// they were and the user told why, when either may not or cannot be written.
bool RewriteDeletionFiles(Session& session, Panel& panel, const RouteFileHooks& routes,
                          KindDeletion& deletion, bool deleting);

// The dustbin. For each kind, in the order sensors, labels, pictures, signals, track units,
// whose object clicked last is selected: the selected objects are taken off, the others close
// up (1..count) and the kind's file is rewritten with them. A kind whose file may not or cannot
// be rewritten keeps all its objects; so do track units whose routes cannot be renumbered. Returns
// what was deleted, kind by kind.
std::vector<KindDeletion> DeleteSelected(Session& session, Panel& panel,
                                         const RouteFileHooks& routes);

}  // namespace kv
