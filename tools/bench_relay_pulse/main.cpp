// Fires pulses on the relay stack against the recording board on the real clock and prints how
// far each phase length (select: the dwell, fire: 500 ms) is from its target.
//
//   bench_relay_pulse [--pulses N] [--dwell MS] [--loco-walk] [--monitor]
//
// All pulses are asked for at once, so they also go through the queue. --loco-walk drives a
// loco at full rate meanwhile (a speed or function message every 5 ms) through the DCC link
// to the box simulator on a pseudo-terminal; --monitor shows the hardware monitor window over
// all of it. Exits 1 when the worst error reaches 5 ms.

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "bench_options.h"
#include "dcc_box_simulator.h"
#include "hardware/dcc_link.h"
#include "hardware/hardware_monitor.h"
#include "hardware/loco_control.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/monitor_window.h"

namespace {

using kv::bench::Option;

constexpr double kLimitMs = 5.0;

struct Stats {
  double median = 0;
  double worst = 0;
  int over2 = 0;  // phases more than 2 ms off
};

// Of the absolute errors.
Stats Summarise(QList<double> errors) {
  for (double& e : errors) e = std::fabs(e);
  std::sort(errors.begin(), errors.end());
  if (errors.isEmpty()) return {};
  const qsizetype n = errors.size();
  const double median = n % 2 ? errors.at(n / 2) : (errors.at(n / 2 - 1) + errors.at(n / 2)) / 2;
  const auto over2 = std::count_if(errors.begin(), errors.end(), [](double e) { return e > 2.0; });
  return {median, errors.last(), static_cast<int>(over2)};
}

}  // namespace

int main(int argc, char* argv[]) {
  // The monitor's window needs a screen; without one it is drawn off screen.
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const int pulses = Option(args, QStringLiteral("--pulses"), 50);
  const int dwell = std::clamp(Option(args, QStringLiteral("--dwell"), 1000), 1, 65535);
  const bool walk = args.contains(QStringLiteral("--loco-walk"));
  const bool monitored = args.contains(QStringLiteral("--monitor"));

  QTemporaryDir folder;
  kv::RealScheduler scheduler;
  kv::ScriptedDialogs dialogs;
  kv::Session session(kv::ProgramFolder(folder.path()), dialogs, scheduler);
  session.model.ControlSystem = QStringLiteral("DC");
  session.model.DwellTime = float(dwell);
  kv::RecordingBoard board(scheduler);
  board.OpenDevice(0);
  kv::RelayStack relay(session, board);

  kv::DccBoxSimulator box;
  kv::DccLink link(session);
  QTimer walker;
  if (walk) {
    QString error;
    if (!box.Open(&error)) {
      std::fprintf(stderr, "no box simulator: %s\n", qPrintable(error));
      return 2;
    }
    link.SetPorts(std::make_unique<kv::SystemDccPorts>(QStringList{box.DevicePath()}));
    session.model.ControlSystem = QStringLiteral("DCC + DC");
    session.model.BoxPort = 1;
    link.OpenDccBox();
    if (!link.Online()) {
      std::fprintf(stderr, "the box simulator did not answer\n");
      return 2;
    }
    walker.setTimerType(Qt::PreciseTimer);
    walker.setInterval(kv::LocoControl::kSpeedPauseMs);
    QObject::connect(&walker, &QTimer::timeout, [&link, n = 0]() mutable {
      const kv::xpressnet::LocoAddress loco{0xC4, 0xD2};
      if (++n % 4 == 0) {
        link.SendFunctionGroup(0x20, loco, static_cast<std::uint8_t>(n & 0x1F));
      } else {
        link.SendLocoSpeed(loco, static_cast<std::uint8_t>(0x80 | (n % 0x1C + 2)));
      }
    });
  }
  std::unique_ptr<kv::HardwareMonitor> monitor;
  std::unique_ptr<kv::MonitorWindow> window;
  if (monitored) {
    monitor = std::make_unique<kv::HardwareMonitor>(session, link, board);
    window = std::make_unique<kv::MonitorWindow>(session, *monitor);
    window->show();
  }

  // The board's own record has whole ms; the bench times each write in ns.
  QElapsedTimer clock;
  clock.start();
  QList<qint64> writes;  // ns of each pattern change: N, N + 1, clear, per pulse
  QObject::connect(&board, &kv::RecordingBoard::called, [&](const kv::BoardCall& call) {
    if (call.name == QLatin1String("WriteAllDigital") ||
        call.name == QLatin1String("ClearAllDigital")) {
      writes << clock.nsecsElapsed();
    }
  });
  QEventLoop loop;
  QObject::connect(&relay, &kv::RelayStack::pulseEnded, [&]() {
    if (relay.Waiting() == 0) loop.quit();
  });
  std::printf("%d pulses, dwell %d ms, fire phase %d ms (about %d s)%s%s\n", pulses, dwell,
              kv::RelayStack::kFirePhaseMs, pulses * (dwell + kv::RelayStack::kFirePhaseMs) / 1000,
              walk ? ", a loco walk at full rate" : "", monitored ? ", the monitor shown" : "");
  std::fflush(stdout);
  for (int i = 0; i < pulses; ++i) {
    session.model.SolenoidNo = static_cast<std::uint8_t>((2 * i) % 254);
    relay.FireRelayStack();
  }
  if (walk) walker.start();
  loop.exec();
  walker.stop();
  if (walk) {
    std::printf("loco walk: %lld frames received by the box",
                static_cast<long long>(box.Frames().size()));
    if (monitor) std::printf(", %zu lines in the monitor", monitor->Entries().size());
    std::printf("\n");
  }

  QList<double> select, fire;
  for (int p = 0; p + 2 < writes.size(); p += 3) {
    select << (writes.at(p + 1) - writes.at(p)) / 1e6 - dwell;
    fire << (writes.at(p + 2) - writes.at(p + 1)) / 1e6 - kv::RelayStack::kFirePhaseMs;
  }
  const Stats s = Summarise(select);
  const Stats f = Summarise(fire);
  const Stats all = Summarise(select + fire);
  std::printf("phase    phases  median error ms  worst error ms  over 2 ms\n");
  const auto row = [](const char* name, qsizetype n, const Stats& st) {
    std::printf("%-7s  %6lld  %15.3f  %14.3f  %9d\n", name, static_cast<long long>(n), st.median,
                st.worst, st.over2);
  };
  row("select", select.size(), s);
  row("fire", fire.size(), f);
  row("both", select.size() + fire.size(), all);
  const bool ok = select.size() == pulses && all.worst < kLimitMs;
  std::printf("%s: worst %.3f ms, limit %.1f ms\n", ok ? "within the limit" : "OVER THE LIMIT",
              all.worst, kLimitMs);
  return ok ? 0 : 1;
}
