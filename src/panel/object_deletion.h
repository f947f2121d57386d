#pragma once

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

// The dustbin. For each kind, in the order sensors, labels, pictures, signals, track units,
// whose object clicked last is selected: the selected objects are taken off, the others close
// up (1..count) and the kind's file is rewritten with them. A kind whose file may not or cannot
// be rewritten keeps all its objects. Returns what was deleted, kind by kind.
std::vector<KindDeletion> DeleteSelected(Session& session, Panel& panel);

}  // namespace kv
