#pragma once

#include <QByteArray>
#include <QMetaType>
#include <array>
#include <cstdint>

namespace kv {

// The USB board's wire format: one 8-byte packet each way. Pure functions, so every byte can be
// checked without a board.
namespace board {
inline constexpr int kVendorId = 0x10CF;
inline constexpr int kProductIdBase = 0x5500;  // + card address 0..3
inline constexpr int kPacketSize = 8;
inline constexpr int kMaxCardAddress = 3;

enum Command : std::uint8_t {
  kReset = 0x00,
  kSetDebounce1 = 0x01,
  kSetDebounce2 = 0x02,
  kResetCounter1 = 0x03,
  kResetCounter2 = 0x04,
  kSetOutputs = 0x05,
};
}  // namespace board

using BoardPacket = std::array<std::uint8_t, board::kPacketSize>;

// Everything an output packet carries besides its command. The board forgets nothing between
// packets, and every packet carries all of it, so the driver keeps it whole.
struct BoardOutputState {
  std::uint8_t digital = 0;  // bit n-1 = digital output n
  std::uint8_t analog1 = 0;
  std::uint8_t analog2 = 0;
  std::uint8_t debounce1 = 0;  // already converted with DebounceByte
  std::uint8_t debounce2 = 0;
  bool operator==(const BoardOutputState&) const = default;
};

// What one input packet says.
struct BoardInputs {
  int digital = 0;  // bit 0 = input 1 ... bit 4 = input 5
  int status = 0;   // card address + 1
  int analog1 = 0;
  int analog2 = 0;
  int counter1 = 0;
  int counter2 = 0;
  bool operator==(const BoardInputs&) const = default;
};

// The output packet for `command` with the whole state; the counter reset bytes are always 0.
BoardPacket EncodePacket(board::Command command, const BoardOutputState& state);

// The packet as hidraw and hidapi write it: a leading report number 00, then the 8 bytes.
QByteArray ReportForWrite(const BoardPacket& packet);

// The debounce byte for a time in ms: round(sqrt(ms / 0.115)), with ms held to 1..7450, so
// 0 ms sends the smallest time the board knows.
std::uint8_t DebounceByte(int ms);

// The inputs of a packet; digital inputs arrive in the board's own bit order.
BoardInputs DecodeInputs(const BoardPacket& packet);

}  // namespace kv

Q_DECLARE_METATYPE(kv::BoardInputs)
