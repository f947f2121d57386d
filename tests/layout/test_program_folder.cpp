#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "layout/atomic_file.h"
#include "layout/program_folder.h"
#include "support/test_session.h"

using kv::ProgramFolder;

class ProgramFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void resolvesStoredPathsIgnoringCase() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data/Layout Folders/My Layout"));
    QDir(dir.path()).mkpath(QStringLiteral("Data/VM110"));
    QFile(dir.path() + QStringLiteral("/Data/VM110/KnobFwd0.BMP")).open(QIODevice::WriteOnly);
    const ProgramFolder folder(dir.path());
    QCOMPARE(folder.Resolve(QStringLiteral("\\data\\layout folders\\MY LAYOUT\\track.txt")),
             dir.path() + QStringLiteral("/Data/Layout Folders/My Layout/track.txt"));
    QCOMPARE(folder.Resolve(QStringLiteral("\\data\\vm110\\knobfwd0.bmp")),
             dir.path() + QStringLiteral("/Data/VM110/KnobFwd0.BMP"));
    // Names that do not exist keep the stored spelling.
    QCOMPARE(folder.Resolve(QStringLiteral("\\Data\\New Folder\\x.txt")),
             dir.path() + QStringLiteral("/Data/New Folder/x.txt"));
    QCOMPARE(folder.Resolve(QStringLiteral("/data/vm110")), dir.path() + QStringLiteral("/Data/VM110"));
  }

  void anExactMatchWinsOverOtherCases() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const ProgramFolder folder(dir.path());
    QCOMPARE(folder.Resolve(QStringLiteral("\\DATA")), dir.path() + QStringLiteral("/DATA"));
    QCOMPARE(folder.Resolve(QStringLiteral("\\data")), dir.path() + QStringLiteral("/data"));
  }

  void writersGetTheirFoldersCreated() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Data"));
    const ProgramFolder folder(dir.path());
    QString error;
    const QString path = folder.ResolveForWrite(QStringLiteral("\\data\\sundries\\coord.txt"), &error);
    QCOMPARE(path, dir.path() + QStringLiteral("/Data/sundries/coord.txt"));
    QVERIFY(QFileInfo(dir.path() + QStringLiteral("/Data/sundries")).isDir());
    QVERIFY(!QFileInfo::exists(path));  // the file itself is the writer's to make
  }

  void choosesTheProgramFolder() {
    QTemporaryDir exe;
    QTemporaryDir other;
    QCOMPARE(kv::ChooseProgramFolder(exe.path(), other.path()), other.path());
    QDir(exe.path()).mkpath(QStringLiteral("Data"));
    QCOMPARE(kv::ChooseProgramFolder(exe.path(), QString()), exe.path());
  }

  void anInstalledCopyIsSeededIntoAPerUserFolder() {
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/kelvarne/data/sundries"));
    QFile seed(prefix.path() + QStringLiteral("/share/kelvarne/data/sundries/port.txt"));
    QVERIFY(seed.open(QIODevice::WriteOnly));
    seed.write("0\r\n");
    seed.close();
    const QString chosen = kv::ChooseProgramFolder(prefix.path() + QStringLiteral("/bin"), QString());
    QVERIFY(chosen != prefix.path() + QStringLiteral("/bin"));
    QVERIFY(QFileInfo::exists(chosen + QStringLiteral("/data/sundries/port.txt")));
    QDir(chosen).removeRecursively();
  }

  void atomicWritesReplaceWholeFilesAndRefuseReadOnlyOnes() {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/x.txt");
    QVERIFY(kv::WriteFileAtomically(path, "first\r\n"));
    QVERIFY(kv::WriteFileAtomically(path, "2\r\n"));
    QByteArray bytes;
    QVERIFY(kv::ReadWholeFile(path, &bytes));
    QCOMPARE(bytes, QByteArray("2\r\n"));
    QFile(path).setPermissions(QFileDevice::ReadOwner);
    QString error;
    QVERIFY(!kv::WriteFileAtomically(path, "3\r\n", &error));
    QVERIFY(error.contains(QStringLiteral("read-only")));
    QVERIFY(kv::ReadWholeFile(path, &bytes));
    QCOMPARE(bytes, QByteArray("2\r\n"));
    QStringList leftovers = QDir(dir.path()).entryList(QDir::Files);
    QCOMPARE(leftovers, QStringList{QStringLiteral("x.txt")});
  }
};

KV_TEST_MAIN(ProgramFolderTest)
#include "test_program_folder.moc"
