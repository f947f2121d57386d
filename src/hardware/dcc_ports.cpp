#include "hardware/dcc_ports.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>

#include "hardware/dcc_texts.h"

namespace kv {

namespace {

// Lower ranks are numbered first.
int Rank(const QString& name) {
  if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("cu.usbserial"))) {
    return 0;
  }
  if (name.startsWith(QLatin1String("ttyACM")) || name.startsWith(QLatin1String("cu.usbmodem"))) {
    return 1;
  }
  if (name.startsWith(QLatin1String("ttyS"))) return 3;
  return 2;
}

// Compares device names so that ttyUSB2 comes before ttyUSB10.
bool NumberedBefore(const QString& a, const QString& b) {
  auto split = [](const QString& name) {
    qsizetype digits = name.size();
    while (digits > 0 && name.at(digits - 1).isDigit()) --digits;
    return std::pair{name.left(digits), name.mid(digits).toLongLong()};
  };
  const auto [prefixA, numberA] = split(a);
  const auto [prefixB, numberB] = split(b);
  if (prefixA != prefixB) return prefixA < prefixB;
  if (numberA != numberB) return numberA < numberB;
  return a < b;
}

}  // namespace

QStringList OrderSerialDevices(const QStringList& devices) {
  QStringList kept;
  for (const QString& d : devices) {
    // A macOS port shows twice; the tty.* twin waits for a carrier the box never raises.
    if (QFileInfo(d).fileName().startsWith(QLatin1String("tty."))) continue;
    if (!kept.contains(d)) kept << d;
  }
  std::stable_sort(kept.begin(), kept.end(), [](const QString& a, const QString& b) {
    const QString na = QFileInfo(a).fileName();
    const QString nb = QFileInfo(b).fileName();
    if (Rank(na) != Rank(nb)) return Rank(na) < Rank(nb);
    return NumberedBefore(na, nb);
  });
  return kept;
}

QStringList StableSerialOrder(const QList<QPair<QString, QString>>& byId,
                              const QStringList& devices) {
  QStringList links;
  QStringList named;
  for (const auto& [link, device] : byId) {
    if (device.isEmpty()) continue;  // a link left behind by an adapter that has gone
    links << link;
    named << device;
  }
  std::sort(links.begin(), links.end());
  QStringList rest;
  for (const QString& d : devices) {
    if (!named.contains(d)) rest << d;
  }
  return links + OrderSerialDevices(rest);
}

int DccPorts::NumberOf(const QString& device) const {
  for (int n = 1; n <= 255 && !device.isEmpty(); ++n) {
    if (DeviceName(n) == device) return n;
  }
  return 0;
}

QStringList NumberingOf(const QStringList& orderedDevices) {
  QStringList lines;
  for (int i = 0; i < orderedDevices.size(); ++i) {
    lines << QStringLiteral("%1 = %2").arg(i + 1).arg(orderedDevices.at(i));
  }
  return lines;
}

std::unique_ptr<QIODevice> OpenSerialLine(const QString& deviceName) {
  if (deviceName.isEmpty()) return nullptr;
  auto port = std::make_unique<QSerialPort>(deviceName);
  port->setBaudRate(QSerialPort::Baud19200);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  if (!port->open(QIODevice::ReadWrite)) return nullptr;
  // The PC says it is there, as a serial control does by default; a port without modem lines
  // (a pseudo-terminal) refuses this, which does not matter.
  port->setDataTerminalReady(true);
  port->clearError();
  return port;
}

QStringList SystemDccPorts::Devices() const {
  QStringList devices;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    devices << info.systemLocation();
  }
  QList<QPair<QString, QString>> byId;
  const QDir links(QStringLiteral("/dev/serial/by-id"));
  for (const QFileInfo& link :
       links.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
    byId.append({link.absoluteFilePath(), link.canonicalFilePath()});
  }
  return extra_ + StableSerialOrder(byId, devices);
}

QString SystemDccPorts::DeviceName(int number) const {
  if (number < 1 || number > 255) return {};
#ifdef Q_OS_WIN
  return QStringLiteral("COM%1").arg(number);
#else
  const QStringList devices = Devices();
  return number <= devices.size() ? devices.at(number - 1) : QString();
#endif
}

int SystemDccPorts::NumberOf(const QString& device) const {
#ifdef Q_OS_WIN
  return device.startsWith(QLatin1String("COM")) ? qBound(0, device.mid(3).toInt(), 255) : 0;
#else
  const qsizetype i = Devices().indexOf(device);
  return i >= 0 && i < 255 ? int(i) + 1 : 0;
#endif
}

QStringList SystemDccPorts::Numbering() const {
#ifdef Q_OS_WIN
  return {};
#else
  const QStringList devices = Devices();
  if (devices.isEmpty()) return {texts::NoSerialPort()};
  return NumberingOf(devices);
#endif
}

std::unique_ptr<QIODevice> SystemDccPorts::Open(const QString& deviceName) {
  return OpenSerialLine(deviceName);
}

}  // namespace kv
