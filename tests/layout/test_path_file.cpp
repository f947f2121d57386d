#include <QTest>

#include "layout/path_file.h"
#include "support/test_session.h"

using kv::PathRecord;

namespace {
QByteArray Route(const QByteArray& title, const QByteArray& tracks = "3,",
                 const QByteArray& points = "", const QByteArray& coils = "") {
  return "\"" + title + "\"\r\n\"line track units are " + tracks + "\"\r\n\"points solenoids are " +
         points + "\"\r\n\"signal solenoids are " + coils + "\"\r\n";
}
}  // namespace

class PathFileTest : public QObject {
  Q_OBJECT

 private slots:
  // A bad record ends the reading at the line where its route starts; the routes before it
  // are kept.
  void readingStopsAtABadRoute_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("taken");
    QTest::addColumn<int>("stoppedAt");  // 0: read to the end
    QByteArray full;
    for (int i = 1; i <= 256; ++i) full += Route("R" + QByteArray::number(i) + " to B ");
    QTest::newRow("a 256th route") << full << 255 << 1021;
    QTest::newRow("empty lines and headings alone")
        << Route("A to B ") + "\"Q to R \"\r\n\"\"\r\n\"points solenoids are\"\r\n\"\"\r\n"
        << 2 << 0;
    QTest::newRow("a line lost shifts the next route")
        << Route("A to B ") + "\"C to D \"\r\n\"line track units are 5,\"\r\n" + Route("E to F ")
        << 1 << 5;
    QTest::newRow("cut short by the end") << Route("A to B ") + "\"C to D \"\r\n" << 1 << 5;
    QTest::newRow("unquoted, so cut at its commas")
        << Route("A to B ").replace("\"line track units are 3,\"", "line track units are 3,4,") << 0
        << 1;
    QTest::newRow("no title") << Route("  ") << 0 << 1;
  }
  void readingStopsAtABadRoute() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, taken);
    QFETCH(int, stoppedAt);
    kv::test::TestSession t;
    t.Write("\\path.txt", bytes);
    QList<PathRecord> routes;
    const kv::PathFileOutcome outcome = kv::ReadPathFile(t.Path("\\path.txt"), &routes);
    QCOMPARE(routes.size(), taken);
    QCOMPARE(outcome.stopped ? outcome.line : 0, stoppedAt);
  }

  // Records are written back byte for byte, and a new title goes where a sorted list puts it,
  // without regard to case, even among titles a hand left out of order.
  void writtenAsReadAndInsertedInTitleOrder() {
    kv::test::TestSession t;
    const QByteArray bytes =
        Route("A to B ", "3,4,5,", "12L,14R,") + Route("X to Y ", "9,", "", "20,148,");
    t.Write("\\path.txt", bytes);
    QList<PathRecord> routes;
    QVERIFY(!kv::ReadPathFile(t.Path("\\path.txt"), &routes).stopped);
    QCOMPARE(routes.at(1).signalCoils, QStringLiteral("signal solenoids are 20,148,"));
    QVERIFY(kv::WritePathFile(t.Path("\\path.txt"), routes, nullptr));
    QCOMPARE(t.Read("\\path.txt"), bytes);
    QCOMPARE(kv::SortedPosition(routes, "b to C "), 1);
    QCOMPARE(
        kv::SortedPosition(
            {{"Z to A ", "", "", ""}, {"C to D ", "", "", ""}, {"M to N ", "", "", ""}}, "D to E "),
        1);
    QString error;
    QVERIFY(!kv::WritePathFile(t.Path("\\path.txt"), {{"\"A\" to B ", "", "", ""}}, &error));
    QCOMPARE(t.Read("\\path.txt"), bytes);
  }

  // Unit 4 of 6 deleted: its items go, the higher ones close up; points, coils, blank lines,
  // line ends and text after the last comma stay byte for byte.
  void trackUnitsRenumberedAfterADeletion() {
    const QByteArray before = Route("A to B ", "3,4,5,", "4L,") + "\r\n" +
                              Route("C to D ", "5, 6x,\t6,,7", "", "4,").replace("\r\n", "\n");
    const QByteArray after = Route("A to B ", "3,4,", "4L,") + "\r\n" +
                             Route("C to D ", "4, 5x,\t5,,7", "", "4,").replace("\r\n", "\n");
    QCOMPARE(
        kv::RenumberPathTracks(before, [](int unit) { return unit == 4 ? 0 : unit - (unit > 4); }),
        after);
  }
};

KV_TEST_MAIN(PathFileTest)
#include "test_path_file.moc"
