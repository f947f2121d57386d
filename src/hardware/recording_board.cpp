#include "hardware/recording_board.h"

#include "base/scheduler.h"

namespace kv {

namespace {
QString Joined(const QList<int>& values) {
  QStringList parts;
  for (int v : values) parts << QString::number(v);
  return parts.join(QStringLiteral(", "));
}
}  // namespace

QString BoardCall::Text() const {
  QString text = name + QLatin1Char('(') + Joined(args) + QLatin1Char(')');
  if (!results.isEmpty()) text += QStringLiteral(" = ") + Joined(results);
  return text;
}

RecordingBoard::RecordingBoard(Scheduler& scheduler, QObject* parent)
    : BoardDevice(parent), scheduler_(scheduler) {}

QStringList RecordingBoard::Log() const {
  QStringList lines;
  for (const BoardCall& call : calls_)
    lines << QString::number(call.timeMs) + QLatin1Char(' ') + call.Text();
  return lines;
}

bool RecordingBoard::Connect(int cardAddress) {
  if (unplugged_ || !present_.contains(cardAddress)) return false;
  inputs_.status = cardAddress + 1;
  return true;
}

void RecordingBoard::Send(const BoardPacket& packet) {
  packets_ << packet;
  if (keepLimit_ > 0 && packets_.size() > keepLimit_) packets_.removeFirst();
  if (loopback_) LoopBack(packet);
}

void RecordingBoard::LoopBack(const BoardPacket& packet) {
  switch (packet[0]) {
    case board::kResetCounter1:
      inputs_.counter1 = 0;
      return;
    case board::kResetCounter2:
      inputs_.counter2 = 0;
      return;
    case board::kReset:
    case board::kSetOutputs: {
      const int digital = packet[1] & 0x1F;
      const int rose = digital & ~inputs_.digital;
      if (rose & 1) inputs_.counter1 = (inputs_.counter1 + 1) & 0xFFFF;
      if (rose & 2) inputs_.counter2 = (inputs_.counter2 + 1) & 0xFFFF;
      inputs_.digital = digital;
      inputs_.analog1 = packet[2];
      inputs_.analog2 = packet[3];
      return;
    }
    default:
      return;
  }
}

void RecordingBoard::Called(const QString& name, const QList<int>& args,
                            const QList<int>& results) {
  calls_.append(BoardCall{scheduler_.NowMs(), name, args, results});
  if (keepLimit_ > 0 && calls_.size() > keepLimit_) calls_.removeFirst();
  emit called(calls_.last());
}

}  // namespace kv
