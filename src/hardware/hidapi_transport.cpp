#include "hardware/hidapi_transport.h"

#ifdef KV_HAVE_HIDAPI

#include <hidapi.h>

#include "hardware/access_texts.h"
#include "hardware/board_texts.h"
#include "hardware/port_access.h"

namespace kv {

HidapiTransport::~HidapiTransport() {
  Close();
}

bool HidapiTransport::Open(int vendorId, int productId) {
  Close();
  problem_.clear();
  if (hid_init() != 0) return false;
  const auto vendor = static_cast<unsigned short>(vendorId);
  const auto product = static_cast<unsigned short>(productId);
  device_ = hid_open(vendor, product, nullptr);
  if (device_) return true;
  // Listed but not opened: most often the user may not use the device file.
  if (hid_device_info* found = hid_enumerate(vendor, product)) {
    const QString path = QString::fromLocal8Bit(found->path);
    problem_ = AccessDenied(path) ? texts::BoardDenied(path) : texts::BoardNotOpened(path);
    hid_free_enumeration(found);
  }
  return false;
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
