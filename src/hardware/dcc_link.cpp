#include "hardware/dcc_link.h"

#include <QRegularExpression>
#include <QSerialPort>
#include <cmath>

#include "base/dialog_texts.h"
#include "base/session.h"
#include "hardware/access_texts.h"
#include "hardware/dcc_texts.h"
#include "hardware/port_access.h"
#include "layout/port_file.h"

namespace kv {

std::optional<std::uint8_t> ParsePortAnswer(const QString& answer) {
  static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
  const QString text = answer.trimmed();
  if (!number.match(text).hasMatch()) return std::nullopt;
  const double rounded = std::nearbyint(text.toDouble());
  if (!(rounded >= 0 && rounded <= 255)) return std::nullopt;
  return static_cast<std::uint8_t>(rounded);
}

DccLink::DccLink(Session& session, QObject* parent)
    : QObject(parent),
      session_(session),
      ports_(std::make_unique<SystemDccPorts>()),
      accessDenied_(AccessDenied),
      pulses_(session.scheduler, [this](const QByteArray& m) { SendDccMessage(m); }) {}

DccLink::~DccLink() = default;

void DccLink::SetPorts(std::unique_ptr<DccPorts> ports) {
  ports_ = std::move(ports);
}

void DccLink::ReadPortFile() {
  session_.model.BoxPort = kv::ReadPortFile(session_.folder);
  boxDevice_ = ReadPortDeviceFile(session_.folder);
}

void DccLink::WritePortFile() {
  QString error;
  // The device first: should port.txt then fail, the next start still opens what was chosen.
  if (!WritePortDeviceFile(session_.folder, boxDevice_, &error) ||
      !kv::WritePortFile(session_.folder, session_.model.BoxPort, &error)) {
    session_.dialogs.MessageBox(texts::SettingNotSaved(error), msg::kCritical,
                                texts::SettingNotSavedTitle());
  }
}

void DccLink::OpenDccBox() {
  LayoutModel& m = session_.model;
  if (port_) OnLost();  // a second connection starts from a closed port
  deniedDevice_.clear();
  while (!session_.Ended()) {
    if (m.BoxPort > 0) {
      const std::uint8_t stored = m.BoxPort;
      const QString device = BoxDevice();
      if (auto port = ProbeBox(device)) {
        if (device != boxDevice_) {
          // First found by its number alone: from now on the number means this device.
          boxDevice_ = device;
          WritePortDeviceFile(session_.folder, boxDevice_);
        }
        // Found under another number: port.txt takes it, so the two files agree.
        if (m.BoxPort != stored) kv::WritePortFile(session_.folder, m.BoxPort);
        Adopt(std::move(port));
        ShowConnected();
        return;
      }
    }
    // Cancel leaves the link off-line for this run only: BoxPort keeps its number, so the
    // relay stack of "DCC + DC" still fires, and port.txt keeps it for the next start.
    if (!AskBoxPort()) return;
    if (m.BoxPort == 0) return;
  }
}

bool DccLink::AskBoxPort() {
  LayoutModel& m = session_.model;
  QStringList numbering = ports_->Numbering();
  // With the box's device gone, its old number may now lead to another device: offer 0.
  int offered = m.BoxPort;
  if (!boxDevice_.isEmpty() && ports_->NumberOf(boxDevice_) == 0) {
    numbering.prepend(texts::BoxDeviceGone(boxDevice_));
    offered = 0;
  }
  QString prompt = texts::BoxPortPrompt(numbering);
  QString title = texts::BoxPortTitle();
  if (!deniedDevice_.isEmpty()) {
    // Not a box that is off or unplugged: name the fix instead.
    prompt.prepend(texts::PortDenied(m.BoxPort, deniedDevice_, DeviceGroup(deniedDevice_)));
    title = texts::PortDeniedTitle();
  }
  while (true) {
    const QString answer = session_.dialogs.InputBox(prompt, title, QString::number(offered));
    if (answer.isEmpty()) return false;
    if (const auto port = ParsePortAnswer(answer)) {
      m.BoxPort = *port;
      boxDevice_ = m.BoxPort > 0 ? ports_->DeviceName(m.BoxPort) : QString();
      WritePortFile();
      return true;
    }
    session_.dialogs.MessageBox(texts::NotAPortNumber(answer), msg::kCritical, title);
  }
}

QString DccLink::BoxDevice() {
  LayoutModel& m = session_.model;
  if (boxDevice_.isEmpty()) return ports_->DeviceName(m.BoxPort);
  const int now = ports_->NumberOf(boxDevice_);
  if (now == 0) return {};
  m.BoxPort = static_cast<std::uint8_t>(now);  // so the prompt offers the number it has now
  return boxDevice_;
}

std::unique_ptr<QIODevice> DccLink::ProbeBox(const QString& deviceName) {
  std::unique_ptr<QIODevice> port = ports_->Open(deviceName);
  deniedDevice_ = !port && accessDenied_ && accessDenied_(deviceName) ? deviceName : QString();
  if (!port) return nullptr;
  if (auto* serial = qobject_cast<QSerialPort*>(port.get())) serial->clear();
  Pause(kSettleAfterOpenMs / 1000.0);
  port->readAll();  // what came while settling is no answer to the request
  const QByteArray request = xpressnet::VersionRequest();
  xpressnet::WriteInto(&dccMsg_, request);
  port->write(request);
  emit messageOut(request, true);
  if (auto* serial = qobject_cast<QSerialPort*>(port.get())) serial->flush();
  QIODevice* device = port.get();
  if (!session_.scheduler.WaitFor(kReplyWindowMs,
                                  [device]() { return device->bytesAvailable() > 0; })) {
    return nullptr;
  }
  return port;
}

void DccLink::Adopt(std::unique_ptr<QIODevice> port) {
  port_ = std::move(port);
  QIODevice* device = port_.get();
  if (const QByteArray answer = device->readAll(); !answer.isEmpty()) emit bytesIn(answer);
  // Nothing the box sends back is interpreted; it is read so that it does not pile up, and
  // shown to whoever watches.
  connect(device, &QIODevice::readyRead, this, [this, device]() {
    if (const QByteArray bytes = device->readAll(); !bytes.isEmpty()) emit bytesIn(bytes);
  });
  connect(device, &QIODevice::readChannelFinished, this, &DccLink::OnLost);
  if (auto* serial = qobject_cast<QSerialPort*>(device)) {
    connect(serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
      if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError ||
          e == QSerialPort::WriteError) {
        OnLost();
      }
    });
  }
}

void DccLink::OnLost() {
  if (!port_) return;
  // The port may be in the middle of reporting its error: close it once that has returned.
  QIODevice* port = port_.release();
  port->disconnect(this);
  port->setParent(this);
  port->deleteLater();
  pulses_.Clear();
  emit linkLost();
}

void DccLink::ShowConnected() {
  const LayoutModel& m = session_.model;
  session_.dialogs.MessageBox(texts::BoxConnected(m.BoxPort), msg::kOkOnly | msg::kInformation,
                              texts::BoxConnectedTitle(m.ControlSystem));
}

void DccLink::SendDccMessage(const QByteArray& message) {
  xpressnet::WriteInto(&dccMsg_, message);
  if (!port_) {
    emit messageOut(message, false);
    return;
  }
  // Only the message's own bytes: whatever lies behind it in the buffer would reach the box as
  // the start of another command.
  if (port_->write(message) != message.size()) {
    OnLost();
    emit messageOut(message, false);
    return;
  }
  if (auto* serial = qobject_cast<QSerialPort*>(port_.get())) serial->flush();
  emit messageOut(message, true);
}

int DccLink::PulseMs() const {
  return AccessoryPulseMs(session_.model.ControlSystem, session_.model.DwellTime);
}

bool DccLink::ThrowSolenoidDcc(int solenoid) {
  const auto side = xpressnet::SideOf(session_.model.PointSide);
  if (!Online()) {
    session_.model.LastMsgText = texts::ModemOff();
    if (solenoid >= 0 && solenoid <= 255 && side) {
      ShowUnsentThrow(static_cast<std::uint8_t>(solenoid), *side);
    }
    return false;
  }
  if (solenoid < 0 || solenoid > 255 || !side) return false;
  FireAccessory(static_cast<std::uint8_t>(solenoid), *side);
  return true;
}

void DccLink::FireAccessory(std::uint8_t solenoid, std::uint8_t side) {
  if (!Online()) {
    session_.model.LastMsgText = texts::ModemOff();
    ShowUnsentThrow(solenoid, side);
    return;
  }
  pulses_.Queue(solenoid, side, PulseMs());
}

void DccLink::ShowUnsentThrow(std::uint8_t solenoid, std::uint8_t side) {
  // Not composed into the buffer: off-line the caption keeps "Li101F modem OFF".
  const xpressnet::AccessoryTarget target = xpressnet::AccessoryFor(solenoid);
  for (const bool on : {true, false}) {
    const std::uint8_t data = xpressnet::AccessoryData(on, target.pair, side);
    emit messageOut(xpressnet::AccessoryMessage(target.address, data), false);
  }
}

void DccLink::SendLocoSpeed(xpressnet::LocoAddress loco, std::uint8_t speed) {
  SendDccMessage(xpressnet::LocoSpeedMessage(loco, speed));
}

void DccLink::SendFunctionGroup(std::uint8_t group, xpressnet::LocoAddress loco,
                                std::uint8_t functions) {
  SendDccMessage(xpressnet::FunctionGroupMessage(group, loco, functions));
}

void DccLink::SendDoubleHeader(xpressnet::LocoAddress a, xpressnet::LocoAddress b) {
  SendDccMessage(xpressnet::DoubleHeaderMessage(a, b));
}

void DccLink::Pause(double seconds) {
  const double ms = std::isfinite(seconds) ? std::max(0.0, seconds * 1000.0) : 0.0;
  session_.scheduler.WaitFor(std::llround(ms));
}

void DccLink::FormatLastMessage() {
  session_.model.LastMsgText = xpressnet::FormatLastMessage(dccMsg_);
}

ModemStatus DccLink::ShowModemStatus() {
  const LayoutModel& m = session_.model;
  if (Online() && m.ShowBytes) FormatLastMessage();
  return ModemStatusFor(Online(), m.ShowBytes, m.LastMsgText);
}

}  // namespace kv
