#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace kv {

// What a points label's caption names.

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

}  // namespace kv
