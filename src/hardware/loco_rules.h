#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "layout/loco_files.h"

namespace kv {

// The rules of the loco window that need no window: what the add-loco boxes take, how the
// list is ordered, the function boxes' captions and the function groups' bytes.

// txtChip after an edit: digits only, at most four. Nothing when the edit is refused.
std::optional<QString> ChipAfterEdit(const QString& edited);
// txtLoco after an edit: digits, with one letter D or E allowed only as the first character
// (typed in lower case it is taken in upper case). Nothing when the edit is refused.
std::optional<QString> LocoNumberAfterEdit(const QString& edited);
// A whole loco number: at least one digit, perhaps after a D or an E.
bool IsLocoNumber(const QString& number);

// A loco as the list shows it: "47123 0100" (number, space, chip).
QString LocoItemText(const LocoRecord& loco);
// Where `loco` goes in `locos`, kept in the list's order: by item text regardless of case, a
// loco after those that read the same.
int SortedPosition(const QList<LocoRecord>& locos, const LocoRecord& loco);

// A function box's caption: "F0   ON " or "F0   OFF", then a space and the label if any.
QString FunctionCaption(int function, bool on, const QString& label);
// The label of a stored caption: the text after its "F<n>   ON " or "F<n>   OFF" (one space
// after it dropped), or the whole caption when it has no such start; at most 20 characters.
QString FunctionLabel(const QString& storedCaption);
inline constexpr int kMaxLabel = 20;

// The data byte of function group `group` (0x20, 0x21, 0x22) from the on/off state of F0..F12:
// 0x20 carries F0 in bit 4 and F1..F4 in bits 0..3, 0x21 F5..F8 and 0x22 F9..F12 in bits 0..3.
using FunctionStates = std::array<bool, kFunctionCount>;
std::uint8_t GroupByte(const FunctionStates& on, std::uint8_t group);

}  // namespace kv
