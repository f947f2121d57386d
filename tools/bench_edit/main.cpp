// Times editing a maximal layout (255 objects of every kind, about 1,300 items) on the
// offscreen platform: one move step of "all items" (every object moved, the panel repainted),
// and the creation of a track unit with a repaint. Prints the median and the worst of each.
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/editing_controls.h"
#include "app/main_window.h"
#include "base/load_steps.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "maximal_layout.h"
#include "panel/grid.h"
#include "panel/object_creation.h"
#include "panel/object_numbering.h"
#include "panel/panel.h"
#include "panel/panel_editor.h"
#include "panel/panel_toolbars.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Worst(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}

// Counts the paints of the panel's viewport.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};
PaintCounter counter;

// What the user sees: the window's event loop lets the scene take in what moved and the panel
// repaint what changed, through the window's backing store, as between two mouse moves.
void Paint(kv::Panel&) {
  const int before = counter.paints;
  for (int pass = 0; pass < 4 && counter.paints == before; ++pass) QApplication::processEvents();
}

double Ms(const QElapsedTimer& t) {
  return double(t.nsecsElapsed()) / 1e6;
}

// The processor time this thread has had, in ms: on a machine shared with other work, what a
// step costs apart from the time spent waiting for a processor.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int steps = argc > 1 ? std::max(10, atoi(argv[1])) : 400;

  QTemporaryDir dir;
  const QString project = kv::bench::WriteMaximalLayout(dir.path());
  if (project.isEmpty()) {
    std::fprintf(stderr, "bench_edit: the maximal layout cannot be written in %s\n",
                 qPrintable(dir.path()));
    return 1;
  }
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session(kv::ProgramFolder(dir.path()), dialogs, scheduler);
  kv::LayoutModel& m = session.model;
  m.ProjectFile = project;
  m.LayoutName = kv::TakeLayoutName(project);
  kv::SetObjectFilePaths(m);
  m.ProgMode = kv::kModify;
  kv::MainWindow window(session);
  window.resize(1280, 800);
  window.ShowModeToolbars();
  window.show();
  QApplication::processEvents();
  kv::ObjectPanel& objects = window.Objects();
  kv::ReadSensorFile(session, objects);
  kv::ReadTrackFile(session, objects);
  kv::ReadImageFile(session, objects);
  kv::ReadLabelFile(session, objects);
  kv::ScanSignals(session, objects);
  m.ShowNumbers = true;  // every track number shows and moves with its unit
  kv::Panel& panel = window.picScreen();
  for (int i = 1; i <= m.TrackCount; ++i) panel.PlaceTrackNumber(i);
  const int items = panel.scene()->items().size();
  if (!dialogs.Transcript().isEmpty() || m.TrackCount != 255 || m.SensorCount != 255) {
    std::fprintf(stderr, "bench_edit: the layout did not load whole\n");
    return 1;
  }
  panel.viewport()->installEventFilter(&counter);
  panel.viewport()->update();
  Paint(panel);
  std::vector<double> paint;
  for (int r = 0; r < 50; ++r) {
    QElapsedTimer t;
    t.start();
    panel.viewport()->update();
    Paint(panel);
    paint.push_back(Ms(t));
  }

  // "all items": a press, then the pointer goes back and forth a pixel at a time.
  kv::PanelEditor& editor = window.editing().editor();
  const auto drag = [&](std::vector<double>& wall, std::vector<double>& processor) {
    editor.optMove_MouseUp(3);
    editor.ObjectClick(kv::PanelObject::kSensor, 1, Qt::LeftButton);
    const QPointF start = panel.TopLeft(kv::PanelObject::kSensor, 1);
    editor.picScreen_MouseDown(Qt::LeftButton, start);
    const int before = counter.paints;
    for (int s = 0; s < steps; ++s) {
      const double dx = (s % 40 < 20 ? s % 40 + 1 : 39 - s % 40) * 15.0;  // never in place
      QElapsedTimer t;
      t.start();
      const double cpu = CpuMs();
      editor.picScreen_MouseMove(Qt::LeftButton, start + QPointF(dx, dx / 2));
      Paint(panel);
      processor.push_back(CpuMs() - cpu);
      wall.push_back(Ms(t));
    }
    editor.picScreen_MouseUp(Qt::LeftButton, start);
    return counter.paints - before >= steps;
  };
  std::vector<double> move, moveCpu, gridMove, gridMoveCpu;
  bool painted = drag(move, moveCpu);
  window.panelToolbars().grid().imgBtnGrid_MouseUp(Qt::LeftButton);
  painted = drag(gridMove, gridMoveCpu) && painted;
  window.panelToolbars().grid().imgBtnGrid_MouseUp(Qt::LeftButton);
  if (!painted) {
    std::fprintf(stderr, "bench_edit: a move step was not painted\n");
    return 1;
  }

  // A unit created (and undone again, so there is always room for it), with a repaint.
  kv::TakeOut(m, panel, kv::PanelObject::kTrackNumber, 255);
  kv::ObjectCreation& creation = window.editing().creation();
  std::vector<double> create, createCpu;
  for (int r = 0; r < steps / 4; ++r) {
    QElapsedTimer t;
    t.start();
    const double cpu = CpuMs();
    creation.imgBtnTrk_MouseUp(Qt::LeftButton);
    Paint(panel);
    createCpu.push_back(CpuMs() - cpu);
    create.push_back(Ms(t));
    editor.Undo();
  }
  if (m.TrackCount != 254 || !dialogs.Transcript().isEmpty()) {
    std::fprintf(stderr, "bench_edit: creating and undoing went wrong\n");
    return 1;
  }

  std::printf("maximal layout: 255 sensors, track units, pictures, labels and signals\n");
  std::printf("items on the panel: %d\n", items);
  std::printf("a paint alone:                median %.2f ms, worst %.2f ms\n", Median(paint),
              Worst(paint));
  std::printf(
      "move step, all items + paint: median %.2f ms, worst %.2f ms over %d steps "
      "(aim < 8 ms, < 16 ms)\n",
      Median(move), Worst(move), steps);
  std::printf("  processor time:             median %.2f ms, worst %.2f ms\n", Median(moveCpu),
              Worst(moveCpu));
  std::printf("the same, the grid shown:      median %.2f ms, worst %.2f ms\n", Median(gridMove),
              Worst(gridMove));
  std::printf("  processor time:             median %.2f ms, worst %.2f ms\n", Median(gridMoveCpu),
              Worst(gridMoveCpu));
  std::printf("create a track unit + paint:  median %.2f ms, worst %.2f ms over %d (aim < 5 ms)\n",
              Median(create), Worst(create), int(create.size()));
  std::printf("  processor time:             median %.2f ms, worst %.2f ms\n", Median(createCpu),
              Worst(createCpu));
  return 0;
}
