#pragma once

#include <QString>

namespace kv::demo {

// Writes the demo layout into `dataFolder`: the empty project file "Demo Layout.txt" and the
// object files of Data/Layout Folders/Demo Layout. False with *error when a file cannot be
// written.
bool WriteLayout(const QString& dataFolder, QString* error);

}  // namespace kv::demo
