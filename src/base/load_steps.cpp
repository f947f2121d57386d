#include "base/load_steps.h"

#include <QDir>
#include <QFileInfo>

#include "base/layout_texts.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/layout_folders.h"
#include "layout/object_readers.h"

namespace kv {

void ChooseProjectFile(Session& s) {
  LayoutModel& m = s.model;
  while (!s.Ended()) {
    const QString chosen = s.dialogs.OpenFileName(
        QStringLiteral("Load a layout (e.g. 'My Layout')"),
        QStringLiteral("project files (*.txt)|*.txt"), 1, s.folder.Root());
    if (chosen.isEmpty()) {
      s.EndProgram();
      return;
    }
    m.ProjectFile = QDir::cleanPath(QFileInfo(chosen).absoluteFilePath());
    if (LiesInProgramFolder(s.folder, m.ProjectFile)) return;
    ShowMessage(s, 3);
  }
}

bool ChooseLayout(Session& s) {
  LayoutModel& m = s.model;
  while (true) {
    ChooseProjectFile(s);
    if (s.Ended()) return false;
    QString problem;
    if (!m.ProjectFile.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
        TakeLayoutName(m.ProjectFile).isEmpty()) {
      problem = texts::NotAProjectFile(m.ProjectFile);
    } else {
      m.LayoutName = TakeLayoutName(m.ProjectFile);
      SetObjectFilePaths(m);
      if (QFileInfo(m.LayoutFolder).isDir()) return true;
      problem = texts::NoLayoutFolder(m.LayoutName, m.LayoutFolder);
    }
    s.dialogs.MessageBox(problem, msg::kInformation, texts::NotALayoutTitle());
  }
}

namespace {

// A layout whose pictures all lie on a stick that is not plugged in names the first few only.
constexpr int kStandInsListed = 5;

// Message 2 naming the file and what follows it.
void ShowMessage2(Session& s, const QString& path, const QString& after) {
  s.model.TargetFile = path + after;
  ShowMessage(s, 2);
  s.model.TargetFile = path;
}

// Message 2 naming the file, then where its reading stopped and why, and that the file is kept
// as it is; and the word about records beyond the 255th.
void Report(Session& s, const QString& path, const ReadOutcome& outcome) {
  if (outcome.stopped && !outcome.quiet) {
    ShowMessage2(
        s, path,
        texts::WhereReadingStopped(outcome.line, outcome.reason) + texts::KeptUntilMended());
  }
  if (outcome.notTaken > 0) {
    s.dialogs.MessageBox(texts::ObjectLimit(path, outcome.notTaken), msg::kInformation,
                         texts::ObjectLimitTitle());
  }
}

}  // namespace

void ReadSensorFile(Session& s, ObjectPanel& panel) {
  Report(s, s.model.SensorFile, ReadSensors(s.model, panel));
}

void ReadTrackFile(Session& s, ObjectPanel& panel) {
  Report(s, s.model.TrackFile, ReadTracks(s.model, panel));
}

void ReadImageFile(Session& s, ObjectPanel& panel) {
  const ReadOutcome outcome = ReadImages(s.model, s.folder, panel);
  if (!outcome.unplaced.isEmpty()) {
    QStringList where;
    for (const Unplaced& u : outcome.unplaced) where << texts::AtLine(u.line, u.reason);
    ShowMessage2(s, s.model.ImageFile, texts::PictureStandIns(where, kStandInsListed));
  }
  Report(s, s.model.ImageFile, outcome);
}

void ReadLabelFile(Session& s, ObjectPanel& panel) {
  // Labels pass bad fields over: only a file that cannot be opened at all is told.
  Report(s, s.model.LabelFile, ReadLabels(s.model, panel));
}

void ScanSignals(Session& s, ObjectPanel& panel) {
  LayoutModel& m = s.model;
  const ReadOutcome outcome = ReadSignals(m, s.folder, panel);
  for (const Unplaced& u : outcome.unplaced) {
    // Message 15 names the picture that is missing from the signal library.
    m.ObjIdx = static_cast<std::uint8_t>(u.index);
    m.SigPathLength = static_cast<int>(m.SignalPicture[u.index].size());
    ShowMessage(s, 15);
  }
  m.ObjIdx = m.SignalCount;
  Report(s, m.SignalFile, outcome);
}

}  // namespace kv
