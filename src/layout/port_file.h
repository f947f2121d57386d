#pragma once

#include <QString>
#include <cstdint>

#include "layout/program_folder.h"

namespace kv {

// port.txt: the serial port number of the DCC box, one number; 0 is off-line.
inline const QString kPortFile = QStringLiteral("\\data\\sundries\\port.txt");

// Creates the file empty when it is missing. A missing, empty or unreadable file, or a number
// that is no port number (0 to 255), reads as 0.
std::uint8_t ReadPortFile(const ProgramFolder& folder);
bool WritePortFile(const ProgramFolder& folder, std::uint8_t port, QString* error = nullptr);

// portdevice.txt, beside it: the device port.txt's number named when it was set (one String,
// "" for none), so that a number that has come to name another device is not opened. Missing
// or unreadable reads as "".
inline const QString kPortDeviceFile = QStringLiteral("\\data\\sundries\\portdevice.txt");
QString ReadPortDeviceFile(const ProgramFolder& folder);
bool WritePortDeviceFile(const ProgramFolder& folder, const QString& device,
                         QString* error = nullptr);

}  // namespace kv
