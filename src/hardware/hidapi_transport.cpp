#include "hardware/hidapi_transport.h"

#ifdef KV_HAVE_HIDAPI

#include <hidapi.h>

namespace kv {

HidapiTransport::~HidapiTransport() {
  Close();
}

bool HidapiTransport::Open(int vendorId, int productId) {
  Close();
  if (hid_init() != 0) return false;
  device_ = hid_open(static_cast<unsigned short>(vendorId), static_cast<unsigned short>(productId),
                     nullptr);
  return device_ != nullptr;
}

void HidapiTransport::Close() {
  if (device_) hid_close(device_);
  device_ = nullptr;
}

bool HidapiTransport::Write(const QByteArray& report) {
  if (!device_) return false;
  const int written = hid_write(device_, reinterpret_cast<const unsigned char*>(report.constData()),
                                static_cast<size_t>(report.size()));
  return written == report.size();
}

int HidapiTransport::Read(std::uint8_t* buffer, int size, int timeoutMs) {
  if (!device_) return -1;
  return hid_read_timeout(device_, buffer, static_cast<size_t>(size), timeoutMs);
}

}  // namespace kv

#endif  // KV_HAVE_HIDAPI
