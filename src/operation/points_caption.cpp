#include "operation/points_caption.h"

namespace kv {

namespace {
constexpr int kHighestRelaySolenoid = 254;
constexpr int kHighestAccessory = 255;

// The value of a run of digits, or nothing when it is empty or above `limit`.
std::optional<int> DigitsValue(QStringView digits, int limit) {
  if (digits.isEmpty()) return std::nullopt;
  int value = 0;
  for (QChar c : digits) {
    if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
    if (value > limit) return std::nullopt;
  }
  return value;
}
}  // namespace

std::optional<int> RelaySolenoidOf(const QString& caption) {
  qsizetype start = 0;
  while (start < caption.size() && caption.at(start) == QLatin1Char(' ')) ++start;
  qsizetype end = start;
  while (end < caption.size() && caption.at(end) >= QLatin1Char('0') &&
         caption.at(end) <= QLatin1Char('9')) {
    ++end;
  }
  return DigitsValue(QStringView(caption).mid(start, end - start), kHighestRelaySolenoid);
}

std::optional<DccPoint> DccPointOf(const QString& caption) {
  if (caption.isEmpty()) return std::nullopt;
  const QChar side = caption.back().toUpper();
  if (side != QLatin1Char('L') && side != QLatin1Char('R')) return std::nullopt;
  const auto number = DigitsValue(QStringView(caption).chopped(1).trimmed(), kHighestAccessory);
  if (!number) return std::nullopt;
  return DccPoint{*number, side};
}

}  // namespace kv
