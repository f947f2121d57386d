// A long run of the program on a maximal layout (255 objects of every kind, 255 routes) on the
// virtual clock, against the recording board: --cycles set/clear cycles of the route that holds
// every track unit and fires a points solenoid and a signal coil, then --firings points firings
// from the relay stack. Every pulse must be its select pattern N for the dwell, N + 1 for the
// fire phase, then cleared, to the ms; the resident memory after warm-up must stay within 1 MB.
// Prints the figures (--trace: the memory at every tenth too); exits 1 when a pulse or the
// memory is off. The memory means most in a Release build: the sanitizers' allocator drifts.
//
//   bench_long_run [--cycles N] [--firings N] [--trace]  (10,000 each)
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/main_window.h"
#include "app/route_controls.h"
#include "app/route_menu.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "bench_options.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"
#include "route_layout.h"

namespace {

using kv::bench::Option;
using kv::bench::ResidentMb;

// Follows the board's pattern writes pulse by pulse: select N, N + 1 after the dwell, cleared
// after the fire phase.
struct PulseCheck {
  void Seen(const kv::BoardCall& call) {
    const bool write = call.name == QLatin1String("WriteAllDigital");
    if (!write && call.name != QLatin1String("ClearAllDigital")) return;
    const int pattern = write && !call.args.isEmpty() ? call.args.first() : 0;
    const qint64 since = call.timeMs - startMs;
    if (step == 0 && write) {
      selected = pattern;
      startMs = call.timeMs;
      step = 1;
      return;
    }
    const bool right = step == 1 ? write && pattern == selected + 1 && since == dwellMs
                                 : !write && since == dwellMs + kv::RelayStack::kFirePhaseMs;
    if (!right) {
      if (++wrong <= 5) {
        std::fprintf(stderr, "pulse %lld off: %s at +%lld ms\n", static_cast<long long>(pulses),
                     qPrintable(call.Text()), static_cast<long long>(since));
      }
      step = 0;
      return;
    }
    if (step == 1) {
      step = 2;
    } else {
      step = 0;
      ++pulses;
    }
  }
  qint64 dwellMs = 1;
  qint64 startMs = 0;
  int selected = 0;
  int step = 0;
  qint64 pulses = 0;
  qint64 wrong = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("KELVARNE_BOARD", "recording");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const int cycles = Option(args, "--cycles", 10'000);
  const int firings = Option(args, "--firings", 10'000);
  const bool trace = args.contains("--trace");

  QTemporaryDir root;
  if (kv::bench::WriteRouteLayout(root.path(), false).isEmpty()) {
    std::fprintf(stderr, "bench_long_run: the layout cannot be written\n");
    return 2;
  }
  kv::VirtualScheduler scheduler;
  kv::ScriptedDialogs dialogs;
  kv::Session session(kv::ProgramFolder(root.path()), dialogs, scheduler);
  session.model.ControlSystem = "DC";
  session.model.ProgMode = kv::kOperate;
  dialogs.QueueText(root.path() + "/Max.txt");
  kv::MainWindow main(session);
  main.Load();
  main.ShowModeToolbars();
  main.show();
  auto* board = qobject_cast<kv::RecordingBoard*>(&main.board().library());
  QAction* route = main.routes().menu().mnuList(0);
  if (session.Ended() || !board || !route || session.model.TrackCount != 255) {
    std::fprintf(stderr, "bench_long_run: the layout did not open\n");
    return 2;
  }
  board->SetKeepLimit(100);
  PulseCheck check;
  check.dwellMs = std::llround(session.model.DwellTime);
  QObject::connect(board, &kv::RecordingBoard::called,
                   [&](const kv::BoardCall& call) { check.Seen(call); });
  kv::RelayStack& relay = main.board().relayStack();

  // Each phase warms up for a tenth of its length (100 at least), then is measured to its end.
  const auto measure = [&](const char* what, int count, const std::function<void(int)>& one) {
    double warm = 0;
    const int warmUp = std::min(std::max(count / 10, 100), count / 2);
    const qint64 pulsesBefore = check.pulses;
    QElapsedTimer clock;
    clock.start();
    for (int c = 1; c <= count; ++c) {
      one(c);
      if (c % 100 == 0) QCoreApplication::processEvents();
      if (c == warmUp) {
        QCoreApplication::processEvents();  // the window's first paints are part of warming up
        warm = ResidentMb();
      }
      if (trace && c % (count / 10) == 0) std::fprintf(stderr, "%d: %.2f MB\n", c, ResidentMb());
    }
    const double end = ResidentMb();
    std::printf(
        "%d %s: %lld pulses, %.3f ms each on the real clock; resident memory %.1f MB "
        "after warm-up, %.1f MB at the end (%+.2f MB)\n",
        count, what, static_cast<long long>(check.pulses - pulsesBefore),
        double(clock.elapsed()) / count, warm, end, end - warm);
    return end - warm;
  };
  const double routeGrowth = measure("route set/clear cycles", cycles, [&](int) {
    // Setting fires a points solenoid and a signal coil; clearing, the coil back.
    route->trigger();
    scheduler.Advance(4000);
    route->trigger();
    scheduler.Advance(4000);
  });
  const double pointsGrowth = measure("points firings", firings, [&](int c) {
    session.model.SolenoidNo = static_cast<std::uint8_t>((2 * c) % 254);
    relay.FireRelayStack();
    scheduler.Advance(check.dwellMs + kv::RelayStack::kFirePhaseMs);
  });
  const bool flat = routeGrowth < 1.0 && pointsGrowth < 1.0;
  const bool exact =
      check.wrong == 0 && check.pulses >= firings && dialogs.Transcript().size() == 1;
  std::printf("%lld pulses with exact phases (select %lld ms, fire %d ms), %lld off; %s\n",
              static_cast<long long>(check.pulses), static_cast<long long>(check.dwellMs),
              kv::RelayStack::kFirePhaseMs, static_cast<long long>(check.wrong),
              flat ? "memory flat (within 1 MB)" : "MEMORY GREW");
  return flat && exact ? 0 : 1;
}
