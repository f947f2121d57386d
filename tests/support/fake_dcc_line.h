#pragma once

#include <QIODevice>
#include <QList>
#include <QPointer>
#include <memory>

#include "base/scheduler.h"
#include "hardware/dcc_ports.h"

namespace kv::test {

// What went over a fake serial line, kept after the link has let go of the device.
struct FakeLineLog {
  struct Write {
    qint64 atMs = 0;
    QByteArray bytes;
  };
  QList<Write> writes;
  QStringList opened;     // devices opened, in order
  bool answers = true;    // the box answers the version request
  int answerAfterMs = 5;  // ... this late
  QStringList refuse;     // devices that fail to open

  QList<QByteArray> Bytes() const {
    QList<QByteArray> out;
    for (const Write& w : writes) out << w.bytes;
    return out;
  }
  QList<qint64> Times() const {
    QList<qint64> out;
    for (const Write& w : writes) out << w.atMs;
    return out;
  }
};

// A serial line on the virtual clock.
class FakeSerialLine final : public QIODevice {
 public:
  FakeSerialLine(Scheduler& scheduler, std::shared_ptr<FakeLineLog> log)
      : scheduler_(scheduler), log_(std::move(log)) {
    open(QIODevice::ReadWrite);
  }
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override { return incoming_.size() + QIODevice::bytesAvailable(); }

  // The adapter is pulled out: writes fail from now on; `tell` reports it as a port does.
  void Unplug(bool tell) {
    unplugged_ = true;
    if (tell) emit readChannelFinished();
  }

 protected:
  qint64 readData(char* data, qint64 max) override {
    const qint64 n = qMin<qint64>(max, incoming_.size());
    memcpy(data, incoming_.constData(), static_cast<size_t>(n));
    incoming_.remove(0, n);
    return n;
  }
  qint64 writeData(const char* data, qint64 size) override {
    if (unplugged_) return -1;
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    log_->writes.append({scheduler_.NowMs(), bytes});
    if (bytes == QByteArray("\xF0\xF0", 2) && log_->answers) {
      QPointer<FakeSerialLine> self(this);
      scheduler_.After(log_->answerAfterMs, [self]() {
        if (!self) return;
        self->incoming_ += QByteArray("\x02\x10\x36\x24", 4);
        emit self->readyRead();
      });
    }
    return size;
  }

 private:
  Scheduler& scheduler_;
  std::shared_ptr<FakeLineLog> log_;
  QByteArray incoming_;
  bool unplugged_ = false;
};

// Ports 1..n lead to fake lines named /dev/fake0 ...; the last line opened is kept for tests.
class FakeDccPorts final : public DccPorts {
 public:
  FakeDccPorts(Scheduler& scheduler, std::shared_ptr<FakeLineLog> log, int count = 2)
      : scheduler_(scheduler), log_(std::move(log)), count_(count) {}

  QString DeviceName(int number) const override {
    return number >= 1 && number <= count_ ? QStringLiteral("/dev/fake%1").arg(number - 1)
                                           : QString();
  }
  QStringList Numbering() const override {
    QStringList devices;
    for (int i = 1; i <= count_; ++i) devices << DeviceName(i);
    return NumberingOf(devices);
  }
  std::unique_ptr<QIODevice> Open(const QString& deviceName) override {
    if (deviceName.isEmpty() || log_->refuse.contains(deviceName)) return nullptr;
    log_->opened << deviceName;
    auto line = std::make_unique<FakeSerialLine>(scheduler_, log_);
    last_ = line.get();
    return line;
  }
  FakeSerialLine* Last() const { return last_; }

 private:
  Scheduler& scheduler_;
  std::shared_ptr<FakeLineLog> log_;
  int count_;
  QPointer<FakeSerialLine> last_;
};

}  // namespace kv::test
