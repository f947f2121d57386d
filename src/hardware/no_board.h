#pragma once

#include "hardware/board_device.h"

namespace kv {

// No board at all: OpenDevice answers -1, and every other call does nothing.
class NoBoard final : public BoardDevice {
  Q_OBJECT

 public:
  using BoardDevice::BoardDevice;

 protected:
  bool Connect(int) override { return false; }
  void Disconnect() override {}
  void Send(const BoardPacket&) override {}
  BoardInputs LatestInputs() const override { return {}; }
};

}  // namespace kv
