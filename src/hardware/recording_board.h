#pragma once

#include <QList>
#include <QSet>
#include <QStringList>

#include "hardware/board_device.h"

namespace kv {

class Scheduler;

// One call of the board library, with the time it was made on the Scheduler.
struct BoardCall {
  qint64 timeMs = 0;
  QString name;
  QList<int> args;
  QList<int> results;  // what it answered or filled in, if anything

  // "WriteAllDigital(6)", "OpenDevice(3) = -1", "ReadAllAnalog() = 12, 34".
  QString Text() const;
};

// A board that exists only in memory, for tests and for runs without hardware. It keeps every
// call with its time, answers at the card addresses it is told (0 unless told otherwise), keeps
// its outputs as a real board would and shows them through outputsChanged. Its inputs are set
// by hand, or wired back from its outputs (loopback) so that a run without hardware shows
// something on the test panel's inputs.
class RecordingBoard final : public BoardDevice {
  Q_OBJECT

 public:
  explicit RecordingBoard(Scheduler& scheduler, QObject* parent = nullptr);

  const QList<BoardCall>& Calls() const { return calls_; }
  // Each call as "time Text()", e.g. "1000 WriteAllDigital(7)".
  QStringList Log() const;
  void ClearCalls() { calls_.clear(); }
  // Every packet a real board would have been sent, in order.
  const QList<BoardPacket>& Packets() const { return packets_; }

  void SetPresentAddresses(const QSet<int>& addresses) { present_ = addresses; }
  void SetInputs(const BoardInputs& inputs) { inputs_ = inputs; }
  // Loopback: inputs 1..5 follow outputs 1..5, the analogue inputs follow the analogue
  // outputs, and the counters count each rise of inputs 1 and 2.
  void SetLoopback(bool on) { loopback_ = on; }
  // Keeps only the newest `calls` calls and packets (0: all), so that a long run without
  // hardware, polled 20 times a second, does not grow without end.
  void SetKeepLimit(int calls) { keepLimit_ = calls; }
  // The board is pulled out: it is lost, and does not open again until it is plugged back in.
  void Unplug() {
    unplugged_ = true;
    Lost();
  }
  void PlugIn() { unplugged_ = false; }

 signals:
  void called(const kv::BoardCall& call);

 protected:
  bool Connect(int cardAddress) override;
  void Disconnect() override {}
  void Send(const BoardPacket& packet) override;
  BoardInputs LatestInputs() const override { return inputs_; }
  void Called(const QString& name, const QList<int>& args, const QList<int>& results) override;

 private:
  void LoopBack(const BoardPacket& packet);

  Scheduler& scheduler_;
  QList<BoardCall> calls_;
  QList<BoardPacket> packets_;
  QSet<int> present_{0};
  BoardInputs inputs_;
  bool loopback_ = false;
  bool unplugged_ = false;
  int keepLimit_ = 0;
};

}  // namespace kv
