#include "panel/label_keys.h"

#include <QByteArray>

#include "layout/code_page.h"
#include "panel/label_texts.h"
#include "panel/panel_items.h"

namespace kv {

namespace {

const QString kDcc = QStringLiteral("DCC");

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
bool EndsInDigit(const QString& text) {
  return !text.isEmpty() && IsDigit(text.back());
}

// The value of the digits the text begins with, as a number typed into a text box reads.
int LeadingNumber(const QString& text) {
  int value = 0;
  for (QChar c : text) {
    if (!IsDigit(c)) break;
    value = qMin(value * 10 + c.digitValue(), 1000000);
  }
  return value;
}

// The label file holds Windows-1252 text between double quotes, one record a line.
bool Storable(QChar key) {
  if (key.unicode() < 0x20 || key == QLatin1Char('"')) return false;
  QByteArray bytes;
  return EncodeCp1252(QString(key), &bytes);
}

// A relay stack numbers its solenoids in pairs, so a points label there is an even number
// below 255; while it is typed, a number that could still grow into one is let through.
bool UsesPairedNumbers(const LabelKeyContext& where) {
  return where.purpose == kPointsLabel && where.controlSystem != kDcc;
}

LabelKeyResult Refuse(const QString& text, const LabelKeyState& state) {
  return LabelKeyResult{true, text, false, state};
}

LabelKeyResult PointsKey(const QString& text, QChar key, const LabelKeyContext& where,
                         const LabelKeyState& before) {
  LabelKeyState state = before;
  LabelKeyResult taken{false, text + key, false, state};
  bool clearPending = false;
  if (IsDigit(key)) {
    if (!text.isEmpty()) {
      if (where.controlSystem.isEmpty()) {
        taken.chooseControlSystem = true;
        taken.state.NumberValue = LeadingNumber(taken.text);
        return taken;
      }
      state.MaxDigits = where.controlSystem == kDcc ? 2 : 3;
      if (text.size() >= state.MaxDigits) {
        clearPending = true;  // the number starts again
      } else if (!EndsInDigit(text)) {
        return Refuse(text, before);
      }
    }
  } else if (key.toUpper() == QLatin1Char('L') || key.toUpper() == QLatin1Char('R')) {
    if (where.controlSystem != kDcc || !EndsInDigit(text)) return Refuse(text, before);
    taken.text = text + key.toUpper();
  } else {
    return Refuse(text, before);
  }
  if (UsesPairedNumbers(where)) {
    state.LastDigit = key.digitValue();
    const int number = LeadingNumber(text + QChar(u'0' + state.LastDigit));
    if (LeadingNumber(text) > 2 && number % 2 == 1) return Refuse(text, before);
    if (number > 254) return Refuse(text, before);
  }
  if (clearPending) taken.text.clear();
  taken.state = state;
  if (UsesPairedNumbers(where)) taken.state.NumberValue = LeadingNumber(taken.text);
  return taken;
}

}  // namespace

LabelKeyResult LabelKeyPress(const QString& text, QChar key, const LabelKeyContext& where,
                             const LabelKeyState& state) {
  if (key == kBackspace) {
    LabelKeyResult taken{false, text.left(text.size() - 1), false, state};
    if (UsesPairedNumbers(where)) taken.state.NumberValue = LeadingNumber(taken.text);
    return taken;
  }
  if (!Storable(key)) return Refuse(text, state);
  switch (where.purpose) {
    case kEntryExit: {
      const bool lower = key >= QLatin1Char('a') && key <= QLatin1Char('z');
      return LabelKeyResult{false, text + (lower ? key.toUpper() : key), false, state};
    }
    case kPointsLabel:
      return PointsKey(text, key, where, state);
    case kGeneralPurpose: {
      const bool lower = !text.isEmpty() && text == text.toUpper() && where.colour == kBlack &&
                         key >= QLatin1Char('A') && key <= QLatin1Char('Z');
      return LabelKeyResult{false, text + (lower ? key.toLower() : key), false, state};
    }
    default:
      return Refuse(text, state);  // no purpose picked: nothing may be typed
  }
}

LabelOkVerdict CheckLabelOk(const QString& text, const LabelKeyContext& where,
                            const LabelKeyState& state) {
  if (where.purpose == kGeneralPurpose && where.colour == kBlack && text == text.toUpper()) {
    return LabelOkVerdict::kToLowerCase;
  }
  if (where.purpose == kPointsLabel && where.controlSystem == kDcc &&
      (text.isEmpty() || text.back().unicode() < 61)) {
    return LabelOkVerdict::kNeedSide;
  }
  if (UsesPairedNumbers(where) && state.NumberValue % 2 == 1) return LabelOkVerdict::kOddNumber;
  return LabelOkVerdict::kAccept;
}

LabelColourVerdict ApplyLabelColourRules(int purpose, std::int32_t colour) {
  if (colour == kRed && purpose != kPointsLabel) return {kBlack, texts::RedIsForPoints()};
  if (purpose == kEntryExit && colour != kBlack) return {kBlack, texts::EntryExitMustBeBlack()};
  if (purpose == kPointsLabel && colour != kRed) return {kRed, texts::PointsMustBeRed()};
  return {colour, QString()};
}

}  // namespace kv
