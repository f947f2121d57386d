#include <QLabel>

#include "operating_rig.h"

using kv::test::Find;
using kv::test::OperatingRig;

// A USB board pulled out during a run is announced on the test panel, in the caption and in the
// strip, the knobs stop, and the board is looked for every 3 s until it is plugged back in.
class BoardLossTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  void aLostBoardIsAnnouncedAndFoundAgain() {
    OperatingRig r("DC");
    r.t.session.model.ClockOn = true;
    kv::BoardWindow* form2 = r.main->board().boardWindow();
    r.Click(QStringLiteral("picKnob_1"), Qt::RightButton);
    r.Board().WriteAllDigital(6);
    r.t.scheduler.Advance(100);
    r.Board().Unplug();
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 not found"));
    QVERIFY(!form2->Timer1().Running());
    QVERIFY(!Find<QLabel>(form2, "lblBoardOut_1")->property("lit").toBool());
    QVERIFY(r.main->windowTitle().endsWith("Yard in Kelvarne DC   board OFF"));
    auto* fraBoard = Find<QWidget>(r.main.get(), "fraBoard");
    QVERIFY(fraBoard->isVisible());
    QCOMPARE(Find<QLabel>(r.main.get(), "lblBoard")->text(), QStringLiteral("no board"));
    QCOMPARE(Find<QLabel>(r.main.get(), "lblPwm_1")->text(), QStringLiteral("0"));

    r.t.scheduler.Advance(6000);
    r.Board().PlugIn();
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.BoardLog().filter("OpenDevice"),
             (QStringList{"3100 OpenDevice(0) = -1", "6100 OpenDevice(0) = -1",
                          "9100 OpenDevice(0) = 0"}));
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 connected"));
    QVERIFY(form2->Timer1().Running());
    QVERIFY(r.main->windowTitle().endsWith("Yard in Kelvarne DC"));
    QVERIFY(!fraBoard->isVisible());
  }
};

KV_TEST_MAIN(BoardLossTest)
#include "test_board_loss.moc"
