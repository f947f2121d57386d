#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "hardware/xpressnet_decode.h"

class QSocketNotifier;

namespace kv {

struct DccBoxOptions {
  bool silent = false;
  int replyDelayMs = 0;  // how late answers leave, as a USB adapter holds them back
  // Faults of a bad line or a failing box, counted in answers (the version's is the first):
  int dropEvery = 0;      // every n-th answer is lost on the way
  bool badCheck = false;  // every answer arrives with its check byte wrong
  int vanishAt = 0;       // at its n-th answer the box sends one byte and goes away
};

// A stand-in for the DCC interface box on a pseudo-terminal: the program opens the terminal's
// device as it would a serial port. It answers the version request as the box does, answers
// every command it understands with "command sent", answers a frame with a wrong check (or
// one cut short) with a transfer error, and keeps every frame it received, decoded and time
// stamped. Silent, it answers nothing, as a box that is switched off.
class DccBoxSimulator : public QObject {
  Q_OBJECT

 public:
  using Options = DccBoxOptions;
  struct Frame {
    double atMs = 0;  // since Open()
    QByteArray bytes;
    QString text;
  };

  // The answers, as the box sends them.
  static QByteArray VersionReply();    // 02 10 36 24: hardware 1.0, software 3.6
  static QByteArray CommandSent();     // 01 04 05
  static QByteArray TransferError();   // 01 01 00: bad check, or a frame cut short
  static QByteArray UnknownCommand();  // 61 82 E3

  // A frame left incomplete this long is given up with a transfer error.
  static constexpr int kFrameTimeoutMs = 100;

  explicit DccBoxSimulator(Options options = {}, QObject* parent = nullptr);
  ~DccBoxSimulator() override;

  // Creates the pseudo-terminal. False, with *error saying why, where there is none.
  bool Open(QString* error);
  // The device to open as the serial port, e.g. /dev/pts/3.
  QString DevicePath() const { return devicePath_; }
  // Closes the terminal: to the program the port vanishes, as an adapter pulled out.
  void Unplug();

  const QList<Frame>& Frames() const { return frames_; }
  // "   1.234 s  52 01 88 DB  accessory 0 L on"
  static QString LogLine(const Frame& frame);

  // Called with each frame as it is received.
  std::function<void(const Frame&)> onFrame;

 private:
  void OnReadable();
  void Take(const QByteArray& bytes, const QString& text);
  void Answer(const QByteArray& frame);
  void Reply(const QByteArray& bytes);
  void GiveUpPartial();

  Options options_;
  int master_ = -1;
  int slave_ = -1;  // held open so the line stays up between the program's openings
  QString devicePath_;
  QSocketNotifier* notifier_ = nullptr;
  xpressnet::FrameReader reader_;
  QTimer partialTimer_;
  QElapsedTimer clock_;
  QList<Frame> frames_;
  int answers_ = 0;
};

}  // namespace kv
