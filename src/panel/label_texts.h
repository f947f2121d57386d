#pragma once

#include <QString>

namespace kv::texts {

// Texts of the Label Dialog (Form1b).

inline QString LabelDialogTitle() {
  return QStringLiteral("Label Dialog");
}
inline QString LabelPrompt() {
  return QStringLiteral("Select the purpose of this label, then enter the text required.");
}
inline QString LabelFontHint() {
  return QStringLiteral("You may select the Font for this label by clicking Font below");
}

// The purposes, by the index of their option. The points option names what its number is on
// the control system in use.
inline QString LabelPurposeCaption(int purpose, const QString& controlSystem) {
  switch (purpose) {
    case 0:
      return QStringLiteral("Entrance / Exit location");
    case 1:
      return controlSystem == QLatin1String("DCC")
                 ? QStringLiteral("Points location label [No. + L or R]")
                 : QStringLiteral("Solenoid No. [NOT odd]");
    default:
      return QStringLiteral("General purpose");
  }
}

inline QString LabelButtonCaption(int index) {
  switch (index) {
    case 0:
      return QStringLiteral("OK");
    case 1:
      return QStringLiteral("Font");
    default:
      return QStringLiteral("Cancel");
  }
}

// The colour rules after the font dialog.
inline QString RedIsForPoints() {
  return QStringLiteral("Red is reserved for Point Labels");
}
inline QString EntryExitMustBeBlack() {
  return QStringLiteral("Entrance / Exit Labels MUST be Black");
}
inline QString PointsMustBeRed() {
  return QStringLiteral("Solenoid location labels MUST be Red");
}

inline QString FontNotStorable(const QString& reason) {
  return QStringLiteral("The font's name cannot be kept in a layout: %1. The label keeps its font.")
      .arg(reason);
}

// The rules of OK.
inline QString UpperCaseIsForEntryExit() {
  return QStringLiteral(
      "Black text All Upper Case is Reserved for Entrance / Exit Labels\r\n"
      "Text converted to Lower Case");
}
inline QString NeedSide() {
  return QStringLiteral("Need 'L' or 'R' on end of Number");
}

}  // namespace kv::texts
