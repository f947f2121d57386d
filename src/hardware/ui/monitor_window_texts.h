#pragma once

#include <QString>

namespace kv::texts {

// Captions of the hardware monitor window.
inline QString MonitorWindowTitle() {
  return QStringLiteral("Hardware monitor");
}
inline QString MonitorOutputsFrame() {
  return QStringLiteral("Relay stack outputs");
}
inline QString MonitorInputsFrame() {
  return QStringLiteral("Inputs");
}
inline QString MonitorFramesFrame() {
  return QStringLiteral("XpressNet frames and board outputs, newest last");
}
inline QString MonitorPwm(int channel) {
  return QStringLiteral("PWM %1: %v").arg(channel);
}
inline QString MonitorAnalog(int channel) {
  return QStringLiteral("analogue %1: %v").arg(channel);
}
inline QString SaveLogButton() {
  return QStringLiteral("Save log...");
}
inline QString ClearLogButton() {
  return QStringLiteral("Clear");
}
inline QString SaveLogTitle() {
  return QStringLiteral("Save the hardware log");
}
inline QString SaveLogFilter() {
  return QStringLiteral("text files (*.txt)|*.txt");
}
inline QString SaveLogName() {
  return QStringLiteral("hardware log.txt");
}
inline QString LogNotSaved(const QString& error) {
  return QStringLiteral("The hardware log was not saved: %1").arg(error);
}
// F9 shows the monitor from the main window, beside F8's board panel.
inline QString MonitorWindowKey() {
  return QStringLiteral("F9");
}

}  // namespace kv::texts
