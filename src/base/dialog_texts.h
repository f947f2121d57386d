#pragma once

#include <QString>

namespace kv::texts {

// Texts the program shows outside the numbered messages.

// The installation settings file could not be written; the choice holds for this run only.
inline QString SettingNotSavedTitle() { return QStringLiteral("Kelvarne-3D software"); }
inline QString SettingNotSaved(const QString& reason) {
  return QStringLiteral("The choice holds for this run, but could not be kept for the next: %1")
      .arg(reason);
}

// The font dialog.
inline QString FontDialogTitle() { return QStringLiteral("Font"); }
inline QString ColourCaption() { return QStringLiteral("&Colour:"); }
inline QString CustomColour() { return QStringLiteral("Custom"); }
inline QString ChooseCustomColour() { return QStringLiteral("Other colour..."); }

}  // namespace kv::texts
