#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kv::xpressnet {

// The messages the DCC box takes, as bytes. A frame is a header byte (high nibble: the command,
// low nibble: how many data bytes follow), the data bytes, and a check byte that is the XOR of
// every byte before it. Pure functions: no port, no state.

// XOR of all the bytes given.
std::uint8_t Check(const QByteArray& bytes);

// `headerAndData` with its check byte appended.
QByteArray Frame(const QByteArray& headerAndData);

// The interface's version request, the first thing sent after opening the port.
QByteArray VersionRequest();

// --- accessory decoders (points and signals) -------------------------------------------------

// Which decoder output a solenoid number names: solenoids 0..3 are the four output pairs of
// decoder address 1, 4..7 those of address 2, and so on up to 255 on address 64.
struct AccessoryTarget {
  std::uint8_t address = 0;  // decoder address byte, 1..64
  std::uint8_t pair = 0;     // output pair 0..3
};
AccessoryTarget AccessoryFor(std::uint8_t solenoid);

// Which output of the pair a points caption ("12L", "7R", or just "L"/"R") asks for: 0 for L,
// 1 for R; R wins when both letters appear. Nothing when the text holds neither letter.
std::optional<std::uint8_t> SideOf(const QString& pointSide);

// The data byte 1000 C BB S: C = output on, BB = the pair, S = the side.
std::uint8_t AccessoryData(bool on, std::uint8_t pair, std::uint8_t side);

// 52 AA DD X.
QByteArray AccessoryMessage(std::uint8_t address, std::uint8_t data);

// --- locos ------------------------------------------------------------------------------------

struct LocoAddress {
  std::uint8_t high = 0;
  std::uint8_t low = 0;
  bool operator==(const LocoAddress&) const = default;
};

// A decoder ("chip") address as its two bytes: below 100 the short form (00, address); 100 to
// 9999 the long form (C0 | address >> 8, address & FF). Nothing outside 0..9999.
std::optional<LocoAddress> LocoAddressOf(int chip);

// The function group that carries function `function`: 0x20 for F0..F4, 0x21 for F5..F8, 0x22
// for F9..F12; nothing for other numbers.
std::optional<std::uint8_t> FunctionGroupOf(int function);

// E4 12 AH AL SS X: speed and direction in 28 steps.
QByteArray LocoSpeedMessage(LocoAddress loco, std::uint8_t speed);
// E4 GG AH AL FF X with GG 0x20, 0x21 or 0x22.
QByteArray FunctionGroupMessage(std::uint8_t group, LocoAddress loco, std::uint8_t functions);
// E5 43 AH AL BH BL X; B = 00 00 dissolves the double header of A.
QByteArray DoubleHeaderMessage(LocoAddress a, LocoAddress b);

// --- the outgoing buffer ----------------------------------------------------------------------

// Every message is written into one 7-byte buffer from its start; what lies behind a shorter
// message is what earlier ones left there. The buffer feeds the caption's byte display.
using Buffer = std::array<std::uint8_t, 7>;
void WriteInto(Buffer* buffer, const QByteArray& message);

// Bytes 0 to 5 of the buffer as decimal numbers joined by single spaces: "82 1 136 219 0 0".
QString FormatLastMessage(const Buffer& buffer);

}  // namespace kv::xpressnet
