// Times a maximal layout (255 objects of every kind) read from disk onto the panel with one
// paint, and the grid switched on and off with a paint each, on the offscreen platform. Prints
// the medians and the peak memory.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "base/load_steps.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "maximal_layout.h"
#include "panel/grid.h"
#include "panel/panel.h"
#include "panel/panel_toolbars.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// What the user sees: the panel's viewport painted once.
void Paint(kv::Panel& panel) {
  QImage image(panel.viewport()->size(), QImage::Format_RGB32);
  QPainter painter(&image);
  panel.viewport()->render(&painter);
}

// The object files read in the load chain's order onto an emptied panel.
void Load(kv::Session& s, kv::MainWindow& window) {
  window.picScreen().Clear();
  kv::LayoutModel& m = s.model;
  m.SensorCount = m.TrackCount = m.ImageCount = m.LabelCount = m.SignalCount = 0;
  kv::ObjectPanel& objects = window.Objects();
  kv::ReadSensorFile(s, objects);
  kv::ReadTrackFile(s, objects);
  kv::ReadGauge(m);
  kv::ReadImageFile(s, objects);
  kv::ReadLabelFile(s, objects);
  kv::ScanSignals(s, objects);
}

double Ms(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;

  QTemporaryDir dir;
  const QString project = kv::bench::WriteMaximalLayout(dir.path());
  if (project.isEmpty()) {
    std::fprintf(stderr, "bench_load: the maximal layout cannot be written in %s\n",
                 qPrintable(dir.path()));
    return 1;
  }
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session(kv::ProgramFolder(dir.path()), dialogs, scheduler);
  session.model.ProjectFile = project;
  session.model.LayoutName = kv::TakeLayoutName(project);
  kv::SetObjectFilePaths(session.model);
  kv::MainWindow window(session);
  window.resize(1280, 800);
  window.show();
  QApplication::processEvents();

  std::vector<double> load, read, paint, gridOn, gridOff;
  for (int r = 0; r < runs; ++r) {
    QElapsedTimer t;
    t.start();
    Load(session, window);
    read.push_back(Ms(t));
    Paint(window.picScreen());
    load.push_back(Ms(t));
    paint.push_back(load.back() - read.back());
  }
  kv::Grid& grid = window.panelToolbars().grid();
  for (int r = 0; r < runs; ++r) {
    QElapsedTimer t;
    t.start();
    grid.imgBtnGrid_MouseUp(Qt::LeftButton);
    Paint(window.picScreen());
    gridOn.push_back(Ms(t));
    t.restart();
    grid.imgBtnGrid_MouseUp(Qt::LeftButton);
    Paint(window.picScreen());
    gridOff.push_back(Ms(t));
  }
  const kv::LayoutModel& m = session.model;
  if (!dialogs.Transcript().isEmpty() || m.TrackCount != 255 || m.ImageCount != 255 ||
      m.LabelCount != 255 || m.SignalCount != 255 || m.SensorCount != 255) {
    std::fprintf(stderr, "bench_load: the layout did not load whole (%d messages)\n",
                 int(dialogs.Transcript().size()));
    return 1;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("maximal layout: 255 sensors, track units, pictures, labels and signals\n");
  std::printf("runs: %d\n", runs);
  std::printf("load from disk + one paint: median %.1f ms (aim < 100 ms)\n", Median(load));
  std::printf("  of which reading, placing: median %.1f ms\n", Median(read));
  std::printf("  of which the paint:        median %.1f ms\n", Median(paint));
  std::printf("grid on + paint:            median %.1f ms (aim < 20 ms)\n", Median(gridOn));
  std::printf("grid off + paint:           median %.1f ms (aim < 20 ms)\n", Median(gridOff));
  std::printf("peak memory (resident):     %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
  return 0;
}
