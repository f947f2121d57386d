#pragma once

#include <QString>

namespace kv::bench {

// The maximal layout with 255 routes in the program folder `root`: route 0 holds every track
// unit, fires one points solenoid and works one signal; route i holds unit i alone. On the
// relay stack (dwell 1 ms) the points labels carry numbers; on "DCC" (dwell 0.2 s) they end in
// L. Returns the project file's path, or "" when something cannot be written.
QString WriteRouteLayout(const QString& root, bool dcc);

}  // namespace kv::bench
