// A stand-in for the DCC interface box, for trying the program without one:
//
//   dcc_simulator [--silent] [--reply-delay MS] [--drop-every N] [--bad-check] [--vanish-at N]
//
// prints the device of a new pseudo-terminal on its first line; give the program that device as
// the box's port. Every frame received is then printed on a line of its own, time-stamped and
// decoded. --silent answers nothing, as a box that is switched off; --reply-delay holds every
// answer back, as a USB-serial adapter does. The faults of a bad line or a failing box, counted
// in answers (the version's is the first): --drop-every loses every n-th answer, --bad-check
// spoils every answer's check byte, --vanish-at sends one byte of the n-th answer and goes.

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <csignal>
#include <cstdio>

#include "dcc_box_simulator.h"

namespace {
int quitPipe[2] = {-1, -1};

// Ctrl+C and a polite kill end the run through the event loop, so the terminal is closed; the
// handler only writes a byte, which is all a signal handler may safely do.
void WatchForQuit() {
  if (::pipe(quitPipe) != 0) return;
  auto* notifier = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);
  auto handler = [](int) { (void)!::write(quitPipe[1], "q", 1); };
  std::signal(SIGINT, handler);
  std::signal(SIGTERM, handler);
}

void Print(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("dcc_simulator"));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A stand-in for the DCC interface box on a pseudo-terminal."));
  parser.addHelpOption();
  const QCommandLineOption silent(QStringLiteral("silent"),
                                  QStringLiteral("Answer nothing, as a box that is switched off."));
  const QCommandLineOption delay(QStringLiteral("reply-delay"),
                                 QStringLiteral("Hold every answer back this many ms."),
                                 QStringLiteral("ms"), QStringLiteral("0"));
  const QCommandLineOption drop(QStringLiteral("drop-every"),
                                QStringLiteral("Lose every n-th answer."), QStringLiteral("n"),
                                QStringLiteral("0"));
  const QCommandLineOption badCheck(QStringLiteral("bad-check"),
                                    QStringLiteral("Spoil the check byte of every answer."));
  const QCommandLineOption vanish(QStringLiteral("vanish-at"),
                                  QStringLiteral("Go away one byte into the n-th answer."),
                                  QStringLiteral("n"), QStringLiteral("0"));
  for (const auto* option : {&silent, &delay, &drop, &badCheck, &vanish}) parser.addOption(*option);
  parser.process(app);

  bool delayOk = false;
  const int delayMs = parser.value(delay).toInt(&delayOk);
  if (!delayOk || delayMs < 0 || delayMs > 10'000) {
    std::fprintf(stderr, "dcc_simulator: --reply-delay takes a number of ms from 0 to 10000\n");
    return 2;
  }
  kv::DccBoxSimulator box({parser.isSet(silent), delayMs, std::max(0, parser.value(drop).toInt()),
                           parser.isSet(badCheck), std::max(0, parser.value(vanish).toInt())});
  QString error;
  if (!box.Open(&error)) {
    std::fprintf(stderr, "dcc_simulator: %s\n", qPrintable(error));
    return 1;
  }
  box.onFrame = [](const kv::DccBoxSimulator::Frame& f) { Print(kv::DccBoxSimulator::LogLine(f)); };
  Print(box.DevicePath());
  WatchForQuit();
  return QCoreApplication::exec();
}
