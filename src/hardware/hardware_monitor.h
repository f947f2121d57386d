#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>

#include "hardware/board_protocol.h"
#include "hardware/xpressnet_decode.h"

namespace kv {

class BoardLibrary;
class DccLink;
class Session;

// One thing that went to the hardware, came back from it, or would have gone with no hardware.
struct MonitorEntry {
  enum class Kind { kToBox, kNotSent, kFromBox, kBoard, kNoBoard };
  qint64 atMs = 0;  // on the session's clock
  Kind kind = Kind::kToBox;
  QByteArray bytes;  // the frame, or the board's output packet
  QString text;      // in words

  bool IsFrame() const {
    return kind == Kind::kToBox || kind == Kind::kNotSent || kind == Kind::kFromBox;
  }
};

// Watches what the program sends to the DCC box and the USB board and what comes back, as it
// happens: XpressNet frames both ways, decoded in words, and every change of the board's
// outputs. Off-line it shows what would have been sent. It only listens to signals the links
// emit as they work, so it adds no wait and no polling to them. It holds the newest
// kKeptFrames frames and as many board changes.
class HardwareMonitor : public QObject {
  Q_OBJECT

 public:
  static constexpr int kKeptFrames = 200;

  HardwareMonitor(Session& session, DccLink& link, BoardLibrary& board, QObject* parent = nullptr);

  const std::deque<MonitorEntry>& Entries() const { return entries_; }
  void Clear();

  // "    3.204 s  to box    52 04 88 DE              accessory 12 L on"
  static QString Line(const MonitorEntry& entry);
  // The words for a digital output value: "outputs 13: solenoid 12 firing".
  static QString OutputWords(int digital);

  // The board's outputs as they are, or with no board as they would be.
  const BoardOutputState& Outputs() const { return outputs_; }
  QString ModemState() const;
  QString BoardState() const;
  bool BoardOpen() const;
  // The inputs as the board library reads them now (all 0 with no board).
  BoardInputs ReadInputs() const;

  // The whole log: a header with the state of both links, then every line.
  QString Log() const;
  // Writes the log to `path` in one step; false with *error when it cannot be written.
  bool SaveLog(const QString& path, QString* error) const;

 signals:
  void outputsShown(const kv::BoardOutputState& outputs);
  void entryAdded();
  void cleared();

 private:
  void Add(MonitorEntry entry);
  void OnMessage(const QByteArray& message, bool sent);
  void OnBytesIn(const QByteArray& bytes);
  void OnLinkLost();
  void OnOutputs(const BoardOutputState& outputs, bool sent);

  Session& session_;
  DccLink& link_;
  BoardLibrary& board_;
  std::deque<MonitorEntry> entries_;
  int frames_ = 0;  // how many entries are frames; the rest are board changes
  xpressnet::FrameReader replies_;
  BoardOutputState outputs_;
};

}  // namespace kv
