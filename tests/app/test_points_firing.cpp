#include <QScrollBar>
#include <QTest>

#include "operation/indicator_check_box.h"
#include "operation/points_firing.h"
#include "panel/image_button.h"
#include "panel/zorder.h"
#include "operating_rig.h"

using kv::test::Find;
using kv::test::OperatingRig;

namespace {
constexpr std::int32_t kRed = 255;

// Points labels 12 (or `first`) and 20, entrance label A, shown as the number button shows them.
void AddPointsLabels(OperatingRig& r, const QString& first = QStringLiteral("12")) {
  r.AddLabel(1, first, kRed, 1500, 1500);
  r.AddLabel(2, QStringLiteral("20"), kRed, 3000, 1500);
  r.AddLabel(3, QStringLiteral("A"), 0, 4500, 1500);
  r.Click(QStringLiteral("imgBtnNo_0"));
}

int SendNoBar(OperatingRig& r) { return Find<QScrollBar>(r.main.get(), "hsbSendNo")->value(); }
// The send-number group as it shows: "caption|check|bar".
QString SendNo(OperatingRig& r) {
  return QStringLiteral("%1|%2|%3")
      .arg(r.Title("fraSendNo"))
      .arg(Find<kv::IndicatorCheckBox>(r.main.get(), "chkSendNo")->Value())
      .arg(SendNoBar(r));
}
}  // namespace

class PointsFiringTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  // A left click fires the caption's number; the pulse itself is the relay stack's.
  void aLeftClickFiresThePointsOnce() {
    OperatingRig r("DC");
    AddPointsLabels(r);
    QVERIFY(r.main->picScreen().Label(1)->isVisible());
    QCOMPARE(SendNo(r), QStringLiteral("solenoid = 0|0|0"));
    r.ClickLabel(1, Qt::LeftButton);
    QCOMPARE(SendNo(r), QStringLiteral("solenoid  12|2|12"));
    QCOMPARE(r.BoardLog(), QStringList{"0 WriteAllDigital(12)"});
    const kv::LayoutModel& m = r.t.session.model;
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(m.SolenoidNo).arg(m.PointSide).arg(m.LabelIdx),
             "12 12 1");
  }

  // A right click repeats until a left firing on another label completes.
  void aRightClickRepeatsUntilALeftFiringCompletes() {
    OperatingRig r("DC");
    AddPointsLabels(r);
    r.ClickLabel(1, Qt::RightButton);
    r.t.scheduler.Advance(3200);
    QVERIFY(r.main->operation().firing().RepeatFire());
    r.ClickLabel(2, Qt::LeftButton);
    r.t.scheduler.Advance(20'000);
    QCOMPARE(r.BoardLog(),
             (QStringList{"0 WriteAllDigital(12)",    "1000 WriteAllDigital(13)",
                          "1500 ClearAllDigital()",   "1500 WriteAllDigital(12)",
                          "2500 WriteAllDigital(13)", "3000 ClearAllDigital()",
                          "3000 WriteAllDigital(12)", "4000 WriteAllDigital(13)",
                          "4500 ClearAllDigital()",   "4500 WriteAllDigital(20)",
                          "5500 WriteAllDigital(21)", "6000 ClearAllDigital()"}));
    QVERIFY(!r.main->operation().firing().RepeatFire());
    QVERIFY(!r.main->board().relayStack().Busy());
  }

  // A pulse from elsewhere (a knob's reversing relay) goes between two repeated pulses and the
  // repetition goes on after it: only a left-button firing ends it.
  void aRepetitionWaitsForOtherPulsesAndGoesOn() {
    OperatingRig r("DC");
    AddPointsLabels(r);
    r.ClickLabel(1, Qt::RightButton);
    r.t.scheduler.Advance(500);
    r.t.session.model.SolenoidNo = 6;
    r.main->board().relayStack().FireRelayStack();
    r.t.scheduler.Advance(4000);
    QCOMPARE(r.BoardLog().filter("Write").join(' ').remove("WriteAllDigital"),
             "0 (12) 1000 (13) 1500 (6) 2500 (7) 3000 (12) 4000 (13) 4500 (12)");
    QVERIFY(r.main->operation().firing().RepeatFire());
  }

  // The send-number box fires the bar's number with the same loop, and ends a repetition.
  void theSendNumberBoxFiresTheBarsNumber() {
    OperatingRig r("DCC + DC", 1);
    AddPointsLabels(r, QStringLiteral("200"));
    Find<QScrollBar>(r.main.get(), "hsbSendNo")->setValue(6);
    QCOMPARE(r.Title("fraSendNo"), QStringLiteral("solenoid  6"));
    r.Click(QStringLiteral("chkSendNo"), Qt::RightButton);
    r.t.scheduler.Advance(2000);
    QCOMPARE(SendNoBar(r), 6);
    r.Click(QStringLiteral("chkSendNo"));
    r.t.scheduler.Advance(20'000);
    QCOMPARE(r.BoardLog().filter("Write").join(' ').remove("WriteAllDigital"),
             "0 (6) 1000 (7) 1500 (6) 2500 (7) 3000 (6) 4000 (7)");

    // A number above the bar's top: the bar stops at 128, the caption names the number.
    r.ClickLabel(1, Qt::LeftButton);
    QCOMPARE(SendNo(r), QStringLiteral("solenoid  200|2|128"));
    r.t.scheduler.Advance(1000);
    QCOMPARE(SendNo(r), QStringLiteral("solenoid  201|1|128"));
    r.t.scheduler.Advance(500);  // idle: back to the number the user set
    QCOMPARE(SendNo(r), QStringLiteral("solenoid  6|0|6"));
    QVERIFY(r.Frames().isEmpty());  // the relay stack's numbers never go to the DCC box
  }

  void captionsThatNameNoSolenoidAreRefused_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("caption");
    QTest::newRow("255: its firing number does not fit") << "DC" << "255";
    QTest::newRow("no leading number") << "DC" << "x12";
    QTest::newRow("negative") << "DCC + DC" << "-2";
    QTest::newRow("DCC 256") << "DCC" << "256L";
    QTest::newRow("DCC without a side") << "DCC" << "12";
    QTest::newRow("DCC number not a number") << "DCC" << "1xR";
  }
  void captionsThatNameNoSolenoidAreRefused() {
    QFETCH(QString, system);
    QFETCH(QString, caption);
    OperatingRig r(system, 1);
    AddPointsLabels(r, caption);
    r.t.session.model.PointSide = QStringLiteral("L");
    r.ClickLabel(1, Qt::LeftButton);
    r.ClickLabel(1, Qt::RightButton);
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.t.dialogs.Beeps(), 2);
    QCOMPARE(r.t.dialogs.Transcript().size(), 2);  // beeps, and no message
    QVERIFY(r.Frames().isEmpty());
    QCOMPARE(r.t.session.model.PointSide, QStringLiteral("L"));
    if (system == QLatin1String("DCC")) {
      QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 0L"));
      QCOMPARE(Find<QScrollBar>(r.main.get(), "hsbLenzNo")->value(), 0);
    } else {
      QVERIFY(r.BoardLog().isEmpty());
      QCOMPARE(r.Title("fraSendNo"), QStringLiteral("solenoid = 0"));
    }
    QVERIFY(!r.main->operation().firing().RepeatFire());
  }

  void whatElseALabelClickDoesNot() {
    // An entrance label fires nothing and does not beep; in Modify mode no label fires.
    OperatingRig r("DC");
    AddPointsLabels(r);
    r.ClickLabel(3, Qt::LeftButton);
    QCOMPARE(int(r.t.session.model.LabelIdx), 3);
    r.t.session.model.ProgMode = kv::kModify;
    r.ClickLabel(1, Qt::LeftButton);
    r.t.scheduler.Advance(5000);
    QVERIFY(r.BoardLog().isEmpty());
    QCOMPARE(r.t.dialogs.Beeps(), 0);

    // With no DCC box and "DCC + DC" the relay stack sends nothing.
    OperatingRig quiet("DCC + DC", 0);
    AddPointsLabels(quiet);
    quiet.ClickLabel(1, Qt::RightButton);
    QVERIFY(quiet.BoardLog().isEmpty());
    QVERIFY(!quiet.main->board().relayStack().Busy());
    QVERIFY(!quiet.main->operation().firing().RepeatFire());
    QCOMPARE(quiet.Title("fraSendNo"), QStringLiteral("solenoid = 0"));
  }

  // On "DCC" the caption's number and side go to the box as one accessory on/off pair, and the
  // toggle then throws the same accessory to the other side.
  void dccThrowsTheAccessoryAndTheToggleThrowsItBack() {
    OperatingRig r("DCC", 1);
    AddPointsLabels(r, QStringLiteral("12L"));
    auto* left = Find<kv::ImageButton>(r.main.get(), "imgBtnTog_3");
    auto* right = Find<kv::ImageButton>(r.main.get(), "imgBtnTog_4");
    QCOMPARE(left->toolTip(), QStringLiteral("toggle"));
    r.Click(QStringLiteral("imgBtnTog_3"));  // to R first, so that the label's L shows
    r.t.scheduler.Advance(2000);
    QVERIFY(kv::IsInFront(right));
    r.line->writes.clear();
    r.start = r.t.scheduler.NowMs();

    r.ClickLabel(1, Qt::LeftButton);
    QCOMPARE(Find<QScrollBar>(r.main.get(), "hsbLenzNo")->value(), 12);
    QVERIFY(kv::IsInFront(left) && !kv::IsInFront(right));
    QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 12L"));
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.Frames(), (QStringList{"0 52 04 88 de", "1000 52 04 80 d6"}));

    r.Click(QStringLiteral("imgBtnTog_3"));
    QCOMPARE(r.t.session.model.PointSide, QStringLiteral("R"));
    QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 12R"));
    QVERIFY(kv::IsInFront(right) && !kv::IsInFront(left));
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kOperate));
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.Frames().mid(2), (QStringList{"5000 52 04 89 df", "6000 52 04 81 d7"}));

    // Firing by number sends nothing on "DCC".
    r.main->operation().firing().chkSendNo_MouseDown(12, Qt::LeftButton);
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.Frames().size(), 4);
  }

  // 20, asked for while 12 ran, repeats until the left firing asked for after it.
  void aLeftFiringEndsOnlyEarlierRepetitions() {
    OperatingRig r("DC");
    AddPointsLabels(r);
    r.ClickLabel(1, Qt::LeftButton);
    r.t.scheduler.Advance(500);
    r.ClickLabel(2, Qt::RightButton);
    r.t.scheduler.Advance(4000);
    r.ClickLabel(1, Qt::LeftButton);
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.BoardLog().filter("Write").join(' ').remove("WriteAllDigital"),
             "0 (12) 1000 (13) 1500 (20) 2500 (21) 3000 (20) 4000 (21) 4500 (20) 5500 (21) "
             "6000 (12) 7000 (13)");
  }

  // "send number" fires the number set, not the N + 1 the bar shows of a pulse.
  void sendNumberFiresTheNumberSet() {
    OperatingRig r("DC");
    Find<QScrollBar>(r.main.get(), "hsbSendNo")->setValue(6);
    r.Click(QStringLiteral("chkSendNo"));
    r.t.scheduler.Advance(1200);  // the bar shows 7
    r.Click(QStringLiteral("chkSendNo"));
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.BoardLog().filter("Write").join(' ').remove("WriteAllDigital"),
             "0 (6) 1000 (7) 1500 (6) 2500 (7)");
  }

  // Captions typed by hand: blanks before a relay number, a lower-case DCC side.
  void captionsAsTypedFire() {
    OperatingRig dc("DC");
    OperatingRig dcc("DCC", 1);
    AddPointsLabels(dc, QStringLiteral("  12"));
    AddPointsLabels(dcc, QStringLiteral("12l"));
    dc.ClickLabel(1, Qt::LeftButton);
    dcc.ClickLabel(1, Qt::LeftButton);
    QCOMPARE(dc.BoardLog().value(0), QStringLiteral("0 WriteAllDigital(12)"));
    QCOMPARE(dcc.Frames().value(0), QStringLiteral("0 52 04 88 de"));
    QCOMPARE(dcc.Title("fraLenzNo"), QStringLiteral("solenoid 12L"));
  }
};

KV_TEST_MAIN(PointsFiringTest)
#include "test_points_firing.moc"
