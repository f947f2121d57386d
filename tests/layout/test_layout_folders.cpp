#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "layout/layout_folders.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::LayoutNameProblem;
using kv::test::TestSession;

Q_DECLARE_METATYPE(kv::LayoutNameProblem)

class LayoutFoldersTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutNameFromTheProjectFile_data() {
    QTest::addColumn<QString>("projectFile");
    QTest::addColumn<QString>("name");
    QTest::newRow("linux path") << "/home/rail/My Layout.txt" << "My Layout";
    QTest::newRow("windows path") << "C:\\Rail\\My Layout.txt" << "My Layout";
    QTest::newRow("21 characters") << "/r/abcdefghijklmnopqrstu.txt" << "abcdefghijklmnopqrstu";
    QTest::newRow("cut to 21") << "/r/A very long layout name.txt" << "A very long layout na";
    QTest::newRow("no folder") << "Yard.txt" << "Yard";
    QTest::newRow("too short") << "/r/.tx" << "";
  }
  void layoutNameFromTheProjectFile() {
    QFETCH(QString, projectFile);
    QTEST(kv::TakeLayoutName(projectFile), "name");
  }

  void theLayoutFolderLiesBesideTheProjectFile() {
    TestSession t;
    kv::LayoutModel& m = t.session.model;
    m.ProjectFile = t.dir.path() + "/layouts/Demo Layout.txt";
    m.LayoutName = "Demo Layout";
    kv::SetObjectFilePaths(m);
    const QString folder = t.dir.path() + "/layouts/Data/Layout Folders/Demo Layout";
    QCOMPARE(m.LayoutFolder, folder);
    const QStringList paths{m.PathFile,   m.TrackFile,  m.LabelFile,  m.LocoFile,     m.SensorFile,
                            m.ImageFile,  m.SignalFile, m.CoilNoFile, m.FunctionFile, m.GaugeFile};
    QCOMPARE(paths.join(' ').remove(folder + '/'),
             QStringLiteral("path.txt track.txt label.txt loco.txt sensor.txt image.txt signal.txt "
                            "coilno.txt function.txt gauge.txt"));
  }

  void programFolderHoldsOnlyWhatLiesInside() {
    TestSession t;
    const QString root = t.session.folder.Root();
    QDir().mkpath(root + "2");  // a sibling whose name begins with the program folder's
    QVERIFY(kv::LiesInProgramFolder(t.session.folder, root + "/My Layout.txt"));
    QVERIFY(kv::LiesInProgramFolder(t.session.folder, root + "/data/deep/Yard.txt"));
    QVERIFY(!kv::LiesInProgramFolder(t.session.folder, root + "2/My Layout.txt"));
    QVERIFY(!kv::LiesInProgramFolder(t.session.folder, "/tmp/My Layout.txt"));
    QVERIFY(!kv::LiesInProgramFolder(t.session.folder, root));
    QDir(root + "2").removeRecursively();
  }

  void newLayoutNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<LayoutNameProblem>("problem");
    QTest::addColumn<QString>("bad");
    QTest::newRow("free") << "My Layout" << LayoutNameProblem::kNone << "";
    QTest::newRow("21 characters") << "abcdefghijklmnopqrstu" << LayoutNameProblem::kNone << "";
    QTest::newRow("22 characters") << "abcdefghijklmnopqrstuv" << LayoutNameProblem::kTooLong << "";
    QTest::newRow("project taken in another case") << "OLD YARD" << LayoutNameProblem::kTaken << "";
    QTest::newRow("folder taken") << "Lost Layout" << LayoutNameProblem::kTaken << "";
    for (const QChar c : QStringLiteral("/\\:*?\"<>|\t")) {
      QTest::addRow("character %d", c.unicode()) << "a" + QString(c) + "b"
                                                 << LayoutNameProblem::kBadCharacter << QString(c);
    }
    QTest::newRow("dots") << ".." << LayoutNameProblem::kBadEnd << "";
    QTest::newRow("trailing dot") << "Yard." << LayoutNameProblem::kBadEnd << "";
    QTest::newRow("trailing space") << "Yard " << LayoutNameProblem::kBadEnd << "";
  }
  void newLayoutNames() {
    QFETCH(QString, name);
    QFETCH(QString, bad);
    TestSession t;
    t.Write("\\Old Yard.txt", "");
    QDir().mkpath(t.dir.path() + "/data/Layout Folders/Lost Layout");
    QChar found;
    QTEST(kv::CheckLayoutName(t.session.folder, name, &found), "problem");
    if (!bad.isEmpty()) QCOMPARE(QString(found), bad);
  }

  void creatingALayoutMakesItsProjectFileFolderAndEmptyFiles() {
    TestSession t;
    kv::LayoutModel& m = t.session.model;
    m.LayoutName = "My Layout";
    m.CoilNoFile = "left over";
    QString error;
    QVERIFY2(kv::CreateLayoutFolder(t.session.folder, m, &error), qPrintable(error));
    QVERIFY2(kv::CreateObjectFiles(m, &error), qPrintable(error));
    QVERIFY(QFileInfo(t.dir.path() + "/My Layout.txt").isFile());
    QCOMPARE(QFileInfo(t.dir.path() + "/My Layout.txt").size(), 0);
    // "Data" is the program folder's data folder, in the case it has on disk.
    const QString folder = t.dir.path() + "/data/Layout Folders/My Layout";
    QCOMPARE(m.LayoutFolder, folder);
    const QStringList made = QDir(folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(made, (QStringList{"gauge.txt", "image.txt", "label.txt", "loco.txt", "path.txt",
                                "sensor.txt", "signal.txt", "track.txt"}));
    for (const QString& name : made) QCOMPARE(QFileInfo(folder + "/" + name).size(), 0);
    QCOMPARE(m.TrackFile, folder + "/track.txt");
    QCOMPARE(m.CoilNoFile, QString());
    QCOMPARE(m.FunctionFile, QString());
  }

  void backupCopiesTheSixFilesOverEarlierCopies() {
    TestSession t;
    kv::test::UseLayout(t);
    const QStringList names = kv::BackedUpFiles();
    QCOMPARE(names, (QStringList{"image.txt", "signal.txt", "sensor.txt", "label.txt",
                                 "track.txt", "path.txt"}));
    for (const QString& name : names) kv::test::WriteLayoutFile(t, name, "first " + name.toLatin1());
    QVERIFY(kv::BackUpObjectFiles(t.session.model.LayoutFolder).isEmpty());
    for (const QString& name : names) kv::test::WriteLayoutFile(t, name, "second " + name.toLatin1());
    QVERIFY(kv::BackUpObjectFiles(t.session.model.LayoutFolder).isEmpty());
    for (const QString& name : names) {
      QCOMPARE(kv::test::ReadLayoutFile(t, "copy of " + name), "second " + name.toLatin1());
    }
    // One set: the six files, their six copies, and the project's own folder holds nothing else.
    QCOMPARE(QDir(t.session.model.LayoutFolder).entryList(QDir::Files).size(), 12);
  }
};

KV_TEST_MAIN(LayoutFoldersTest)
#include "test_layout_folders.moc"
