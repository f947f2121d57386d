// libFuzzer entry of an object file's reader (KV_FUZZ_FILE names the file): any bytes, read
// onto a real panel, must neither crash nor hang it. What a save would write of them must read
// back to the same objects: written a second time, the bytes are the same.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "layout/object_writers.h"
#include "panel/panel.h"
#include "panel/panel_objects.h"

namespace {

using Compose = std::function<bool(kv::LayoutModel&, const kv::ObjectPanel&, QByteArray*)>;

struct Kind {
  const char* file;
  QString kv::LayoutModel::*path;
  std::function<void(kv::Session&, kv::ObjectPanel&)> read;
  Compose compose;  // empty: the program never rewrites this file from what it read
};

template <auto ComposeFile>
Compose Composer() {
  return [](kv::LayoutModel& m, const kv::ObjectPanel& p, QByteArray* bytes) {
    QString error;
    return ComposeFile(m, p, bytes, &error);
  };
}

const Kind kKinds[] = {
    {"sensor.txt", &kv::LayoutModel::SensorFile,
     [](kv::Session& s, kv::ObjectPanel& p) { kv::ReadSensors(s.model, p); },
     Composer<kv::ComposeSensorFile>()},
    {"track.txt", &kv::LayoutModel::TrackFile,
     [](kv::Session& s, kv::ObjectPanel& p) { kv::ReadTracks(s.model, p); },
     [](kv::LayoutModel& m, const kv::ObjectPanel& p, QByteArray* bytes) {
       QString error;
       return kv::ComposeTrackFile(m, p, bytes, &error);
     }},
    {"image.txt", &kv::LayoutModel::ImageFile,
     [](kv::Session& s, kv::ObjectPanel& p) { kv::ReadImages(s.model, s.folder, p); },
     Composer<kv::ComposeImageFile>()},
    {"label.txt", &kv::LayoutModel::LabelFile,
     [](kv::Session& s, kv::ObjectPanel& p) { kv::ReadLabels(s.model, p); },
     Composer<kv::ComposeLabelFile>()},
    {"signal.txt", &kv::LayoutModel::SignalFile,
     [](kv::Session& s, kv::ObjectPanel& p) { kv::ReadSignals(s.model, s.folder, p); },
     Composer<kv::ComposeSignalFile>()},
    {"gauge.txt",
     &kv::LayoutModel::GaugeFile,
     [](kv::Session& s, kv::ObjectPanel&) { kv::ReadGauge(s.model); },
     {}},
};

// A program folder with a layout, a bitmap for pictures and one for signals, and a panel.
struct Rig {
  Rig()
      : session(kv::ProgramFolder(dir.path()), dialogs, scheduler),
        panel(session),
        objects(panel, session.model) {
    QDir().mkpath(dir.path() + "/Data/Layout Folders/Fuzz");
    QDir().mkpath(dir.path() + "/data/sig");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(dir.path() + "/data/sig/C3R2x.bmp", "BMP");
    image.save(dir.path() + "/data/shed.bmp", "BMP");
    session.model.ProjectFile = dir.path() + "/Fuzz.txt";
    session.model.LayoutName = QStringLiteral("Fuzz");
    kv::SetObjectFilePaths(session.model);
  }
  // Reads `bytes` as the file of `kind` onto an empty panel.
  void Read(const Kind& kind, const QByteArray& bytes) {
    QFile file(session.model.*kind.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
      std::abort();
    file.close();
    panel.Clear();
    kind.read(session, objects);
  }

  QTemporaryDir dir;
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session;
  kv::Panel panel;
  kv::PanelObjects objects;
};

const Kind* kind = nullptr;
Rig* rig = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  for (const Kind& k : kKinds) {
    if (QLatin1String(k.file) == QLatin1String(KV_FUZZ_FILE)) kind = &k;
  }
  if (!kind) std::abort();
  static Rig theRig;
  rig = &theRig;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rig->Read(*kind, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  kv::LayoutModel& m = rig->session.model;
  if (!kind->compose || !kv::MayRewrite(m, m.*kind->path)) return 0;
  QByteArray saved;
  if (!kind->compose(m, rig->objects, &saved)) return 0;  // refused by name, nothing written
  rig->Read(*kind, saved);
  QByteArray again;
  if (!kv::MayRewrite(m, m.*kind->path) || !kind->compose(m, rig->objects, &again) ||
      again != saved) {
    std::abort();
  }
  return 0;
}
