#pragma once

#include <QString>

namespace kv::bench {

// Writes a layout of 255 objects of every kind into the program folder `root`: "Max.txt" and
// Data/Layout Folders/Max. The pictures and signals share a handful of bitmaps, as a real
// layout's do. Returns the project file's path, or "" when something cannot be written.
QString WriteMaximalLayout(const QString& root);

}  // namespace kv::bench
