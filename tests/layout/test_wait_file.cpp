#include <QTest>

#include "layout/wait_file.h"
#include "support/test_session.h"

using kv::test::TestSession;

class WaitFileTest : public QObject {
  Q_OBJECT

 private slots:
  void storedDwellIsMadeValidForTheSystem_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("system");
    QTest::addColumn<float>("dwell");
    QTest::newRow("seconds on DCC kept") << QByteArray("1.4\r\n") << "DCC" << 1.4f;
    QTest::newRow("written without the zero") << QByteArray(".5\r\n") << "DCC" << 0.5f;
    QTest::newRow("under the slider, still kept") << QByteArray(".05\r\n") << "DCC" << 0.05f;
    QTest::newRow("seconds on DC") << QByteArray("0.5\r\n") << "DC" << 1000.0f;
    QTest::newRow("ms on DCC + DC kept") << QByteArray("2500\r\n") << "DCC + DC" << 2500.0f;
    QTest::newRow("ms on DCC") << QByteArray("3000\r\n") << "DCC" << 1.0f;
    QTest::newRow("neither on DC") << QByteArray("100\r\n") << "DC" << 1000.0f;
    QTest::newRow("neither on DCC") << QByteArray("7\r\n") << "DCC" << 1.0f;
    QTest::newRow("not a number") << QByteArray("fast\r\n") << "DC" << 1000.0f;
    QTest::newRow("empty") << QByteArray() << "DCC" << 1.0f;
  }
  void storedDwellIsMadeValidForTheSystem() {
    QFETCH(QByteArray, file);
    QFETCH(QString, system);
    QFETCH(float, dwell);
    TestSession t;
    t.Write(kv::kWaitFile, file);
    QCOMPARE(kv::ReadWaitFile(t.session.folder, system), dwell);
  }

  void missingFileGivesTheDefaults() {
    TestSession t;
    QCOMPARE(kv::ReadWaitFile(t.session.folder, "DCC"), 1.0f);
    QCOMPARE(kv::ReadWaitFile(t.session.folder, "DC"), 1000.0f);
  }

  void writesOneNumberAsTheFilesHoldIt() {
    TestSession t;
    QVERIFY(kv::WriteWaitFile(t.session.folder, 1000.0f));
    QCOMPARE(t.Read(kv::kWaitFile), QByteArray("1000\r\n"));
    QVERIFY(kv::WriteWaitFile(t.session.folder, 1.4f));
    QCOMPARE(t.Read(kv::kWaitFile), QByteArray("1.4\r\n"));
    QVERIFY(kv::WriteWaitFile(t.session.folder, 0.2f));
    QCOMPARE(t.Read(kv::kWaitFile), QByteArray(".2\r\n"));
    QCOMPARE(kv::ReadWaitFile(t.session.folder, "DCC"), 0.2f);
  }
};

KV_TEST_MAIN(WaitFileTest)
#include "test_wait_file.moc"
