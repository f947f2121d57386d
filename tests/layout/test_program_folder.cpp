#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "layout/atomic_file.h"
#include "layout/port_file.h"
#include "layout/program_folder.h"
#include "layout/sundry_files.h"
#include "layout/wait_file.h"
#include "support/test_session.h"

using kv::ProgramFolder;
using kv::test::TestSession;

// The program folder: stored paths, atomic writes, and the sundry files it holds.
class ProgramFolderTest : public QObject {
  Q_OBJECT

 private slots:
  // Stored paths resolve ignoring case.
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
    QCOMPARE(folder.Resolve(QStringLiteral("\\Data\\New Folder\\x.txt")),
             dir.path() + QStringLiteral("/Data/New Folder/x.txt"));
    QCOMPARE(folder.Resolve(QStringLiteral("/data/vm110")), dir.path() + QStringLiteral("/Data/VM110"));
    const QString path = folder.ResolveForWrite(QStringLiteral("\\data\\sundries\\coord.txt"));
    QCOMPARE(path, dir.path() + QStringLiteral("/Data/sundries/coord.txt"));
    QVERIFY(QFileInfo(dir.path() + QStringLiteral("/Data/sundries")).isDir());
    QVERIFY(!QFileInfo::exists(path));
  }

  void anExactMatchWinsOverOtherCases() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("data"));
    QDir(dir.path()).mkpath(QStringLiteral("DATA"));
    const ProgramFolder folder(dir.path());
    QCOMPARE(folder.Resolve(QStringLiteral("\\DATA")), dir.path() + QStringLiteral("/DATA"));
    QCOMPARE(folder.Resolve(QStringLiteral("\\data")), dir.path() + QStringLiteral("/data"));
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

  // A dwell in seconds suits the DCC box, one in ms the relay stack.
  void storedDwellIsMadeValidForTheSystem_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("system");
    QTest::addColumn<float>("dwell");
    const std::tuple<const char*, const char*, float> rows[] = {
        {".5\r\n", "DCC", 0.5f}, {"500\r\n", "DC", 500.0f},   {"100\r\n", "DC", 1000.0f},
        {"7\r\n", "DCC", 1.0f},  {"fast\r\n", "DC", 1000.0f}, {"", "DCC", 1.0f},
        {nullptr, "DCC", 1.0f},  {nullptr, "DC", 1000.0f}};
    for (const auto& [file, system, dwell] : rows) {
      QTest::addRow("%s on %s", file ? QByteArray(file).simplified().constData() : "none", system)
          << QByteArray(file) << system << dwell;
    }
  }
  void storedDwellIsMadeValidForTheSystem() {
    QFETCH(QByteArray, file);
    QFETCH(QString, system);
    TestSession t;
    if (!file.isNull()) t.Write(kv::kWaitFile, file);
    QTEST(kv::ReadWaitFile(t.session.folder, system), "dwell");
  }

  void writesOneNumberAsTheFilesHoldIt() {
    TestSession t;
    QVERIFY(kv::WriteWaitFile(t.session.folder, 1000.0f));
    QCOMPARE(t.Read(kv::kWaitFile), QByteArray("1000\r\n"));
    QVERIFY(kv::WriteWaitFile(t.session.folder, 0.2f));
    QCOMPARE(t.Read(kv::kWaitFile), QByteArray(".2\r\n"));
    QCOMPARE(kv::ReadWaitFile(t.session.folder, "DCC"), 0.2f);
  }

  void portFileContents_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("port");  // 0: off-line
    const std::pair<const char*, int> rows[] = {{"3\r\n", 3},       {"255", 255},   {"12\n", 12},
                                                {"\r\n4\r\n", 4},   {"256\r\n", 0}, {"-1\r\n", 0},
                                                {"\"COM3\"\r\n", 0}};
    for (const auto& [bytes, port] : rows) {
      QTest::newRow(QByteArray(bytes).simplified().constData()) << QByteArray(bytes) << port;
    }
  }
  void portFileContents() {
    QFETCH(QByteArray, bytes);
    TestSession t;
    t.Write(kv::kPortFile, bytes);
    QTEST(int(kv::ReadPortFile(t.session.folder)), "port");
    QCOMPARE(t.Read(kv::kPortFile), bytes);  // reading never rewrites it
  }
};

KV_TEST_MAIN(ProgramFolderTest)
#include "test_program_folder.moc"
