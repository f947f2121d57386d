#pragma once

#include <QString>

namespace kv::texts {

// What the DCC Loco Control window shows and says.

inline QString LocoWindowTitle() {
  return QStringLiteral("DCC Loco Control");
}
inline QString TrainEngineMenu() {
  return QStringLiteral("train engine");
}
inline QString PilotMenu() {
  return QStringLiteral("pilot");
}
inline QString ChipMenu(const QString& chip) {
  return QStringLiteral("chip ") + chip;
}
inline QString FuncTotMenu() {
  return QStringLiteral("FT");
}
inline QString FuncTotMenu(int byte) {
  return QStringLiteral("FT %1").arg(byte);
}
inline QString AddLocoMenu() {
  return QStringLiteral("&add loco");
}
inline QString WriteLocoMenu() {
  return QStringLiteral("&write loco");
}
inline QString StopButton() {
  return QStringLiteral("STOP");
}
inline QString NewChipFrame() {
  return QStringLiteral("new chip");
}
inline QString NewChipTip() {
  return QStringLiteral("select loco");
}
inline QString WriteLocoTip() {
  return QStringLiteral("Write Loco");
}
inline QString ChipBoxTip() {
  return QStringLiteral("the decoder's address: four digits");
}
inline QString LocoBoxTip() {
  return QStringLiteral("the loco's number: digits, perhaps after a D or an E");
}
inline QString SelectTrainEngineTip() {
  return QStringLiteral("select train engine");
}
inline QString GoTip() {
  return QStringLiteral("left-click GO");
}
inline QString StopTip() {
  return QStringLiteral("right-click STOP");
}
inline QString DirectionTip() {
  return QStringLiteral("click to reverse");
}
inline QString DirectionPictureMissing(const QString& path) {
  return QStringLiteral("click to reverse (the picture %1 is missing: a drawn arrow stands in)")
      .arg(path);
}
inline QString OperateFrame() {
  return QStringLiteral("function F0-F12 operate");
}
inline QString StatusFrame() {
  return QStringLiteral("function F0-F12 status");
}
inline QString OperateFrameTip() {
  return QStringLiteral("F0-F12 keyboard");
}
inline QString StatusFrameTip() {
  return QStringLiteral("click to save status");
}
inline QString FunctionPageTip(bool forward) {
  return forward ? QStringLiteral("next functions") : QStringLiteral("previous functions");
}

// Messages about the loco list and the function names.
inline QString LocoListTitle() {
  return QStringLiteral("new chip");
}
inline QString LocoLimit(const QString& file, int notTaken) {
  return QStringLiteral(
             "%1 holds %2 more locos than the list can take (100); only the first 100 "
             "were loaded, and the file keeps the others.")
      .arg(file)
      .arg(notTaken);
}
inline QString ChipRefused(const QString& chip) {
  if (chip.isEmpty()) {
    return QStringLiteral("Type the decoder's address first: four digits from 0001 to 9999.");
  }
  return QStringLiteral("\"%1\" is no decoder address: type four digits from 0001 to 9999.")
      .arg(chip);
}
inline QString NumberMissing() {
  return QStringLiteral(
      "Type the loco's number below the chip: digits, perhaps after a D or an E.");
}
inline QString ListFull() {
  return QStringLiteral("The list holds 100 locos, as many as it can take.");
}
inline QString LocoFileIncomplete(const QString& file, int line) {
  return QStringLiteral(
             "%1 could not be read from line %2 on. Writing the list now would drop the "
             "locos after it: correct the file, then open the layout again.")
      .arg(file)
      .arg(line);
}
inline QString LocoNotSaved(const QString& reason) {
  return QStringLiteral(
             "The loco is on the list for this run, but the list could not be "
             "written: %1")
      .arg(reason);
}
inline QString FunctionNamesTitle() {
  return QStringLiteral("function F0-F12 status");
}
inline QString FunctionFileIncomplete(const QString& file, int line) {
  return QStringLiteral(
             "%1 could not be read from line %2 on, so it is not rewritten: the latching "
             "settings hold for this run only.")
      .arg(file)
      .arg(line);
}
inline QString FunctionsNotSaved(const QString& reason) {
  return QStringLiteral("The latching settings hold for this run, but could not be kept: %1")
      .arg(reason);
}

}  // namespace kv::texts
