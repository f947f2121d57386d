#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

namespace kv {

// The purposes a label can have: the index of Option1 in the Label Dialog.
enum LabelPurpose : int {
  kNoPurpose = -1,   // none picked yet, or the dialog cancelled
  kEntryExit = 0,    // names an end of a route: black, upper case
  kPointsLabel = 1,  // names a solenoid: red, a number (with L or R on DCC)
  kGeneralPurpose = 2,
};

// What the key rules carry from one key to the next while the dialog is open.
struct LabelKeyState {
  int NumberValue = 0;  // the solenoid number the points text forms; odd ones are not accepted
  int MaxDigits = 0;    // digits a points number may have on the system in use
  int LastDigit = 0;    // the digit typed last
};

// Where a key lands: the label's purpose, the control system and the preview's colour.
struct LabelKeyContext {
  int purpose = kNoPurpose;
  QString controlSystem;
  std::int32_t colour = 0;
};

struct LabelKeyResult {
  bool refused = false;  // the key is dropped with a beep; text and state stay as they were
  QString text;          // the text once the key is taken
  // The control system is not chosen yet: ask for it (message 16), then take the key.
  bool chooseControlSystem = false;
  LabelKeyState state;
};

inline constexpr QChar kBackspace = QChar(8);

// Text1_KeyPress: one key typed at the end of `text`. Backspace always takes off the last
// character. A key the label file cannot hold (a double quote, a character outside Windows-1252,
// a control character) is refused whatever the purpose.
LabelKeyResult LabelKeyPress(const QString& text, QChar key, const LabelKeyContext& where,
                             const LabelKeyState& state);

// What OK does with the text as it stands.
enum class LabelOkVerdict {
  kAccept,
  kToLowerCase,  // black general text all in upper case: lowered, and the user told why
  kNeedSide,     // a DCC points number without its L or R
  kOddNumber,    // a relay-stack solenoid number that is odd: a beep
};
LabelOkVerdict CheckLabelOk(const QString& text, const LabelKeyContext& where,
                            const LabelKeyState& state);

// The colour rules after the font dialog: the colour the purpose allows, and the message that
// explains a change ("" when the colour stands).
struct LabelColourVerdict {
  std::int32_t colour = 0;
  QString message;
};
LabelColourVerdict ApplyLabelColourRules(int purpose, std::int32_t colour);

}  // namespace kv
