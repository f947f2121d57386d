#include "hardware/board_protocol.h"

#include <algorithm>
#include <cmath>

namespace kv {

BoardPacket EncodePacket(board::Command command, const BoardOutputState& state) {
  return BoardPacket{command, state.digital, state.analog1,   state.analog2,
                     0x00,    0x00,          state.debounce1, state.debounce2};
}

QByteArray ReportForWrite(const BoardPacket& packet) {
  QByteArray report(1, '\0');
  report.append(reinterpret_cast<const char*>(packet.data()), board::kPacketSize);
  return report;
}

std::uint8_t DebounceByte(int ms) {
  const int limited = std::clamp(ms, 1, 7450);
  return static_cast<std::uint8_t>(std::lround(std::sqrt(limited / 0.115)));
}

BoardInputs DecodeInputs(const BoardPacket& packet) {
  // Input n sits at this bit of byte 0.
  static constexpr int kWireBit[5] = {4, 5, 0, 6, 7};
  BoardInputs in;
  for (int i = 0; i < 5; ++i) {
    if (packet[0] & (1 << kWireBit[i])) in.digital |= 1 << i;
  }
  in.status = packet[1];
  in.analog1 = packet[2];
  in.analog2 = packet[3];
  in.counter1 = packet[4] | (packet[5] << 8);
  in.counter2 = packet[6] | (packet[7] << 8);
  return in;
}

}  // namespace kv
