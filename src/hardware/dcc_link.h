#pragma once

#include <QIODevice>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "hardware/accessory_pulses.h"
#include "hardware/dcc_ports.h"
#include "hardware/modem_status.h"
#include "hardware/xpressnet.h"

namespace kv {

class Session;

// The serial link to the DCC box: choosing and remembering its port, checking that the box
// answers, and the one transmit routine every message goes through. The port stays open for
// the run; when it cannot be opened, or goes away (a USB adapter pulled out), the link is
// off-line: messages are still composed into the buffer, and nothing is written anywhere.
class DccLink : public QObject {
  Q_OBJECT

 public:
  // After opening the port: time for the box and the adapter to settle before the first byte.
  static constexpr int kSettleAfterOpenMs = 1000;
  // How long the version request waits for the first byte of an answer. A USB adapter holds
  // received bytes back for up to 16 ms, and the box takes some ms itself, so the window is
  // generous; the wait ends as soon as a byte arrives.
  static constexpr int kReplyWindowMs = 500;

  explicit DccLink(Session& session, QObject* parent = nullptr);
  ~DccLink() override;

  // Where port numbers lead; the system's serial ports unless a test says otherwise.
  void SetPorts(std::unique_ptr<DccPorts> ports);
  // Tells a port this user may not open from one that is absent; AccessDenied unless a test
  // says otherwise.
  void SetAccessCheck(std::function<bool(const QString&)> denied) {
    accessDenied_ = std::move(denied);
  }

  // port.txt into BoxPort (created when missing; missing or empty is 0, off-line), and back,
  // with the device the number names beside it (portdevice.txt).
  void ReadPortFile();
  void WritePortFile();

  // Opens BoxPort and checks that the box answers the version request. BoxPort leads to the
  // device it named when it was set, wherever the system's numbering has put it since (port.txt
  // then takes the number it has now); when
  // that device is gone nothing else is opened. While the box does not answer, the user is
  // asked for the port again; 0 leaves the link off-line, as does Cancel (for this run
  // only: BoxPort and port.txt keep their number).
  void OpenDccBox();
  // Asks for the port number and saves it; asks again after an answer that is not a port
  // number. False when the user cancelled.
  bool AskBoxPort();

  // The port is open and the box answered.
  bool Online() const { return port_ != nullptr; }

  // Writes `message` into the buffer and, on line, sends exactly its bytes.
  void SendDccMessage(const QByteArray& message);

  // Throws accessory `solenoid` (0..255) to the side named in PointSide. Off-line, or with a
  // number out of range or no side in PointSide, nothing is sent; off-line LastMsgText notes
  // it. True when the throw was queued.
  bool ThrowSolenoidDcc(int solenoid);
  // The pulse itself: on, the pulse time, off, the settling time; queued behind a running one.
  void FireAccessory(std::uint8_t solenoid, std::uint8_t side);
  bool Busy() const { return pulses_.Busy(); }
  int PulseMs() const;

  // The loco messages, composed by the loco window.
  void SendLocoSpeed(xpressnet::LocoAddress loco, std::uint8_t speed);
  void SendFunctionGroup(std::uint8_t group, xpressnet::LocoAddress loco, std::uint8_t functions);
  void SendDoubleHeader(xpressnet::LocoAddress a, xpressnet::LocoAddress b);

  // Waits `seconds` on the monotonic clock while the window goes on handling events.
  void Pause(double seconds);

  // LastMsgText from bytes 0 to 5 of the buffer.
  void FormatLastMessage();
  // The modem state for the caption, refreshing LastMsgText when the bytes are shown.
  ModemStatus ShowModemStatus();

  const xpressnet::Buffer& DccMsg() const { return dccMsg_; }

 signals:
  // The port went away while running; the link is off-line from now on.
  void linkLost();
  // Every message as it went to the box (sent) or, off-line, as it would have gone.
  void messageOut(const QByteArray& message, bool sent);
  // Bytes the box sent back, as they arrived.
  void bytesIn(const QByteArray& bytes);

 private:
  // The device BoxPort leads to: the remembered one while it is there ("" when it is gone),
  // else the one its number names now.
  QString BoxDevice();
  // Opens `deviceName` and sends the version request; the open port when something answers.
  std::unique_ptr<QIODevice> ProbeBox(const QString& deviceName);
  void Adopt(std::unique_ptr<QIODevice> port);
  void OnLost();
  void ShowConnected();
  // Off-line: the frames a throw would have sent, for whoever watches.
  void ShowUnsentThrow(std::uint8_t solenoid, std::uint8_t side);

  Session& session_;
  std::unique_ptr<DccPorts> ports_;
  std::function<bool(const QString&)> accessDenied_;
  QString deniedDevice_;  // the port last tried is there, but this user may not open it
  std::unique_ptr<QIODevice> port_;
  QString boxDevice_;  // the device BoxPort named when it was set ("" where not known)
  xpressnet::Buffer dccMsg_{};
  AccessoryPulses pulses_;
};

// A port number as typed in the prompt: a number 0 to 255, a fraction rounded half to even.
std::optional<std::uint8_t> ParsePortAnswer(const QString& answer);

}  // namespace kv
