#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace kv {

// What a points label's caption names.

// The leading number of a caption or a signal's coil (blanks before it skipped), 0 to 255, as
// the solenoid number it names is compared; nothing without one ("fixed") or above 255.
std::optional<int> LeadingNumberOf(const QString& text);

// On the relay stack: the caption's leading number (blanks before it skipped), as long as its
// firing number, one more, fits the eight outputs: 0 to 254. Nothing for a caption without a
// leading number or with a larger one.
std::optional<int> RelaySolenoidOf(const QString& caption);

// On "DCC": the accessory number 0 to 255 followed by its side, L or R ("12L"). Nothing when
// the part before the last character is not such a number, or the last character is no side.
struct DccPoint {
  int number = 0;
  QChar side;  // 'L' or 'R'
};
std::optional<DccPoint> DccPointOf(const QString& caption);

// A signal's coil on "DCC": the accessory number followed by A, worked as its first output
// (as a caption ending in L), or B, its second (as R). A coil ending in L or R is taken as a
// caption is.
std::optional<DccPoint> DccCoilOf(const QString& coil);

}  // namespace kv
