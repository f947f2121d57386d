#pragma once

#include <QString>

namespace kv::texts {

// Texts of the USB board and its relay stack.

// The test panel's card status.
inline QString CardUnknown() { return QStringLiteral("- - -"); }
inline QString CardConnected(int card) { return QStringLiteral("Card %1 connected").arg(card); }
inline QString CardNotFound(int card) { return QStringLiteral("Card %1 not found").arg(card); }
// The board is there, but could not be opened (OpenProblem says why).
inline QString CardNotOpened(int card) {
  return QStringLiteral("Card %1 found, not opened").arg(card);
}

// The board is plugged in but could not be opened, for some other reason than this user's
// access to it (shown as the status label's tool tip and in a message).
inline QString BoardNotOpened(const QString& device) {
  return QStringLiteral("The board is plugged in (%1) but could not be opened: another program "
                        "may be using it.")
      .arg(device);
}
inline QString BoardProblemTitle() { return QStringLiteral("USB board"); }

// The board the program had is gone: the main window's caption and strip say so while the
// board is looked for again.
inline QString CaptionBoardOff() { return QStringLiteral("   board OFF"); }
inline QString LabelNoBoard() { return QStringLiteral("no board"); }
inline QString NoBoardTip(int card) {
  return QStringLiteral("Card %1 is gone: it is looked for every few seconds and comes back "
                        "when it is plugged in again.")
      .arg(card);
}

// A solenoid number whose firing number (one more) no longer fits the eight outputs.
inline QString SolenoidRefusedTitle() { return QStringLiteral("relay stack"); }
inline QString SolenoidRefused(int solenoid) {
  return QStringLiteral("Solenoid %1 cannot be fired on the relay stack: its numbers run from 0 "
                        "to 254.")
      .arg(solenoid);
}

}  // namespace kv::texts
