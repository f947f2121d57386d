#pragma once

#include <QString>

namespace kv {

// Whether a device file is there but this user may not open it for reading and writing, as a
// serial port is to a user outside its group, or the USB board without its udev rule. A device
// that is missing is not denied: it is absent.
bool AccessDenied(const QString& device);

// The group whose members may use the character device `device` ("dialout" for a serial port
// on Debian); "dialout" when it is no device or names no group a user could join.
QString DeviceGroup(const QString& device);

}  // namespace kv
