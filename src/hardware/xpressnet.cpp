#include "hardware/xpressnet.h"

#include <QStringList>

namespace kv::xpressnet {

namespace {
QByteArray Bytes(std::initializer_list<std::uint8_t> values) {
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(values.size()));
  for (std::uint8_t v : values) bytes.append(static_cast<char>(v));
  return bytes;
}
}  // namespace

std::uint8_t Check(const QByteArray& bytes) {
  std::uint8_t x = 0;
  for (char c : bytes) x ^= static_cast<std::uint8_t>(c);
  return x;
}

QByteArray Frame(const QByteArray& headerAndData) {
  return headerAndData + static_cast<char>(Check(headerAndData));
}

QByteArray VersionRequest() {
  return Frame(Bytes({0xF0}));
}

AccessoryTarget AccessoryFor(std::uint8_t solenoid) {
  const int n = solenoid + 4;
  return {static_cast<std::uint8_t>(n / 4), static_cast<std::uint8_t>(n % 4)};
}

std::optional<std::uint8_t> SideOf(const QString& pointSide) {
  // Captions come from labels typed by hand; a lower-case letter means the same side.
  if (pointSide.contains(QLatin1Char('R'), Qt::CaseInsensitive)) return 1;
  if (pointSide.contains(QLatin1Char('L'), Qt::CaseInsensitive)) return 0;
  return std::nullopt;
}

std::uint8_t AccessoryData(bool on, std::uint8_t pair, std::uint8_t side) {
  return static_cast<std::uint8_t>(0x80 | (on ? 0x08 : 0) | ((pair & 3) << 1) | (side & 1));
}

QByteArray AccessoryMessage(std::uint8_t address, std::uint8_t data) {
  return Frame(Bytes({0x52, address, data}));
}

std::optional<LocoAddress> LocoAddressOf(int chip) {
  if (chip < 0 || chip > 9999) return std::nullopt;
  if (chip < 100) return LocoAddress{0, static_cast<std::uint8_t>(chip)};
  return LocoAddress{static_cast<std::uint8_t>(0xC0 | (chip >> 8)),
                     static_cast<std::uint8_t>(chip & 0xFF)};
}

std::optional<std::uint8_t> FunctionGroupOf(int function) {
  if (function >= 0 && function <= 4) return 0x20;
  if (function >= 5 && function <= 8) return 0x21;
  if (function >= 9 && function <= 12) return 0x22;
  return std::nullopt;
}

QByteArray LocoSpeedMessage(LocoAddress loco, std::uint8_t speed) {
  return Frame(Bytes({0xE4, 0x12, loco.high, loco.low, speed}));
}

QByteArray FunctionGroupMessage(std::uint8_t group, LocoAddress loco, std::uint8_t functions) {
  return Frame(Bytes({0xE4, group, loco.high, loco.low, functions}));
}

QByteArray DoubleHeaderMessage(LocoAddress a, LocoAddress b) {
  return Frame(Bytes({0xE5, 0x43, a.high, a.low, b.high, b.low}));
}

void WriteInto(Buffer* buffer, const QByteArray& message) {
  const auto n = std::min<std::size_t>(buffer->size(), static_cast<std::size_t>(message.size()));
  for (std::size_t i = 0; i < n; ++i) {
    (*buffer)[i] = static_cast<std::uint8_t>(message.at(static_cast<qsizetype>(i)));
  }
}

QString FormatLastMessage(const Buffer& buffer) {
  QStringList parts;
  for (std::size_t i = 0; i < 6; ++i) parts << QString::number(buffer[i]);
  return parts.join(QLatin1Char(' '));
}

}  // namespace kv::xpressnet
