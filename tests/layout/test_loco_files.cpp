#include <QTest>

#include "layout/loco_files.h"
#include "support/test_session.h"

using kv::FunctionRecord;
using kv::LocoFileOutcome;
using kv::LocoRecord;

class LocoFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void readLocoFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("stoppedAt");  // 0: read to the end
    QTest::addColumn<int>("notTaken");
    QByteArray full;
    for (int i = 1; i <= 101; ++i)
      full += QByteArray("\"") + QByteArray::number(1000 + i) + "\",\"" + QByteArray::number(i) +
              "\"\r\n";
    QTest::newRow("a 101st line is not taken") << full << 100 << 0 << 1;
    QTest::newRow("LF ends and a missing last end")
        << QByteArray("\"0047\",\"47123\"\n\"1015\",\"D1015\"") << 2 << 0 << 0;
    QTest::newRow("a chip of two digits")
        << QByteArray("\"0047\",\"47123\"\r\n\"47\",\"47124\"\r\n\"0003\",\"3\"\r\n") << 1 << 2
        << 0;
    QTest::newRow("chip 0000 is no decoder") << QByteArray("\"0000\",\"1\"\r\n") << 0 << 1 << 0;
    QTest::newRow("a record without its number")
        << QByteArray("\"0047\",\"47123\"\r\n\r\n\"0048\"\r\n") << 1 << 3 << 0;
  }
  void readLocoFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, notTaken);
    kv::test::TestSession t;
    const QString path = t.Path("\\loco.txt");
    t.Write("\\loco.txt", bytes);
    QList<LocoRecord> locos;
    const LocoFileOutcome outcome = kv::ReadLocoFile(path, &locos);
    QTEST(int(locos.size()), "taken");
    QTEST(outcome.stopped ? outcome.line : 0, "stoppedAt");
    QCOMPARE(outcome.notTaken, notTaken);
    if (!locos.isEmpty()) QVERIFY(kv::IsChip(locos.first().chip));
  }

  void missingLocoFileIsCreatedEmptyAndFunctionFileIsNot() {
    kv::test::TestSession t;
    QList<LocoRecord> locos{{"0003", "3"}};
    QVERIFY(!kv::ReadLocoFile(t.Path("\\loco.txt"), &locos).stopped);
    QVERIFY(locos.isEmpty());
    QCOMPARE(t.Read("\\loco.txt"), QByteArray());
    QList<FunctionRecord> functions;
    QVERIFY(!kv::ReadFunctionFile(t.Path("\\function.txt"), &functions).stopped);
    QVERIFY(!t.Exists("\\function.txt"));
  }

  void filesKeepTheirRecordForm() {
    kv::test::TestSession t;
    QVERIFY(kv::WriteLocoFile(t.Path("\\loco.txt"), {{"0100", "D2345"}, {"0047", "47123"}}));
    QCOMPARE(t.Read("\\loco.txt"), QByteArray("\"0100\",\"D2345\"\r\n\"0047\",\"47123\"\r\n"));
    QVERIFY(kv::WriteFunctionFile(t.Path("\\function.txt"),
                                  {{"F0   OFF lights", true}, {"F1   OFF", false}}));
    QCOMPARE(t.Read("\\function.txt"), QByteArray("\"F0   OFF lights\",-1\r\n\"F1   OFF\",0\r\n"));
    // Flags written as Booleans by hand read the same.
    t.Write("\\function.txt",
            "\"F0   OFF\",#TRUE#\r\n\"F1   OFF\",-1\r\n\"F2   OFF\",x\r\n\"F3   OFF\",0\r\n");
    QList<FunctionRecord> functions;
    const LocoFileOutcome outcome = kv::ReadFunctionFile(t.Path("\\function.txt"), &functions);
    QCOMPARE(functions.size(), 2);
    QVERIFY(functions.at(0).latching && functions.at(1).latching);
    QCOMPARE(outcome.line, 3);
  }
};

KV_TEST_MAIN(LocoFilesTest)
#include "test_loco_files.moc"
