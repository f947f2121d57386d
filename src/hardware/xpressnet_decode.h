#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

#include "hardware/xpressnet.h"

namespace kv::xpressnet {

// Reading frames back: what a box (or a stand-in for one) makes of the bytes it receives.

// Bytes in a whole frame with this header: the header, its data bytes and the check.
int FrameLength(std::uint8_t header);

// True when the last byte is the XOR of all before it.
bool CheckOk(const QByteArray& frame);

// Cuts a byte stream into frames by their headers, however the bytes arrive.
class FrameReader {
 public:
  void Feed(const QByteArray& bytes) { pending_ += bytes; }
  // The next whole frame; nothing while the frame begun is not complete.
  std::optional<QByteArray> Next();
  bool HasPartial() const { return !pending_.isEmpty(); }
  // Gives up on an incomplete frame (the line fell silent in the middle of it).
  QByteArray TakePartial();

 private:
  QByteArray pending_;
};

// The loco number of two address bytes (the inverse of LocoAddressOf).
int LocoNumber(LocoAddress loco);

// Speed byte of the 28-step form in words: "stop", "emergency stop" or "step 1".."step 28",
// then "forward" or "reverse".
QString DescribeSpeed(std::uint8_t speed);

// A frame sent to the box, in words: "accessory 12 L on" (the solenoid number and side of the
// points label that fires it), "loco 1234 speed step 5 forward", "loco 3 functions F0-F4: F0
// F2". A frame whose check is wrong is described as such, whatever it holds.
QString Describe(const QByteArray& frame);

// A frame the box sent back, in words: "command sent", "interface version: hardware 1.0,
// software 3.6", "command not supported".
QString DescribeReply(const QByteArray& frame);

// "52 01 88 DB".
QString Hex(const QByteArray& bytes);

}  // namespace kv::xpressnet
