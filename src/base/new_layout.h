#pragma once

namespace kv {

class Session;

// A new layout: message 9 asks for its name, and asks again, saying why, for as long as the
// name is taken, too long to reopen, holds a character a file name cannot hold, or the layout
// cannot be made. Then the empty project file, the layout folder and the eight empty object
// files are created. An empty answer (or Cancel) ends the program; false then.
bool CreateLayout(Session& session);

}  // namespace kv
