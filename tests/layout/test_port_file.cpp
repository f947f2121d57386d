#include <QFile>
#include <QTest>

#include "layout/port_file.h"
#include "support/test_session.h"

using kv::test::TestSession;

class PortFileTest : public QObject {
  Q_OBJECT

 private slots:
  void aMissingFileIsCreatedEmptyAndReadsAsOffLine() {
    TestSession t;
    QCOMPARE(kv::ReadPortFile(t.session.folder), std::uint8_t(0));
    QVERIFY(t.Exists(kv::kPortFile));
    QCOMPARE(t.Read(kv::kPortFile), QByteArray());
  }

  void contents_data() {
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
  void contents() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, port);
    TestSession t;
    t.Write(kv::kPortFile, bytes);
    QCOMPARE(int(kv::ReadPortFile(t.session.folder)), port);
    QCOMPARE(t.Read(kv::kPortFile), bytes);  // reading never rewrites it
  }

  void writingKeepsOneBareNumber() {
    TestSession t;
    t.Write(kv::kPortFile, "17\r\n");
    QVERIFY(kv::WritePortFile(t.session.folder, 0));
    QCOMPARE(t.Read(kv::kPortFile), QByteArray("0\r\n"));
    QVERIFY(kv::WritePortFile(t.session.folder, 255));
    QCOMPARE(t.Read(kv::kPortFile), QByteArray("255\r\n"));
    QCOMPARE(kv::ReadPortFile(t.session.folder), std::uint8_t(255));
  }

  void aReadOnlyFileIsRefusedAndKept() {
    TestSession t;
    t.Write(kv::kPortFile, "2\r\n");
    QFile::setPermissions(t.Path(kv::kPortFile), QFile::ReadOwner);
    QString error;
    QVERIFY(!kv::WritePortFile(t.session.folder, 5, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(t.Read(kv::kPortFile), QByteArray("2\r\n"));
  }
};

KV_TEST_MAIN(PortFileTest)
#include "test_port_file.moc"
