#include <QTest>

#include "layout/port_file.h"
#include "layout/sundry_files.h"
#include "support/test_session.h"

using kv::test::TestSession;

class SundryFilesTest : public QObject {
  Q_OBJECT

 private slots:
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

KV_TEST_MAIN(SundryFilesTest)
#include "test_sundry_files.moc"
