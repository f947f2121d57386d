#pragma once

#include <QMutex>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "hardware/board_device.h"
#include "hardware/board_transport.h"

namespace kv {

// The thread that owns the open board's HID link: it writes the queued packets in order and
// reads the input packets in between, so neither a write nor a blocking read holds up the
// window thread. New inputs come back through the queued signal inputsRead.
class UsbBoardIo final : public QThread {
  Q_OBJECT

 public:
  // Reads wait at most `readSliceMs`, which bounds how long a queued write waits.
  UsbBoardIo(BoardTransport& transport, int readSliceMs, QObject* parent = nullptr);
  ~UsbBoardIo() override;

  void Queue(const QByteArray& report);
  // Ends the thread once every packet queued so far is written, and waits for it.
  void Stop();

 signals:
  void inputsRead(const kv::BoardInputs& inputs);
  void failed();

 protected:
  void run() override;

 private:
  // Writes what is queued; false when the device refused a write.
  bool WriteQueued();

  BoardTransport& transport_;
  const int readSliceMs_;
  QMutex mutex_;
  QList<QByteArray> queue_;
  std::atomic<bool> stop_{false};
};

// The real board on USB: product 5500 + card address of vendor 10CF. It keeps the output
// state (every packet carries all of it), writes and reads on its own thread, and answers the
// read calls from the newest input packet. A board that fails or is unplugged is treated as
// no board from then on.
class UsbBoard final : public BoardDevice {
  Q_OBJECT

 public:
  using TransportFactory = std::function<std::unique_ptr<BoardTransport>()>;
  // 2 ms: a written pattern reaches the board within about 2 ms of being asked for.
  static constexpr int kReadSliceMs = 2;

  explicit UsbBoard(TransportFactory makeTransport, QObject* parent = nullptr);
  ~UsbBoard() override;
  int OpenDevice(int cardAddress) override;
  QString OpenProblem() const override { return problem_; }

 protected:
  bool Connect(int cardAddress) override;
  void Disconnect() override;
  void Send(const BoardPacket& packet) override;
  BoardInputs LatestInputs() const override { return inputs_; }

 private:
  TransportFactory makeTransport_;
  std::unique_ptr<BoardTransport> transport_;
  std::unique_ptr<UsbBoardIo> io_;
  BoardInputs inputs_;
  QString problem_;
  // Signals of a link closed since are still queued when it goes: they carry its number.
  int generation_ = 0;
};

}  // namespace kv
