#pragma once

#include <QString>

namespace kv::texts {

// What the hardware monitor shows and writes into its log.

// Which way an entry went, as its column reads.
inline QString WayToBox() {
  return QStringLiteral("to box");
}
inline QString WayFromBox() {
  return QStringLiteral("from box");
}
inline QString WayNotSent() {
  return QStringLiteral("not sent");
}
inline QString WayBoard() {
  return QStringLiteral("board");
}
inline QString WayNoBoard() {
  return QStringLiteral("no board");
}

// The start of an answer that the port's loss cut short.
inline QString IncompleteAnswer() {
  return QStringLiteral("incomplete answer");
}

// The number the eight outputs form, as the relay stack reads it: an even number selects its
// solenoid, the odd number above it fires it.
inline QString OutputsOff() {
  return QStringLiteral("outputs off");
}
inline QString OutputsSelect(int value) {
  return QStringLiteral("outputs %1: solenoid %1 selected").arg(value);
}
inline QString OutputsFire(int value) {
  return QStringLiteral("outputs %1: solenoid %2 firing").arg(value).arg(value - 1);
}
inline QString PwmValue(int channel, int value) {
  return QStringLiteral("PWM %1: %2").arg(channel).arg(value);
}
inline QString OutputsUnchanged() {
  return QStringLiteral("outputs unchanged");
}

inline QString ModemNotUsed() {
  return QStringLiteral("DCC box: not used on \"DC\"");
}
inline QString ModemOnLine(int port) {
  return QStringLiteral("DCC box: modem ON, port %1").arg(port);
}
inline QString ModemOffLine() {
  return QStringLiteral("DCC box: modem OFF; frames are shown as they would have been sent");
}
inline QString BoardNotUsed() {
  return QStringLiteral("USB board: not used on \"DCC\"");
}
inline QString BoardOpen() {
  return QStringLiteral("USB board: connected");
}
inline QString BoardAbsent() {
  return QStringLiteral("USB board: none; outputs are shown as they would have been set");
}

inline QString InputsLine(const QString& lamps, int analog1, int analog2) {
  return QStringLiteral("inputs 1-5: %1, analogue 1: %2, analogue 2: %3")
      .arg(lamps)
      .arg(analog1)
      .arg(analog2);
}
inline QString LogHeader(const QString& when) {
  return QStringLiteral("Kelvarne hardware monitor, %1").arg(when);
}

}  // namespace kv::texts
