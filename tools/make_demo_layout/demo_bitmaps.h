#pragma once

#include <QString>

namespace kv::demo {

// Draws the demo's bitmaps into `dataFolder`: the signal library in sig/ (every aspect the
// demo's two signals can show, and a fixed signal) and the station building in pictures/. False with *error when a
// file cannot be written.
bool DrawBitmaps(const QString& dataFolder, QString* error);

}  // namespace kv::demo
