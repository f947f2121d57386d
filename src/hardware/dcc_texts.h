#pragma once

#include <QString>
#include <QStringList>

namespace kv::texts {

// What the DCC box link shows and writes.

inline QString BoxPortTitle() { return QStringLiteral("DCC Box disconnected"); }

// The port prompt. Long runs of spaces put what follows on a line of its own; where numbers
// do not name ports directly, the numbering follows, one port a line.
inline QString BoxPortPrompt(const QStringList& numbering) {
  const QString lineBreak(40, QLatin1Char(' '));
  QString prompt = QStringLiteral("use zero for offline operation") + lineBreak +
                   QStringLiteral("u.s.b. port connected below");
  for (const QString& line : numbering) prompt += lineBreak + line;
  return prompt;
}

// The device the box was on when its number was set is not there: the prompt says so first.
inline QString BoxDeviceGone(const QString& device) {
  return QStringLiteral("(the box was on %1, which is not there now)").arg(device);
}

// Where ports are numbered and the system has none, the prompt says so.
inline QString NoSerialPort() { return QStringLiteral("(no serial port found)"); }

inline QString NotAPortNumber(const QString& answer) {
  return QStringLiteral("\"%1\" is not a port number: type a number from 0 to 255 (0 for "
                        "offline operation).")
      .arg(answer);
}

inline QString BoxConnected(int port) {
  return QStringLiteral("DCC box connected on Port %1").arg(port);
}
inline QString BoxConnectedTitle(const QString& controlSystem) {
  return QStringLiteral("Kelvarne ") + controlSystem;
}

// The last message's text when a throw found the box off-line.
inline QString ModemOff() { return QStringLiteral("Li101F modem OFF"); }

// The caption's modem state and the label beside its picture.
inline QString CaptionModemOff() { return QStringLiteral("   modem OFF"); }
inline QString CaptionModemOn() { return QStringLiteral("   modem ON"); }
inline QString CaptionModemOnBytes(const QString& bytes) {
  return QStringLiteral("   modem ON ") + bytes;
}
inline QString LabelNoModem() { return QStringLiteral("no modem"); }
inline QString LabelHideBytes() { return QStringLiteral("hide"); }
inline QString LabelShowBytes() { return QStringLiteral("show"); }

}  // namespace kv::texts
