#pragma once

#include <QString>

namespace kv::texts {

// Captions of the DC control box.
inline QString DcBoxCaption() { return QStringLiteral("DC track"); }
inline QString KnobTip(int knob) {
  return QStringLiteral("section %1: right click faster, left click slower, double-click when "
                        "stopped to reverse")
      .arg(knob);
}
inline QString PwmTip() { return QStringLiteral("percent of full power"); }
inline QString KnobPictureMissing(const QString& path) {
  return QStringLiteral("The knob picture %1 is missing: a drawn knob stands in.").arg(path);
}

}  // namespace kv::texts
