#pragma once

#include <QString>

#include "layout/number_text.h"

namespace kv::texts {

// Captions and tool-tips of the points controls: firing by number, the DCC accessory by hand,
// the dwell setting and the number display.

// "solenoid " and the number with the leading blank a number-to-text conversion gives
// non-negative numbers: "solenoid  12".
inline QString SendNoCaption(int number) {
  return QStringLiteral("solenoid ") + NumberText(number);
}
inline QString SendNoDesignCaption() { return QStringLiteral("solenoid = 0"); }
inline QString SendNoCheck() { return QStringLiteral("send number"); }
inline QString SendNoTip() { return QStringLiteral("left click fires once, right click repeats"); }

// "solenoid 12L": the accessory number and the side, no blank between.
inline QString LenzNoCaption(int number, const QString& side) {
  return QStringLiteral("solenoid ") + QString::number(number) + side;
}
inline QString ToggleTip() { return QStringLiteral("toggle"); }

inline QString WaitDesignCaption() { return QStringLiteral("dwell"); }
inline QString WaitCheck() { return QStringLiteral("save setting"); }
inline QString WaitNotSavedTitle() { return QStringLiteral("dwell"); }
inline QString WaitNotSaved(const QString& reason) {
  return QStringLiteral("The dwell setting holds for this run, but could not be saved: %1")
      .arg(reason);
}

inline QString BtnNoDesignCaption() { return QStringLiteral("solenoids"); }
inline QString BtnNoTrackCaption() { return QStringLiteral("track"); }
inline QString BtnNoSolenoidCaption() { return QStringLiteral("solenoid"); }
inline QString BtnNoTip() { return QStringLiteral("click"); }
inline QString CoilDesignCaption() { return QStringLiteral("open"); }
inline QString CoilNumbersCaption() { return QStringLiteral("numbers"); }
inline QString CoilOpenCaption() { return QStringLiteral("  open"); }
inline QString CountDesignCaption() { return QStringLiteral("000"); }
inline QString CountDesignTip() { return QStringLiteral("show numbers"); }
inline QString CountShowTip() { return QStringLiteral("show"); }
inline QString CountHideTip() { return QStringLiteral("hide"); }

}  // namespace kv::texts
