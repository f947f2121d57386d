// A power cut during a save, as near as a process can have one: a child process saves a
// maximal layout (255 objects of every kind) again and again, each save moving every object, so
// that the files alternate between two contents, and is killed with SIGKILL at a random moment.
// After each kill every object file must be byte for byte one of its two contents: never
// empty, never cut short, never a mix. Prints the figures; exits 1 at the first file that is
// neither.
//
//   save_power_cut [--kills N] (200)
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "base/save_layout.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "layout/atomic_file.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "maximal_layout.h"

namespace {

// The live copy a save reads back: each object where its file placed it, moved by `shift`
// twips when the objects are "moved".
class ShiftingPanel final : public kv::ObjectPanel {
 public:
  explicit ShiftingPanel(const kv::LayoutModel& m) : m_(m) {}
  void PlaceSensor(int i) override { at_[i] = Here(i); }
  bool PlaceTrack(int i, QString*) override {
    lines_[i] = QLineF(m_.ObjX[0], m_.ObjY[0], m_.ObjX2[0], m_.ObjY2[0]);
    return true;
  }
  bool PlaceImage(int i, const QString&, QString*) override { return Put(&images_, i); }
  void PlaceLabel(int i) override { labels_[i] = Here(i); }
  bool PlaceSignal(int i, const QString&, QString*) override {
    tips_[i] = m_.SignalCoilA[i];
    return Put(&signals_, i);
  }
  QPointF SensorTopLeft(int i) const override { return at_.value(i) + Shift(); }
  QPointF LabelTopLeft(int i) const override { return labels_.value(i) + Shift(); }
  QPointF ImageTopLeft(int i) const override { return images_.value(i) + Shift(); }
  QPointF SignalTopLeft(int i) const override { return signals_.value(i) + Shift(); }
  QLineF TrackLine(int i) const override { return lines_.value(i).translated(Shift()); }
  QString SignalToolTip(int i) const override { return tips_.value(i); }
  QString SignalTag(int) const override { return {}; }

  int shift = 0;

 private:
  QPointF Here(int i) const { return QPointF(m_.ObjX[i], m_.ObjY[i]); }
  bool Put(QHash<int, QPointF>* table, int i) {
    (*table)[i] = Here(i);
    return true;
  }
  QPointF Shift() const { return QPointF(shift, shift); }

  const kv::LayoutModel& m_;
  QHash<int, QPointF> at_, labels_, images_, signals_;
  QHash<int, QLineF> lines_;
  QHash<int, QString> tips_;
};

struct Files {
  QString path;
  QByteArray contents[2];  // as saved unmoved, and moved
};

}  // namespace

int main(int argc, char* argv[]) {
  int kills = 200;
  for (int a = 1; a + 1 < argc; ++a) {
    if (QByteArray(argv[a]) == "--kills") kills = std::max(1, atoi(argv[a + 1]));
  }
  QTemporaryDir dir;
  const QString project = kv::bench::WriteMaximalLayout(dir.path());
  if (project.isEmpty()) {
    std::fprintf(stderr, "save_power_cut: the maximal layout cannot be written\n");
    return 2;
  }
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session(kv::ProgramFolder(dir.path()), dialogs, scheduler);
  kv::LayoutModel& m = session.model;
  m.ProjectFile = project;
  m.LayoutName = kv::TakeLayoutName(project);
  kv::SetObjectFilePaths(m);
  ShiftingPanel panel(m);
  kv::ReadSensors(m, panel);
  kv::ReadTracks(m, panel);
  kv::ReadImages(m, session.folder, panel);
  kv::ReadLabels(m, panel);
  kv::ReadSignals(m, session.folder, panel);
  if (m.SensorCount != 255 || m.TrackCount != 255 || m.ImageCount != 255 || m.LabelCount != 255 ||
      m.SignalCount != 255) {
    std::fprintf(stderr, "save_power_cut: the maximal layout did not read whole\n");
    return 2;
  }

  // The two contents of each file, and how long a save takes.
  Files files[] = {{m.SensorFile, {}},
                   {m.LabelFile, {}},
                   {m.ImageFile, {}},
                   {m.SignalFile, {}},
                   {m.TrackFile, {}}};
  QElapsedTimer clock;
  clock.start();
  for (int s = 0; s < 2; ++s) {
    panel.shift = s * 15;
    if (!kv::SaveLayout(session, panel, {})) return 2;
    for (Files& f : files) kv::ReadWholeFile(f.path, &f.contents[s]);
  }
  const qint64 saveUs = clock.nsecsElapsed() / 2000;
  for (const Files& f : files) {
    if (f.contents[0].isEmpty() || f.contents[0] == f.contents[1]) return 2;
  }

  const QDir folder(QFileInfo(m.SensorFile).path());
  const QStringList kept = folder.entryList(QDir::Files);
  int mixed = 0, leftovers = 0;
  for (int k = 1; k <= kills; ++k) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      for (int s = 0, n = 0; n < 1000; s ^= 1, ++n) {
        panel.shift = s * 15;
        kv::SaveLayout(session, panel, {});
      }
      _exit(0);  // never reached in time: the parent kills it first
    }
    // Anywhere in the first two saves, the start included.
    usleep(useconds_t(QRandomGenerator::global()->bounded(2 * saveUs + 1)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    int moved = 0;
    for (const Files& f : files) {
      QByteArray now;
      kv::ReadWholeFile(f.path, &now);
      const int which = now == f.contents[0] ? 0 : now == f.contents[1] ? 1 : -1;
      if (which < 0) {
        std::fprintf(stderr, "kill %d: %s is neither its old nor its new contents (%lld bytes)\n",
                     k, qPrintable(f.path), static_cast<long long>(now.size()));
        return 1;
      }
      moved += which;
    }
    if (moved != 0 && moved != 5) ++mixed;
    // A temporary file the killed save left behind is not a layout file: cleared away.
    for (const QString& name : folder.entryList(QDir::Files)) {
      if (!kept.contains(name)) leftovers += QFile::remove(folder.filePath(name));
    }
  }
  std::printf("save of a maximal layout (5 files): %.1f ms\n", saveUs / 1000.0);
  std::printf(
      "%d kills during saves: every file whole, old or new; %d left the layout "
      "between two saves (some files new, some old); %d temporary files left behind\n",
      kills, mixed, leftovers);
  return 0;
}
