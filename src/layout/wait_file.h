#pragma once

#include <QString>

#include "layout/program_folder.h"

namespace kv {

// wait.txt: the dwell setting, one number. Milliseconds (500 to 5000) on the relay-stack
// systems, seconds (0.02 to 2.0) on "DCC".
inline const QString kWaitFile = QStringLiteral("\\data\\sundries\\wait.txt");

// The stored dwell made valid for the control system: a value of the other system's range, or
// of neither, becomes the default (1.0 s on "DCC", 1000 ms elsewhere).
float ValidDwell(float stored, const QString& controlSystem);

// Reads and validates wait.txt; a missing or unreadable file gives the default.
float ReadWaitFile(const ProgramFolder& folder, const QString& controlSystem);
bool WriteWaitFile(const ProgramFolder& folder, float dwell, QString* error = nullptr);

}  // namespace kv
