#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "layout/atomic_file.h"
#include "layout/port_file.h"
#include "layout/program_folder.h"
#include "layout/sundry_files.h"
#include "support/test_session.h"

using kv::ProgramFolder;
using kv::test::TestSession;

// The program folder: stored paths, atomic writes, and the sundry files it holds.
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

  void versionFileHoldsOneQuotedString() {
    TestSession t;
    QVERIFY(kv::WriteVersionFile(t.session.folder, QStringLiteral("DCC + DC")));
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DCC + DC\"\r\n"));
    QString system;
    QVERIFY(kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("DCC + DC"));
  }

  // Missing or empty, the file leaves the value alone; any other text is taken as it stands.
  void versionFileIsTakenAsItStands() {
    TestSession t;
    QString system = QStringLiteral("DCC");
    QVERIFY(!kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("DCC"));
    t.Write(QStringLiteral("\\Data\\Sundries\\VERSION.TXT"), "\"Steam\"\n");
    QVERIFY(kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("Steam"));
    t.Write(kv::kVersionFile, "");
    QVERIFY(!kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("Steam"));
  }

  void coordFileRoundTrip() {
    TestSession t;
    std::array<std::int32_t, 4> pos{4500, -150, 7, 7};
    QVERIFY(kv::WriteCoordFile(t.session.folder, pos));
    QCOMPARE(t.Read(kv::kCoordFile), QByteArray("4500,-150\r\n"));
    std::array<std::int32_t, 4> back{};
    QVERIFY(kv::ReadCoordFile(t.session.folder, &back));
    QCOMPARE(back, (std::array<std::int32_t, 4>{4500, -150, 0, 0}));
  }

  // The files a first run does not have are created empty and read as nothing (port 0: off-line).
  void missingFilesAreCreatedEmpty() {
    TestSession t;
    std::array<std::int32_t, 4> pos{1, 2, 3, 4};
    QVERIFY(!kv::ReadCoordFile(t.session.folder, &pos));
    QCOMPARE(pos, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    QCOMPARE(kv::ReadPortFile(t.session.folder), std::uint8_t(0));
    for (const QString& file : {kv::kCoordFile, kv::kPortFile}) {
      QVERIFY2(t.Exists(file), qPrintable(file));
      QCOMPARE(t.Read(file), QByteArray());
    }
  }

  void portFileContents_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("port");
    QTest::newRow("3") << QByteArray("3\r\n") << 3;
    QTest::newRow("255, no line end") << QByteArray("255") << 255;
    QTest::newRow("written on Linux") << QByteArray("12\n") << 12;
    QTest::newRow("blank line first") << QByteArray("\r\n4\r\n") << 4;
    QTest::newRow("256") << QByteArray("256\r\n") << 0;
    QTest::newRow("negative") << QByteArray("-1\r\n") << 0;
    QTest::newRow("a name") << QByteArray("\"COM3\"\r\n") << 0;
  }
  void portFileContents() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, port);
    TestSession t;
    t.Write(kv::kPortFile, bytes);
    QCOMPARE(int(kv::ReadPortFile(t.session.folder)), port);
    QCOMPARE(t.Read(kv::kPortFile), bytes);  // reading never rewrites it
  }
};

KV_TEST_MAIN(ProgramFolderTest)
#include "test_program_folder.moc"
