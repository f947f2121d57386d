#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace kv {

// The raw USB HID link to one board. Open and Close are called while nothing else uses it;
// Write and Read are called from one thread only, never at the same time.
class BoardTransport {
 public:
  virtual ~BoardTransport() = default;
  virtual bool Open(int vendorId, int productId) = 0;
  // Why the last Open failed when the board is there all the same ("" when it is not there).
  virtual QString OpenProblem() const { return {}; }
  virtual void Close() = 0;
  // Writes one report (report number first); false when the device refused it or is gone.
  virtual bool Write(const QByteArray& report) = 0;
  // Reads one report: its length, 0 when none came within `timeoutMs`, -1 when the device
  // failed or is gone.
  virtual int Read(std::uint8_t* buffer, int size, int timeoutMs) = 0;
};

}  // namespace kv
