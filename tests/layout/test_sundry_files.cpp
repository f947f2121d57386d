#include <QFile>
#include <QTest>

#include "layout/sundry_files.h"
#include "support/test_session.h"

using kv::test::TestSession;

class SundryFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void versionFileHoldsOneQuotedString() {
    TestSession t;
    QVERIFY(kv::WriteVersionFile(t.session.folder, QStringLiteral("DC")));
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DC\"\r\n"));
    QVERIFY(kv::WriteVersionFile(t.session.folder, QStringLiteral("DCC + DC")));
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DCC + DC\"\r\n"));
    QString system;
    QVERIFY(kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("DCC + DC"));
  }

  void versionFileIsTakenAsItStands() {
    TestSession t;
    t.Write(QStringLiteral("\\Data\\Sundries\\VERSION.TXT"), "\"Steam\"\n");
    QString system = QStringLiteral("unchanged");
    QVERIFY(kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("Steam"));
  }

  void missingOrEmptyVersionFileLeavesTheValue() {
    TestSession t;
    QString system = QStringLiteral("DCC");
    QVERIFY(!kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("DCC"));
    t.Write(kv::kVersionFile, "");
    QVERIFY(!kv::ReadVersionFile(t.session.folder, &system));
    QCOMPARE(system, QStringLiteral("DCC"));
  }

  void readOnlyVersionFileIsRefusedAndKept() {
    TestSession t;
    t.Write(kv::kVersionFile, "\"DC\"\r\n");
    QFile(t.Path(kv::kVersionFile)).setPermissions(QFileDevice::ReadOwner);
    QString error;
    QVERIFY(!kv::WriteVersionFile(t.session.folder, QStringLiteral("DCC"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DC\"\r\n"));
  }

  void coordFileRoundTrip() {
    TestSession t;
    std::array<std::int32_t, 4> pos{4500, -150, 7, 7};
    QVERIFY(kv::WriteCoordFile(t.session.folder, pos));
    QCOMPARE(t.Read(kv::kCoordFile), QByteArray("4500,-150\r\n"));
    std::array<std::int32_t, 4> back{};
    QVERIFY(kv::ReadCoordFile(t.session.folder, &back));
    QCOMPARE(back[0], 4500);
    QCOMPARE(back[1], -150);
    QCOMPARE(back[2], 0);
  }

  void missingCoordFileIsCreatedEmptyAndReadsNothing() {
    TestSession t;
    QVERIFY(!t.Exists(kv::kCoordFile));
    std::array<std::int32_t, 4> pos{1, 2, 3, 4};
    QVERIFY(!kv::ReadCoordFile(t.session.folder, &pos));
    QVERIFY(t.Exists(kv::kCoordFile));
    QCOMPARE(t.Read(kv::kCoordFile), QByteArray());
    QCOMPARE(pos[0], 1);
    QCOMPARE(pos[1], 2);
  }
};

KV_TEST_MAIN(SundryFilesTest)
#include "test_sundry_files.moc"
