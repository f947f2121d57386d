// An object file's reader (KV_FUZZ_FILE) onto a real panel: a second save writes the same bytes.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "base/load_steps.h"
#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "layout/atomic_file.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "layout/object_writers.h"
#include "panel/panel.h"
#include "panel/panel_objects.h"

namespace {

struct Rig {
  Rig()
      : session(kv::ProgramFolder(dir.path()), dialogs, scheduler),
        panel(session),
        objects(panel, session.model) {
    QDir().mkpath(dir.path() + "/Data/Layout Folders/Fuzz");
    QDir().mkpath(dir.path() + "/data/sig");
    QImage image(8, 6, QImage::Format_RGB32);  // the bitmaps the seeds name
    image.fill(Qt::darkGreen);
    image.save(dir.path() + "/data/sig/C3R2x.bmp", "BMP");
    image.save(dir.path() + "/data/shed.bmp", "BMP");
    session.model.ProjectFile = dir.path() + "/Fuzz.txt";
    session.model.LayoutName = QStringLiteral("Fuzz");
    kv::SetObjectFilePaths(session.model);
  }
  // The file read onto an emptied panel, then saved; its bytes after the save.
  QByteArray ReadAndSave(void (*read)(kv::Session&, kv::ObjectPanel&)) {
    panel.Clear();
    dialogs.ClearTranscript();
    read(session, objects);
    QByteArray bytes;
    if (!kv::WriteObjectFiles(session.model, objects).Ok()) return {};
    kv::ReadWholeFile(path, &bytes);
    return bytes;
  }
  QTemporaryDir dir;
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session;
  kv::Panel panel;
  kv::PanelObjects objects;
  QString path;
};

void ReadGauge(kv::Session& s, kv::ObjectPanel&) {
  kv::ReadGauge(s.model);
}
const std::pair<const char*, void (*)(kv::Session&, kv::ObjectPanel&)> kReaders[] = {
    {"sensor.txt", kv::ReadSensorFile}, {"track.txt", kv::ReadTrackFile},
    {"image.txt", kv::ReadImageFile},   {"label.txt", kv::ReadLabelFile},
    {"signal.txt", kv::ScanSignals},    {"gauge.txt", ReadGauge}};
void (*readFile)(kv::Session&, kv::ObjectPanel&) = nullptr;
Rig* rig = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  static Rig theRig;
  rig = &theRig;
  for (const auto& [file, reader] : kReaders) {
    if (QLatin1String(file) == QLatin1String(KV_FUZZ_FILE)) readFile = reader;
  }
  rig->path = QFileInfo(rig->session.model.SensorFile).dir().filePath(KV_FUZZ_FILE);
  return readFile ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!kv::WriteFileAtomically(rig->path,
                               QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))) {
    std::abort();
  }
  const QByteArray saved = rig->ReadAndSave(readFile);
  if (rig->ReadAndSave(readFile) != saved) std::abort();
  return 0;
}
