#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

namespace kv {

// The serial ports the DCC box may hang on, by the number the user types in the port prompt.
// The link asks this for a device and talks to whatever it opens, so tests can put a
// pseudo-terminal or a recording device in the place of a real port.
class DccPorts {
 public:
  virtual ~DccPorts() = default;

  // The device that port `number` (1..255) names; "" when there is none.
  virtual QString DeviceName(int number) const = 0;

  // The number that names `device` now; 0 when it is not there.
  virtual int NumberOf(const QString& device) const;

  // What the numbers mean, one line a port ("1 = /dev/ttyUSB0"), for the port prompt; empty
  // where the number names the port itself (COM1, COM2 ... on Windows).
  virtual QStringList Numbering() const = 0;

  // Opens the device for reading and writing at 19200 baud, 8 data bits, no parity, 1 stop bit,
  // no flow control. Nothing when it cannot be opened.
  virtual std::unique_ptr<QIODevice> Open(const QString& deviceName) = 0;
};

// Opens a serial device as the DCC box wants it; nothing when it cannot be opened.
std::unique_ptr<QIODevice> OpenSerialLine(const QString& deviceName);

// The serial ports of this computer. On Windows port n is COMn. Elsewhere the ports the system
// has are numbered from 1 in a stable order: adapters by their persistent names
// (/dev/serial/by-id), then the others, USB adapters first, so that a small number reaches the
// adapter a DCC box is usually plugged into.
class SystemDccPorts final : public DccPorts {
 public:
  // `extra` devices, which the system does not list (a pseudo-terminal), are numbered first;
  // not on Windows, where numbers name the ports themselves.
  explicit SystemDccPorts(QStringList extra = {}) : extra_(std::move(extra)) {}
  QString DeviceName(int number) const override;
  int NumberOf(const QString& device) const override;
  QStringList Numbering() const override;
  std::unique_ptr<QIODevice> Open(const QString& deviceName) override;

 private:
  QStringList Devices() const;
  QStringList extra_;
};

// The order in which serial devices are numbered: USB-serial adapters (ttyUSB, then ttyACM, and
// their macOS counterparts) before built-in ports, each kind by its number (ttyUSB2 before
// ttyUSB10). On macOS only the call-out devices (cu.*) are kept.
QStringList OrderSerialDevices(const QStringList& devices);

// The numbering order where adapters have persistent names: the names (`byId`: each link with
// the device it leads to) in their own order, which does not change with the order adapters
// were plugged in, then the devices no name leads to, in OrderSerialDevices' order. A name that
// leads to no device ("") is left out.
QStringList StableSerialOrder(const QList<QPair<QString, QString>>& byId,
                              const QStringList& devices);

// "1 = /dev/ttyUSB0", one line for each device in order.
QStringList NumberingOf(const QStringList& orderedDevices);

}  // namespace kv
