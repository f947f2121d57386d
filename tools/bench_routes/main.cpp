// Ticks a route in the "ENTRY to EXIT" menu of a maximal layout (255 objects of every kind and
// 255 routes; the route ticked holds every track unit, so ticking it blocks all the others)
// and measures, on the real clock, how long after the click its first pulse is written to the
// recording board ("DC") and its first frame to the DCC box simulator's pseudo-terminal
// ("DCC"). Then sets and clears the route --cycles times on the virtual clock and prints the
// resident memory before and after. Exits 1 when a first pulse or frame took 5 ms or more.
//
//   bench_routes [--samples N] [--cycles N]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "app/route_controls.h"
#include "app/route_menu.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "bench_options.h"
#include "dcc_box_simulator.h"
#include "hardware/dcc_link.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"
#include "route_layout.h"

namespace {

using kv::bench::Option;
using kv::bench::ResidentMb;

constexpr double kLimitMs = 5.0;

// A run of the program on the bench layout, operating it on `system`.
struct Run {
  Run(kv::Scheduler& scheduler, const QString& root, const QString& system)
      : session(kv::ProgramFolder(root), dialogs, scheduler) {
    session.model.ControlSystem = system;
    session.model.ProgMode = kv::kOperate;
    dialogs.QueueText(root + "/Max.txt");
    main = std::make_unique<kv::MainWindow>(session);
  }
  bool Open() {
    main->Load();
    main->ShowModeToolbars();
    main->resize(1280, 800);
    main->show();
    if (auto* board = qobject_cast<kv::RecordingBoard*>(&main->board().library()))
      board->SetKeepLimit(100);
    return !session.Ended() && session.model.TrackCount == 255 &&
           main->routes().menu().mnuList(254) != nullptr;
  }
  QAction* Route0() { return main->routes().menu().mnuList(0); }

  kv::ScriptedDialogs dialogs;
  kv::Session session;
  std::unique_ptr<kv::MainWindow> main;
};

struct Stats {
  double median = 0;
  double worst = 0;
};
Stats Summarise(std::vector<double> v) {
  if (v.empty()) return {};
  std::sort(v.begin(), v.end());
  return {v[v.size() / 2], v.back()};
}

void WaitUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&]() {
    if (done()) loop.quit();
  });
  poll.start(5);
  loop.exec();
}

// Samples of the time from the click on route 0 to its first pulse written to the board.
std::vector<double> RelayLatency(const QString& root, int samples) {
  kv::RealScheduler scheduler;
  Run run(scheduler, root, "DC");
  if (!run.Open()) return {};
  kv::RelayStack& relay = run.main->board().relayStack();
  auto* board = qobject_cast<kv::RecordingBoard*>(&run.main->board().library());
  QElapsedTimer clock;
  qint64 first = -1;
  QObject::connect(board, &kv::RecordingBoard::called, [&](const kv::BoardCall& call) {
    if (first < 0 && call.name == QLatin1String("WriteAllDigital")) first = clock.nsecsElapsed();
  });
  std::vector<double> out;
  for (int s = 0; s < samples; ++s) {
    first = -1;
    clock.start();
    run.Route0()->trigger();  // set
    out.push_back(first < 0 ? 1e9 : first / 1e6);
    WaitUntil([&]() { return !relay.HoldsOutputs(); });
    run.Route0()->trigger();  // clear
    WaitUntil([&]() { return !relay.HoldsOutputs(); });
  }
  return out;
}

// The same on "DCC": the click to the first frame written to the box simulator's terminal, and
// to the simulator's reading it.
std::vector<double> DccLatency(const QString& root, int samples, std::vector<double>* received) {
  kv::DccBoxSimulator box;
  QString error;
  if (!box.Open(&error)) {
    std::fprintf(stderr, "no box simulator: %s\n", qPrintable(error));
    return {};
  }
  kv::RealScheduler scheduler;
  Run run(scheduler, root, "DCC");
  run.main->dccLink().SetPorts(std::make_unique<kv::SystemDccPorts>(QStringList{box.DevicePath()}));
  if (!run.Open() || !run.main->dccLink().Online()) return {};
  QElapsedTimer clock;
  qint64 written = -1, read = -1;
  QObject::connect(&run.main->dccLink(), &kv::DccLink::messageOut,
                   [&](const QByteArray&, bool sent) {
                     if (sent && written < 0) written = clock.nsecsElapsed();
                   });
  box.onFrame = [&](const kv::DccBoxSimulator::Frame&) {
    if (read < 0) read = clock.nsecsElapsed();
  };
  std::vector<double> out;
  for (int s = 0; s < samples; ++s) {
    written = read = -1;
    clock.start();
    run.Route0()->trigger();
    out.push_back(written < 0 ? 1e9 : written / 1e6);
    WaitUntil([&]() { return read >= 0 && !run.main->dccLink().Busy(); });
    received->push_back(read / 1e6);
    run.Route0()->trigger();
    WaitUntil([&]() { return !run.main->dccLink().Busy(); });
  }
  return out;
}

// Set/clear cycles of route 0 on the virtual clock, each pulse run to its end (setting fires
// a points solenoid and a signal coil, 1 s each at the shortest dwell; clearing the coil
// again). Prints the resident memory after the first 100 cycles and at the end.
bool Cycles(const QString& root, int cycles) {
  kv::VirtualScheduler scheduler;
  Run run(scheduler, root, "DC");
  if (!run.Open()) return false;
  double before = 0;
  QElapsedTimer clock;
  clock.start();
  for (int c = 1; c <= cycles; ++c) {
    run.Route0()->trigger();
    scheduler.Advance(2500);
    run.Route0()->trigger();
    scheduler.Advance(1500);
    if (c % 100 == 0) QCoreApplication::processEvents();
    if (c == 100) before = ResidentMb();
  }
  const double after = ResidentMb();
  // Pulses left waiting would make the memory grow with the cycles for want of time to end.
  const bool clean = run.dialogs.Transcript().size() == 1 && !run.Route0()->isChecked() &&
                     !run.main->board().relayStack().HoldsOutputs();
  std::printf("%d set/clear cycles of the route holding all 255 units: %.2f ms a cycle\n", cycles,
              double(clock.elapsed()) / cycles);
  std::printf("resident memory after 100 cycles %.1f MB, after %d cycles %.1f MB (%+.1f MB)%s\n",
              before, cycles, after, after - before,
              clean ? "" : "  (messages were shown, or pulses left waiting!)");
  return clean;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("KELVARNE_BOARD", "recording");
  QApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  const int samples = Option(args, "--samples", 20);
  const int cycles = Option(args, "--cycles", 10'000);

  QTemporaryDir dc, dcc;
  if (kv::bench::WriteRouteLayout(dc.path(), false).isEmpty() ||
      kv::bench::WriteRouteLayout(dcc.path(), true).isEmpty()) {
    std::fprintf(stderr, "bench_routes: the bench layout cannot be written\n");
    return 2;
  }
  const Stats relay = Summarise(RelayLatency(dc.path(), samples));
  std::vector<double> received;
  const Stats frame = Summarise(DccLatency(dcc.path(), samples, &received));
  const Stats read = Summarise(received);
  std::printf("maximal layout: 255 objects of every kind, 255 routes; %d ticks each\n", samples);
  std::printf("DC:  click to first pulse written to the board: median %.3f ms, worst %.3f ms\n",
              relay.median, relay.worst);
  std::printf("DCC: click to first frame written to the terminal: median %.3f ms, worst %.3f ms\n",
              frame.median, frame.worst);
  std::printf("     read by the box simulator:                  median %.3f ms, worst %.3f ms\n",
              read.median, read.worst);
  const bool cyclesOk = Cycles(dc.path(), cycles);
  const bool fast =
      relay.worst > 0 && relay.worst < kLimitMs && frame.worst > 0 && frame.worst < kLimitMs;
  std::printf("%s (limit %.1f ms)\n", fast ? "within the limit" : "OVER THE LIMIT", kLimitMs);
  return fast && cyclesOk ? 0 : 1;
}
