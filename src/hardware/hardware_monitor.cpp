#include "hardware/hardware_monitor.h"

#include <QStringList>

#include "base/session.h"
#include "hardware/board_device.h"
#include "hardware/dcc_link.h"
#include "hardware/monitor_texts.h"
#include "layout/atomic_file.h"

namespace kv {

namespace {

QString Way(MonitorEntry::Kind kind) {
  switch (kind) {
    case MonitorEntry::Kind::kToBox:
      return texts::WayToBox();
    case MonitorEntry::Kind::kNotSent:
      return texts::WayNotSent();
    case MonitorEntry::Kind::kFromBox:
      return texts::WayFromBox();
    case MonitorEntry::Kind::kBoard:
      return texts::WayBoard();
    case MonitorEntry::Kind::kNoBoard:
      return texts::WayNoBoard();
  }
  return {};
}

QByteArray PacketBytes(const BoardOutputState& outputs) {
  const BoardPacket packet = EncodePacket(board::kSetOutputs, outputs);
  return QByteArray(reinterpret_cast<const char*>(packet.data()), board::kPacketSize);
}

// What changed between two output states, in words.
QString OutputChange(const BoardOutputState& before, const BoardOutputState& after) {
  QStringList parts;
  if (after.digital != before.digital) parts << HardwareMonitor::OutputWords(after.digital);
  if (after.analog1 != before.analog1) parts << texts::PwmValue(1, after.analog1);
  if (after.analog2 != before.analog2) parts << texts::PwmValue(2, after.analog2);
  return parts.isEmpty() ? texts::OutputsUnchanged() : parts.join(QStringLiteral("; "));
}

}  // namespace

HardwareMonitor::HardwareMonitor(Session& session, DccLink& link, BoardLibrary& board,
                                 QObject* parent)
    : QObject(parent), session_(session), link_(link), board_(board) {
  outputs_ = board_.Outputs();
  connect(&link_, &DccLink::messageOut, this, &HardwareMonitor::OnMessage);
  connect(&link_, &DccLink::bytesIn, this, &HardwareMonitor::OnBytesIn);
  connect(&link_, &DccLink::linkLost, this, &HardwareMonitor::OnLinkLost);
  connect(&board_, &BoardLibrary::outputsChanged, this,
          [this](const BoardOutputState& outputs) { OnOutputs(outputs, true); });
  connect(&board_, &BoardLibrary::outputsNotSent, this,
          [this](const BoardOutputState& outputs) { OnOutputs(outputs, false); });
}

void HardwareMonitor::OnMessage(const QByteArray& message, bool sent) {
  Add({session_.scheduler.NowMs(), sent ? MonitorEntry::Kind::kToBox : MonitorEntry::Kind::kNotSent,
       message, xpressnet::Describe(message)});
}

void HardwareMonitor::OnBytesIn(const QByteArray& bytes) {
  replies_.Feed(bytes);
  while (const auto frame = replies_.Next()) {
    Add({session_.scheduler.NowMs(), MonitorEntry::Kind::kFromBox, *frame,
         xpressnet::DescribeReply(*frame)});
  }
}

void HardwareMonitor::OnLinkLost() {
  // Read into the next port's answers, a piece of a frame would shift every frame after it.
  const QByteArray partial = replies_.TakePartial();
  if (partial.isEmpty()) return;
  Add({session_.scheduler.NowMs(), MonitorEntry::Kind::kFromBox, partial,
       texts::IncompleteAnswer()});
}

void HardwareMonitor::OnOutputs(const BoardOutputState& outputs, bool sent) {
  const QString words = OutputChange(outputs_, outputs);
  outputs_ = outputs;
  Add({session_.scheduler.NowMs(), sent ? MonitorEntry::Kind::kBoard : MonitorEntry::Kind::kNoBoard,
       PacketBytes(outputs), words});
  emit outputsShown(outputs_);
}

void HardwareMonitor::Add(MonitorEntry entry) {
  // Frames and board changes are kept kKeptFrames each, so a busy knob does not push the
  // frames out, nor a loco walk the relay pulses.
  const bool frame = entry.IsFrame();
  const int ofKind = frame ? frames_ : static_cast<int>(entries_.size()) - frames_;
  if (ofKind >= kKeptFrames) {
    const auto oldest =
        std::find_if(entries_.begin(), entries_.end(),
                     [frame](const MonitorEntry& e) { return e.IsFrame() == frame; });
    entries_.erase(oldest);
    if (frame) --frames_;
  }
  entries_.push_back(std::move(entry));
  if (frame) ++frames_;
  emit entryAdded();
}

void HardwareMonitor::Clear() {
  entries_.clear();
  frames_ = 0;
  emit cleared();
}

QString HardwareMonitor::Line(const MonitorEntry& entry) {
  return QStringLiteral("%1 s  %2  %3  %4")
      .arg(entry.atMs / 1000.0, 8, 'f', 3)
      .arg(Way(entry.kind), -8)
      .arg(xpressnet::Hex(entry.bytes), -23)
      .arg(entry.text);
}

QString HardwareMonitor::OutputWords(int digital) {
  if (digital == 0) return texts::OutputsOff();
  return digital % 2 == 0 ? texts::OutputsSelect(digital) : texts::OutputsFire(digital);
}

QString HardwareMonitor::ModemState() const {
  const LayoutModel& m = session_.model;
  if (m.ControlSystem == QLatin1String("DC")) return texts::ModemNotUsed();
  return link_.Online() ? texts::ModemOnLine(m.BoxPort) : texts::ModemOffLine();
}

bool HardwareMonitor::BoardOpen() const {
  const auto* device = qobject_cast<const BoardDevice*>(&board_);
  return device && device->IsOpen();
}

QString HardwareMonitor::BoardState() const {
  if (session_.model.ControlSystem == QLatin1String("DCC")) return texts::BoardNotUsed();
  return BoardOpen() ? texts::BoardOpen() : texts::BoardAbsent();
}

BoardInputs HardwareMonitor::ReadInputs() const {
  // The library answers reads from the newest packet the board sent: nothing waits here.
  BoardInputs in;
  in.digital = board_.ReadAllDigital();
  board_.ReadAllAnalog(in.analog1, in.analog2);
  return in;
}

QString HardwareMonitor::Log() const {
  const BoardInputs in = ReadInputs();
  QString lamps;
  for (int i = 0; i < 5; ++i) lamps += (in.digital >> i) & 1 ? QLatin1Char('1') : QLatin1Char('0');
  QStringList lines{texts::LogHeader(session_.scheduler.WallClock().toString(Qt::ISODate)),
                    ModemState(),
                    BoardState(),
                    OutputWords(outputs_.digital) + QStringLiteral("; ") +
                        texts::PwmValue(1, outputs_.analog1) + QStringLiteral("; ") +
                        texts::PwmValue(2, outputs_.analog2),
                    texts::InputsLine(lamps, in.analog1, in.analog2),
                    QString()};
  for (const MonitorEntry& entry : entries_) lines << Line(entry);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool HardwareMonitor::SaveLog(const QString& path, QString* error) const {
  return WriteFileAtomically(path, Log().toUtf8(), error);
}

}  // namespace kv
