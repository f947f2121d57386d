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

std::optional<int> LeadingNumberOf(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && text.at(start) == QLatin1Char(' ')) ++start;
  qsizetype end = start;
  while (end < text.size() && text.at(end) >= QLatin1Char('0') &&
         text.at(end) <= QLatin1Char('9')) {
    ++end;
  }
  return DigitsValue(QStringView(text).mid(start, end - start), kHighestAccessory);
}

std::optional<int> RelaySolenoidOf(const QString& caption) {
  const auto number = LeadingNumberOf(caption);
  if (!number || *number > kHighestRelaySolenoid) return std::nullopt;
  return number;
}

std::optional<DccPoint> DccPointOf(const QString& caption) {
  if (caption.isEmpty()) return std::nullopt;
  const QChar side = caption.back().toUpper();
  if (side != QLatin1Char('L') && side != QLatin1Char('R')) return std::nullopt;
  const auto number = DigitsValue(QStringView(caption).chopped(1).trimmed(), kHighestAccessory);
  if (!number) return std::nullopt;
  return DccPoint{*number, side};
}

std::optional<DccPoint> DccCoilOf(const QString& coil) {
  if (coil.isEmpty()) return std::nullopt;
  const QChar letter = coil.back().toUpper();
  if (letter != QLatin1Char('A') && letter != QLatin1Char('B')) return DccPointOf(coil);
  const auto number = DigitsValue(QStringView(coil).chopped(1).trimmed(), kHighestAccessory);
  if (!number) return std::nullopt;
  return DccPoint{*number, letter == QLatin1Char('A') ? QLatin1Char('L') : QLatin1Char('R')};
}

}  // namespace kv
