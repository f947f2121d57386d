#pragma once

#include <QString>

namespace kv::texts {

// What the program says when a device is there but this user may not use it. Runs of 40
// spaces break the line, as in the port prompt.

inline QString PortDeniedTitle() {
  return QStringLiteral("No access to the DCC box's port");
}
// Put before the port prompt in place of calling the box disconnected.
inline QString PortDenied(int port, const QString& device, const QString& group) {
  const QString lineBreak(40, QLatin1Char(' '));
  return QStringLiteral("Port %1 (%2) is there, but this user may not open it.")
             .arg(port)
             .arg(device) +
         lineBreak +
         QStringLiteral("Join the %1 group (sudo adduser $USER %1), then log out and in again.")
             .arg(group) +
         lineBreak;
}

inline QString BoardDenied(const QString& device) {
  const QString lineBreak(40, QLatin1Char(' '));
  return QStringLiteral("The USB board is plugged in (%1), but this user may not use it.")
             .arg(device) +
         lineBreak +
         QStringLiteral(
             "Install the udev rule 70-kelvarne-usb-board.rules (the Debian package "
             "puts it in /usr/lib/udev/rules.d; from a build, copy "
             "packaging/70-kelvarne-usb-board.rules to /etc/udev/rules.d),") +
         lineBreak + QStringLiteral("then unplug the board and plug it in again.");
}

}  // namespace kv::texts
