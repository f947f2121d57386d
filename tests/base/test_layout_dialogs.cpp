#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "base/load_steps.h"
#include "base/new_layout.h"
#include "base/save_layout.h"
#include "layout/layout_folders.h"
#include "support/layout_fixture.h"
#include "support/recording_panel.h"
#include "support/test_session.h"

using kv::DialogRecord;
using kv::test::RecordingPanel;
using kv::test::TestSession;

namespace {

const QString kLoadTitle = QStringLiteral("Load a layout (e.g. 'My Layout')");

const char* const kSavedFiles[] = {"sensor.txt", "label.txt", "image.txt", "signal.txt",
                                   "track.txt"};

// A layout in use: one object of each kind on the panel, its saved files holding "old".
struct Saving {
  Saving() {
    kv::test::UseLayout(t);
    kv::LayoutModel& m = t.session.model;
    m.SensorCount = m.LabelCount = m.ImageCount = m.SignalCount = m.TrackCount = 1;
    panel.sensors[1] = {75, 150};
    m.LabelText[1] = "A";
    panel.labels[1] = {300, 450};
    m.ImagePicture[1] = "\\shed.bmp";
    panel.images[1] = {600, 750};
    m.SignalPicture[1] = "\\data\\sig\\C3R2x.bmp";
    panel.signalTips[1] = "20";
    panel.signals_[1] = {900, 1050};
    m.TrackGauge[1] = 6;
    panel.tracks[1] = QLineF(0, 0, 750, 0);
    for (const char* name : kSavedFiles) kv::test::WriteLayoutFile(t, name, "old\r\n");
  }
  QByteArray File(const QString& name) const { return kv::test::ReadLayoutFile(t, name); }
  bool Save(std::function<void()> neutral = {}) {
    return kv::SaveLayout(t.session, panel, std::move(neutral));
  }

  TestSession t;
  RecordingPanel panel{t.session.model};
};

}  // namespace

class LayoutDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void loadDialogAsksUntilTheFileLiesInTheProgramFolder() {
    TestSession t;
    t.dialogs.QueueText("/elsewhere/My Layout.txt");
    t.dialogs.QueueButton(kv::msg::kOk);
    t.dialogs.QueueText(t.dir.path() + "/My Layout.txt");
    kv::ChooseProjectFile(t.session);
    QVERIFY(!t.session.Ended());
    QCOMPARE(t.session.model.ProjectFile, t.dir.path() + "/My Layout.txt");
    const DialogRecord& first = t.dialogs.Transcript().at(0);
    QCOMPARE(first.kind, DialogRecord::kOpenFile);
    QCOMPARE(QStringList({first.title, first.text, first.defaultText}),
             QStringList({kLoadTitle, "project files (*.txt)|*.txt", t.session.folder.Root()}));
    QCOMPARE(first.style, 1);  // filter index
    QCOMPARE(kv::test::Titles(t.dialogs),
             QStringList({kLoadTitle, "select matching directory", kLoadTitle}));
  }

  void aPickThatIsNoLayoutIsToldAndAskedAgain() {
    TestSession t;
    kv::test::UseLayout(t, "Demo Layout");
    t.Write("\\readme.md", "");
    t.Write("\\Ghost.txt", "");
    for (const char* pick : {"/readme.md", "/Ghost.txt", "/Demo Layout.txt"}) {
      t.dialogs.QueueText(t.dir.path() + pick);
    }
    QVERIFY(kv::ChooseLayout(t.session));
    const auto& log = t.dialogs.Transcript();
    QCOMPARE(log.size(), 5);
    QCOMPARE(log[1].text, t.dir.path() +
                              "/readme.md is not a project file: pick the layout's name followed "
                              "by \".txt\".");
    QCOMPARE(log[3].text, "The layout 'Ghost' has no folder of object files: " + t.dir.path() +
                              "/data/Layout Folders/Ghost does not exist.");
    QCOMPARE(t.session.model.LayoutFolder, t.dir.path() + "/data/Layout Folders/Demo Layout");
  }

  // A name that cannot be used is asked for again under the same title, saying why, with the
  // refused name to mend; a good one makes the layout.
  void aNewLayoutIsNamedUntilTheNameCanBeUsed() {
    TestSession t;
    t.Write("\\My Layout.txt", "");
    for (const char* name :
         {"my layout", "A layout name of 22 ch", "Up/Down", "Yard.", "Kelvarne Halt"}) {
      t.dialogs.QueueText(name);
    }
    QVERIFY(kv::CreateLayout(t.session));
    const auto& log = t.dialogs.Transcript();
    QStringList prompts;
    for (const DialogRecord& r : log) prompts << r.text;
    const QString ask = "\nEnter the name of your new layout";
    QCOMPARE(prompts, (QStringList{
                          "Enter the name of your new layout",
                          "'my layout' is the name of a layout already." + ask,
                          "'A layout name of 22 ch' is longer than 21 characters." + ask,
                          "A name cannot hold the character / (nor any of \\ / : * ? \" < > |)." + ask,
                          "A name cannot end in a dot or a space, nor be only dots and spaces." + ask,
                      }));
    QCOMPARE(kv::test::Titles(t.dialogs), QStringList(5, QStringLiteral("New Layout")));
    QCOMPARE(log[0].kind, DialogRecord::kInput);
    QCOMPARE(log[0].defaultText, QStringLiteral("My Layout"));
    QCOMPARE(log[2].defaultText, QStringLiteral("A layout name of 22 ch"));
    QCOMPARE(t.session.model.LayoutName, QStringLiteral("Kelvarne Halt"));
    QCOMPARE(QFileInfo(t.dir.path() + "/Kelvarne Halt.txt").size(), 0);
    QVERIFY(QFileInfo(t.dir.path() + "/data/Layout Folders/Kelvarne Halt/track.txt").isFile());
  }

  void cancellingTheNewLayoutNameEndsTheProgram() {
    TestSession t;
    t.dialogs.QueueText("Up/Down");
    QVERIFY(!kv::CreateLayout(t.session));  // the second prompt is cancelled
    QVERIFY(t.session.Ended());
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList());
  }

  void saveWritesTheFilesAndClearsTheSelection() {
    Saving s;
    kv::LayoutModel& m = s.t.session.model;
    m.LabelSel[1] = m.TrackSel[255] = m.ImageSel[1] = m.SensorSel[1] = true;
    int neutral = 0;
    QVERIFY(s.Save([&] { ++neutral; }));
    QCOMPARE(neutral, 1);
    QCOMPARE(s.File("sensor.txt"), QByteArray("75,150\r\n"));
    QCOMPARE(s.File("track.txt"), QByteArray("\"track 1\",0,0,750,0,6\r\n"));
    QVERIFY(!m.LabelSel[1] && !m.TrackSel[255] && !m.ImageSel[1] && !m.SensorSel[1]);
    QVERIFY(s.t.dialogs.Transcript().isEmpty());

    // With no objects the files are emptied; path.txt is not the save's.
    s.t.session.model = kv::LayoutModel();
    kv::test::UseLayout(s.t);
    kv::test::WriteLayoutFile(s.t, "path.txt", "\"A to B \"\r\n");
    QVERIFY(s.Save());
    for (const char* name : kSavedFiles) QCOMPARE(s.File(name), QByteArray());
    QCOMPARE(s.File("path.txt"), QByteArray("\"A to B \"\r\n"));
  }

  void aSwitchedSignalBlocksTheSave() {
    Saving s;
    kv::LayoutModel& m = s.t.session.model;
    m.SignalCount = 3;
    m.SignalOff[1] = true;  // selected in Modify mode: no reason to refuse
    m.StoredAspect[3] = QStringLiteral("C3R2x");  // the last signal shows its other aspect
    int neutral = 0;
    QVERIFY(!s.Save([&] { ++neutral; }));
    QCOMPARE(neutral, 0);
    QCOMPARE(s.t.dialogs.Last().title, QStringLiteral("write permit suspended"));
    QCOMPARE(s.File("sensor.txt"), QByteArray("old\r\n"));
    m.StoredAspect[3].clear();
    QVERIFY(s.Save());
  }

  // The files are written in order sensor, label, image, signal, track.
  void aReadOnlyFileStopsTheSaveThere() {
    Saving s;
    const QString image = kv::test::LayoutPath(s.t, "image.txt");
    QFile(image).setPermissions(QFileDevice::ReadOwner);
    QVERIFY(!s.Save());
    QCOMPARE(s.t.dialogs.Last().title, image);
    QCOMPARE(s.t.session.model.TargetFile, image);
    QCOMPARE(s.File("sensor.txt"), QByteArray("75,150\r\n"));
    QCOMPARE(s.File("label.txt"), QByteArray("\"A\",0,#FALSE#,#FALSE#,#FALSE#,\"\",0,300,450\r\n"));
    QCOMPARE(s.File("image.txt") + s.File("signal.txt") + s.File("track.txt"),
             QByteArray("old\r\nold\r\nold\r\n"));
  }

  void aTextAFileCannotHoldIsToldByName() {
    Saving s;
    s.t.session.model.LabelText[1] = QStringLiteral("Łódź");
    QVERIFY(!s.Save());
    QCOMPARE(s.t.dialogs.Last().title, kv::test::LayoutPath(s.t, "label.txt"));
    QCOMPARE(s.t.dialogs.Last().text,
             QStringLiteral("label 1: the text \"Łódź\" holds the character 'Ł', which these files "
                            "cannot store. Change it and save again: this file and the ones after "
                            "it were not written."));
    QCOMPARE(s.File("sensor.txt"), QByteArray("75,150\r\n"));
    QCOMPARE(s.File("label.txt") + s.File("track.txt"), QByteArray("old\r\nold\r\n"));
  }

  void backupAsksFirstAndCopiesTheFolderInUse() {
    TestSession t;
    // The project file lies in a sub-folder: the backup takes the folder found beside it.
    t.Write("\\layouts\\Yard.txt", "");
    kv::LayoutModel& m = t.session.model;
    m.ProjectFile = t.Path("\\layouts\\Yard.txt");
    m.LayoutName = "Yard";
    QDir().mkpath(t.dir.path() + "/layouts/Data/Layout Folders/Yard");
    kv::SetObjectFilePaths(m);
    for (const QString& name : kv::BackedUpFiles()) kv::test::WriteLayoutFile(t, name, "1");
    t.dialogs.QueueButton(kv::msg::kNo);
    kv::BackUpLayout(t.session);
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("back up all object files?"));
    QCOMPARE(QDir(m.LayoutFolder).entryList(QDir::Files).size(), 6);
    t.dialogs.QueueButton(kv::msg::kYes);
    kv::BackUpLayout(t.session);
    QCOMPARE(t.dialogs.Transcript().size(), 2);  // no word of failure
    for (const QString& name : kv::BackedUpFiles()) {
      QCOMPARE(kv::test::ReadLayoutFile(t, "copy of " + name), QByteArray("1"));
    }
  }

  // Only the first 255 records are taken, and the user is told.
  void tooManyRecordsAreTold() {
    TestSession t;
    kv::test::UseLayout(t);
    QByteArray bytes;
    for (int i = 1; i <= 300; ++i) bytes += "\"track\"," + QByteArray::number(i * 75) + ",0,0,0,3\r\n";
    kv::test::WriteLayoutFile(t, "track.txt", bytes);
    RecordingPanel panel(t.session.model);
    kv::ReadTrackFile(t.session, panel);
    QCOMPARE(t.session.model.TrackCount, std::uint8_t(255));
    QCOMPARE(t.session.model.NewTrackIdx, std::uint8_t(255));
    QCOMPARE(panel.placed.size(), 255);
    QCOMPARE(panel.placed.last(), QStringLiteral("track 255 19125,0 0,0 w3"));
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("too many objects"));
    QCOMPARE(t.dialogs.Last().text,
             kv::test::LayoutPath(t, "track.txt") +
                 " holds 45 more records than a layout can have (255 of each kind); only the "
                 "first 255 were loaded. The file is kept as it is until it is mended: saving "
                 "the layout does not rewrite it.");
    QCOMPARE(t.session.model.KeptFiles.size(), 1);
    QCOMPARE(t.session.model.KeptFiles[0].line, 256);
  }

  // The copies that could be made are made.
  void aBackupThatCouldNotCopyTellsWhich() {
    TestSession t;
    kv::test::UseLayout(t);
    for (const QString& name : kv::BackedUpFiles()) kv::test::WriteLayoutFile(t, name, "1");
    QFile::remove(kv::test::LayoutPath(t, "path.txt"));
    kv::test::WriteLayoutFile(t, "copy of track.txt", "older");
    QFile(kv::test::LayoutPath(t, "copy of track.txt")).setPermissions(QFileDevice::ReadOwner);
    t.dialogs.QueueButton(kv::msg::kYes);
    kv::BackUpLayout(t.session);
    QCOMPARE(t.dialogs.Transcript().size(), 2);
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("back up all object files?"));
    QCOMPARE(t.dialogs.Last().text,
             "These files were not backed up:\n" + kv::test::LayoutPath(t, "copy of track.txt") +
                 " is read-only\n" + kv::test::LayoutPath(t, "path.txt") + " does not exist");
    QCOMPARE(kv::test::ReadLayoutFile(t, "copy of track.txt"), QByteArray("older"));
    QCOMPARE(kv::test::ReadLayoutFile(t, "copy of label.txt"), QByteArray("1"));
  }

  // The new-layout prompt says why the layout could not be made, and asks again.
  void aLayoutFolderThatCannotBeMadeIsToldInThePrompt() {
    TestSession t;
    t.Write("\\data\\Layout Folders", "a file where the folder should be");
    t.dialogs.QueueText("Yard");
    QVERIFY(!kv::CreateLayout(t.session));  // the prompt that tells why is cancelled
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("New Layout"));
    QCOMPARE(t.dialogs.Last().text, "The layout could not be created: the folder " + t.dir.path() +
                                        "/data/Layout Folders/Yard cannot be created.\nEnter the "
                                        "name of your new layout");
    QCOMPARE(t.dialogs.Last().defaultText, QStringLiteral("Yard"));
    QVERIFY(!QFileInfo::exists(t.dir.path() + "/Yard.txt"));  // no project file without it
  }
};

KV_TEST_MAIN(LayoutDialogsTest)
#include "test_layout_dialogs.moc"
