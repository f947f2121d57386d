#pragma once

#ifdef KV_HAVE_HIDAPI

#include "hardware/board_transport.h"

struct hid_device_;

namespace kv {

// The board's HID link through hidapi (the hidraw backend on Linux).
class HidapiTransport final : public BoardTransport {
 public:
  HidapiTransport() = default;
  ~HidapiTransport() override;
  HidapiTransport(const HidapiTransport&) = delete;
  HidapiTransport& operator=(const HidapiTransport&) = delete;

  bool Open(int vendorId, int productId) override;
  QString OpenProblem() const override { return problem_; }
  void Close() override;
  bool Write(const QByteArray& report) override;
  int Read(std::uint8_t* buffer, int size, int timeoutMs) override;

 private:
  hid_device_* device_ = nullptr;
  QString problem_;
};

}  // namespace kv

#endif  // KV_HAVE_HIDAPI
