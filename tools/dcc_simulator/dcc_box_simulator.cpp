#include "dcc_box_simulator.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace kv {

namespace {
QByteArray Bytes(std::initializer_list<unsigned char> values) {
  QByteArray b;
  for (unsigned char v : values) b.append(static_cast<char>(v));
  return b;
}
}  // namespace

QByteArray DccBoxSimulator::VersionReply() {
  return Bytes({0x02, 0x10, 0x36, 0x24});
}
QByteArray DccBoxSimulator::CommandSent() {
  return Bytes({0x01, 0x04, 0x05});
}
QByteArray DccBoxSimulator::TransferError() {
  return Bytes({0x01, 0x01, 0x00});
}
QByteArray DccBoxSimulator::UnknownCommand() {
  return Bytes({0x61, 0x82, 0xE3});
}

DccBoxSimulator::DccBoxSimulator(Options options, QObject* parent)
    : QObject(parent), options_(options) {
  partialTimer_.setSingleShot(true);
  partialTimer_.setInterval(kFrameTimeoutMs);
  connect(&partialTimer_, &QTimer::timeout, this, &DccBoxSimulator::GiveUpPartial);
}

DccBoxSimulator::~DccBoxSimulator() {
  Unplug();
}

bool DccBoxSimulator::Open(QString* error) {
#ifdef Q_OS_UNIX
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  const char* name = nullptr;  // ptsname's own buffer: this is the only thread that asks
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
      (name = ptsname(master_)) == nullptr) {
    if (error)
      *error = QStringLiteral("no pseudo-terminal: %1")
                   .arg(QString::fromLocal8Bit(std::strerror(errno)));
    Unplug();
    return false;
  }
  devicePath_ = QString::fromLocal8Bit(name);
  slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (slave_ >= 0) {
    termios raw{};
    if (tcgetattr(slave_, &raw) == 0) {
      cfmakeraw(&raw);
      cfsetspeed(&raw, B19200);
      tcsetattr(slave_, TCSANOW, &raw);
    }
  }
  notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &DccBoxSimulator::OnReadable);
  clock_.start();
  return true;
#else
  if (error) *error = QStringLiteral("pseudo-terminals need a Unix system");
  return false;
#endif
}

void DccBoxSimulator::Unplug() {
  partialTimer_.stop();
  delete notifier_;
  notifier_ = nullptr;
#ifdef Q_OS_UNIX
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
#endif
  slave_ = -1;
  master_ = -1;
}

void DccBoxSimulator::OnReadable() {
#ifdef Q_OS_UNIX
  char chunk[256];
  ssize_t n = 0;
  while ((n = ::read(master_, chunk, sizeof chunk)) > 0) {
    reader_.Feed(QByteArray(chunk, static_cast<qsizetype>(n)));
  }
#endif
  while (auto frame = reader_.Next()) {
    Take(*frame, xpressnet::Describe(*frame));
    Answer(*frame);
  }
  if (reader_.HasPartial()) {
    partialTimer_.start();
  } else {
    partialTimer_.stop();
  }
}

void DccBoxSimulator::Take(const QByteArray& bytes, const QString& text) {
  Frame frame{double(clock_.nsecsElapsed()) / 1e6, bytes, text};
  frames_.append(frame);
  if (onFrame) onFrame(frame);
}

void DccBoxSimulator::Answer(const QByteArray& frame) {
  if (!xpressnet::CheckOk(frame)) {
    Reply(TransferError());
    return;
  }
  if (frame == xpressnet::VersionRequest()) {
    Reply(VersionReply());
  } else if (xpressnet::Describe(frame) == QLatin1String("unknown command")) {
    Reply(UnknownCommand());
  } else {
    Reply(CommandSent());
  }
}

void DccBoxSimulator::GiveUpPartial() {
  const QByteArray partial = reader_.TakePartial();
  if (partial.isEmpty()) return;
  Take(partial, QStringLiteral("incomplete frame"));
  Reply(TransferError());
}

void DccBoxSimulator::Reply(const QByteArray& answer) {
  ++answers_;
  if (options_.silent || (options_.dropEvery > 0 && answers_ % options_.dropEvery == 0)) return;
  QByteArray bytes = answer;
  if (options_.badCheck) bytes.back() = static_cast<char>(bytes.back() ^ 0x5A);
  const bool vanish = answers_ == options_.vanishAt;
  if (vanish) bytes.truncate(1);
  auto write = [this, bytes, vanish]() {
#ifdef Q_OS_UNIX
    if (master_ >= 0) (void)!::write(master_, bytes.constData(), static_cast<size_t>(bytes.size()));
#endif
    if (vanish) QTimer::singleShot(0, this, &DccBoxSimulator::Unplug);
  };
  if (options_.replyDelayMs > 0) {
    QTimer::singleShot(options_.replyDelayMs, Qt::PreciseTimer, this, write);
  } else {
    write();
  }
}

QString DccBoxSimulator::LogLine(const Frame& frame) {
  return QStringLiteral("%1 s  %2  %3")
      .arg(frame.atMs / 1000.0, 8, 'f', 3)
      .arg(xpressnet::Hex(frame.bytes), frame.text);
}

}  // namespace kv
