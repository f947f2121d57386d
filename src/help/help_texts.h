#pragma once

#include <QString>

namespace kv::texts {

// Texts of the help window.
inline QString HelpCaption() {
  return QStringLiteral("3D-Kelvarne HELP");
}
inline QString ContentsMenu() {
  return QStringLiteral("Contents");
}

// Shown in the window in place of a help document that cannot be read.
inline QString HelpNotAPlainFile() {
  return QStringLiteral("it is not a plain file");
}
inline QString HelpUnreadable(const QString& path, const QString& reason) {
  return QStringLiteral("The help document %1 cannot be read: %2").arg(path, reason);
}

}  // namespace kv::texts
