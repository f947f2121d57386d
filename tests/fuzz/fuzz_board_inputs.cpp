// The USB board's input decoder: any 8-byte report decodes to inputs the board can have.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "hardware/board_protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at + kv::board::kPacketSize <= size; at += kv::board::kPacketSize) {
    kv::BoardPacket packet{};
    std::memcpy(packet.data(), data + at, kv::board::kPacketSize);
    const kv::BoardInputs in = kv::DecodeInputs(packet);
    const bool possible = in.digital >= 0 && in.digital < 32 && in.status == packet[1] &&
                          in.analog1 == packet[2] && in.analog2 == packet[3] && in.counter1 >= 0 &&
                          in.counter1 < 65536 && in.counter2 >= 0 && in.counter2 < 65536;
    // Every digital input bit comes from exactly one wire bit: the count of set bits agrees.
    const int wireBits = __builtin_popcount(packet[0] & 0xF1);
    if (!possible || __builtin_popcount(unsigned(in.digital)) != wireBits) std::abort();
  }
  return 0;
}
