#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "hardware/ui/board_window_texts.h"
#include "hardware/ui/dc_knob_box.h"
#include "layout/wait_file.h"
#include "operating_rig.h"
#include "operation/indicator_check_box.h"
#include "operation/points_firing.h"
#include "panel/image_button.h"
#include "panel/zorder.h"

using kv::test::Find;
using kv::test::OperatingRig;

namespace {
constexpr std::int32_t kRed = 255;

QScrollBar* Wait(OperatingRig& r) { return Find<QScrollBar>(r.main.get(), "hsbWait"); }
QLabel* Label(OperatingRig& r, const QString& name) { return Find<QLabel>(r.main.get(), name); }
kv::IndicatorCheckBox* ChkWait(OperatingRig& r) {
  return Find<kv::IndicatorCheckBox>(r.main.get(), "chkWait");
}
}  // namespace

class OperatingToolbarTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  // The relay stack's slider runs in ms, the DCC box's in tenths of a second.
  void theStoredDwellSetsTheSlider_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("seconds on DC")
        << "DC" << QByteArray("0.5\r\n") << 1000 << 5000 << "Wait 1000" << QByteArray("1000\r\n");
    QTest::newRow("ms on DCC + DC") << "DCC + DC" << QByteArray("2500\r\n") << 2500 << 5000
                                    << "Wait 2500" << QByteArray("2500\r\n");
    QTest::newRow("ms on DCC") << "DCC" << QByteArray("3000\r\n") << 10 << 20 << "Wait 1"
                               << QByteArray("1\r\n");
    QTest::newRow("seconds on DCC")
        << "DCC" << QByteArray("1.4\r\n") << 14 << 20 << "Wait 1.4" << QByteArray("1.4\r\n");
    QTest::newRow("under the DCC slider")
        << "DCC" << QByteArray(".05\r\n") << 2 << 20 << "Wait 0.05" << QByteArray(".05\r\n");
  }
  void theStoredDwellSetsTheSlider() {
    QFETCH(QString, system);
    QFETCH(QByteArray, stored);
    QFETCH(int, top);
    OperatingRig r(system);
    r.t.Write(kv::kWaitFile, stored);
    r.main->ReadWaitFile();
    r.main->WriteWaitFile();
    QTEST(Wait(r)->value(), "slider");
    QCOMPARE(QList<int>({Wait(r)->minimum(), Wait(r)->maximum(), Wait(r)->pageStep()}),
             top == 20 ? QList<int>({2, 20, 4}) : QList<int>({500, 5000, 500}));
    QTEST(r.Title("fraWait"), "caption");
    QTEST(r.t.Read(kv::kWaitFile), "written");
  }

  void movingTheSliderSetsTheDwell() {
    OperatingRig dcc("DCC");
    ChkWait(dcc)->SetValue(1);
    Wait(dcc)->setValue(14);
    QCOMPARE(dcc.Title("fraWait") + "|" + QString::number(dcc.t.session.model.DwellTime),
             QStringLiteral("Wait 1.4|1.4"));
    QCOMPARE(ChkWait(dcc)->Value(), 0);
    // On the relay stack the slider is the dwell of the next pulse, in ms.
    OperatingRig dc("DC");
    Wait(dc)->setValue(2500);
    QCOMPARE(dc.Title("fraWait") + "|" + QString::number(dc.t.session.model.DwellTime),
             QStringLiteral("Wait 2500|2500"));
  }

  void saveSettingWritesTheDwellAndConfirmsForOneSecond() {
    OperatingRig r("DC");
    Wait(r)->setValue(1800);
    r.Click("chkWait");
    QCOMPARE(r.t.Read(kv::kWaitFile), QByteArray("1800\r\n"));
    QCOMPARE(ChkWait(r)->text(), QStringLiteral("save setting"));
    QList<int> ticks;
    for (int ms : {0, 999, 1}) ticks << (r.t.scheduler.Advance(ms), ChkWait(r)->Value());
    QCOMPARE(ticks, (QList<int>{1, 1, 0}));
    QVERIFY(r.t.dialogs.Transcript().isEmpty());

    // A wait.txt that cannot be replaced: the user is told, and nothing confirms.
    QFile::remove(r.t.Path(kv::kWaitFile));
    QVERIFY(QDir().mkpath(r.t.Path(kv::kWaitFile)));
    r.Click("chkWait");
    QCOMPARE(ChkWait(r)->Value(), 0);
    QCOMPARE(kv::test::Titles(r.t.dialogs), QStringList{"dwell"});
    QVERIFY(r.t.dialogs.Last().text.startsWith(
        "The dwell setting holds for this run, but could not be saved: "));
    QCOMPARE(r.t.session.model.DwellTime, 1800.0f);
  }

  // The number pictures take turns.
  void theNumberPicturesTakeTurns() {
    OperatingRig r("DC");
    r.AddLabel(1, "12", kRed, 1500, 1500);
    r.AddLabel(2, "A", 0, 3000, 1500);
    kv::Panel& panel = r.main->picScreen();
    panel.LoadTrack(1, {0, 0, 1500, 0}, 4);
    panel.LoadTrack(2, {0, 750, 1500, 750}, 4);
    r.t.session.model.TrackCount = 2;
    QLabel* coil = Label(r, "lblCoil");
    auto colour = [&]() { return coil->palette().color(QPalette::WindowText); };
    QVERIFY(r.InFront("imgBtnNo_0"));
    QCOMPARE(r.Title("fraBtnNo") + "|" + coil->text() + "|" + r.Control("imgBtnNo_0")->toolTip(),
             QStringLiteral("solenoids|open|click"));

    r.Click("imgBtnNo_0");
    QCOMPARE(int(r.t.session.model.ClickRole), 0);
    QVERIFY(panel.Label(1)->isVisible() && panel.Label(2)->isVisible());
    QVERIFY(!panel.lblTrk(1)->isVisible() && r.InFront("imgBtnNo_1"));
    QCOMPARE(coil->text() + colour().name(), QStringLiteral("numbers#ff0000"));
    QVERIFY(!coil->font().bold());

    r.Click("imgBtnNo_1");
    QCOMPARE(int(r.t.session.model.ClickRole), 1);
    QVERIFY(!panel.Label(1)->isVisible() && panel.Label(2)->isVisible());
    QCOMPARE(r.Title("fraBtnNo") + colour().name(), QStringLiteral("track#00ff00"));
    QVERIFY(panel.lblTrk(1)->isVisible() && panel.lblTrk(2)->isVisible());
    QVERIFY(panel.lblTrk(2)->Caption() == "2" && panel.lblTrk(2)->pos() == QPointF(750, 750));
    QVERIFY(r.InFront("imgBtnNo_2"));

    r.Click("imgBtnNo_2");
    QCOMPARE(r.Title("fraBtnNo") + "|" + coil->text() + colour().name(),
             QStringLiteral("solenoid|  open#000000"));
    QVERIFY(coil->font().bold());
    QVERIFY(!panel.lblTrk(1)->isVisible() && !panel.lblTrk(2)->isVisible());
    QVERIFY(r.InFront("imgBtnNo_0"));

    // lblCount: the next track number and the switch of the track numbers, left button only.
    QLabel* count = Label(r, "lblCount");
    r.main->ShowNextTrackNumber(3);
    QCOMPARE(count->text() + "|" + count->toolTip(), QStringLiteral("3|show numbers"));
    r.Click("lblCount");
    QVERIFY(r.t.session.model.ShowNumbers && panel.lblTrk(1)->isVisible());
    QCOMPARE(count->toolTip(), QStringLiteral("hide"));
    r.Click("lblCount", Qt::RightButton);
    r.t.session.model.Recording = true;
    r.Click("lblCount");
    QVERIFY(r.t.session.model.ShowNumbers);
    r.t.session.model.Recording = false;
    r.Click("lblCount");
    QVERIFY(!r.t.session.model.ShowNumbers && !panel.lblTrk(1)->isVisible());
    QCOMPARE(count->toolTip(), QStringLiteral("show"));
  }

  // The mode switch changes the mode.
  void theModeSwitchChangesTheMode() {
    OperatingRig r("DC");
    QWidget loco;  // put away while editing
    loco.show();
    r.main->RegisterLocoWindow(&loco);
    r.Click("lblCount");
    QVERIFY(r.InFront("imgBtnTog_1"));
    QCOMPARE(Find<kv::ImageButton>(r.main.get(), "imgBtnTog_1")->Tag() +
                 Find<kv::ImageButton>(r.main.get(), "imgBtnTog_2")->Tag(),
             QStringLiteral("ModifyOperate"));
    r.Click("imgBtnTog_1");
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kModify));
    QVERIFY(!r.t.session.model.ShowNumbers && !loco.isVisible());
    QCOMPARE(Label(r, "lblCount")->toolTip(), QStringLiteral("show"));
    const QStringList strip = {"fraToolbar_1", "fraToolbar_2", "fraToolbar_3", "fraToolbar_4",
                               "fraSendNo",    "fraWait",      "fraLenzNo",    "fraBtnNo",
                               "fraModem_0",   "fraModem_1",   "fraBoxHM"};
    QCOMPARE(r.Showing(strip), "fraToolbar_1 fraToolbar_2 fraToolbar_3 fraBtnNo");
    QVERIFY(r.InFront("imgBtnTog_2"));
    const auto fits = [&] {  // the strip's layout takes the hidden groups out; no widening
      QCoreApplication::processEvents();
      return r.main->minimumSizeHint().width() <= 1280 && r.main->width() == 1280;
    };
    QVERIFY(fits());

    // Pictures other than the switch leave the mode as it was; the DC box stays put away.
    r.main->operation().imgBtnTog_MouseDown(5);
    r.main->operation().imgBtnTog_MouseDown(0);
    QCOMPARE(Label(r, "lblToggle")->text(), QStringLiteral("show"));
    QVERIFY(!r.Shown("fraBoxHM") && !r.Shown("fraSendNo") && !r.Shown("fraModem_0"));
    r.main->operation().imgBtnTog_MouseDown(0);
    QVERIFY(!r.Shown("fraBoxHM") && r.Shown("fraToolbar_1"));
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kModify));

    r.Click("imgBtnTog_2");
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kOperate));
    QCOMPARE(r.Showing(strip),
             "fraToolbar_2 fraToolbar_4 fraSendNo fraWait fraBtnNo fraModem_0 fraModem_1 fraBoxHM");
    QVERIFY(r.InFront("imgBtnTog_1") && fits());
  }

  void theFirstPictureShowsTheDcBoxOrTheLocoWindow() {
    OperatingRig dc("DC");
    QCOMPARE(Label(dc, "lblToggle")->text(), QStringLiteral("hide"));
    dc.Click("imgBtnTog_0");
    QVERIFY(!dc.Shown("fraBoxHM") && Label(dc, "lblToggle")->text() == "show");
    dc.Click("imgBtnTog_0");
    QVERIFY(dc.Shown("fraBoxHM") && Label(dc, "lblToggle")->text() == "hide");
    QCOMPARE(int(dc.t.session.model.ProgMode), int(kv::kOperate));

    // Reading coord.txt turns the knobs' direction texts back to forward.
    auto* box = Find<kv::DcKnobBox>(dc.main.get(), "fraBoxHM");
    QTest::mouseClick(box->picKnob(1), Qt::LeftButton);
    QTest::mouseDClick(box->picKnob(1), Qt::LeftButton);
    QTest::mouseRelease(box->picKnob(1), Qt::LeftButton);
    QCOMPARE(box->knobs().DirectionText(1), QStringLiteral("Rev"));
    dc.main->ReadCoordFile();
    QCOMPARE(box->knobs().DirectionText(1), QStringLiteral(" Fwd"));

    OperatingRig dcc("DCC", 0, kv::kCreate);
    QWidget loco;
    dcc.main->RegisterLocoWindow(&loco);
    dcc.Click("imgBtnTog_0");
    QVERIFY(loco.isVisible());
    QCOMPARE(int(dcc.t.session.model.ProgMode), int(kv::kCreate));
  }

  // A board pulled out is announced, the knobs stop, and it is looked for every 3 s.
  void aLostBoardIsAnnouncedAndFoundAgain() {
    OperatingRig r("DC");
    r.t.session.model.ClockOn = true;
    kv::BoardWindow* form2 = r.main->board().boardWindow();
    r.Click(QStringLiteral("picKnob_1"), Qt::RightButton);
    r.Board().Unplug();
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 not found"));
    QVERIFY(!form2->Timer1().Running() && r.Shown("fraBoard"));
    QVERIFY(r.main->windowTitle().endsWith("Yard in Kelvarne DC   board OFF"));
    QCOMPARE(Label(r, "lblPwm_1")->text(), QStringLiteral("0"));
    r.Click(QStringLiteral("picKnob_1"), Qt::RightButton);
    r.t.scheduler.Advance(6000);
    r.Board().PlugIn();
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.BoardLog().filter("OpenDevice").join(", "),
             "3000 OpenDevice(0) = -1, 6000 OpenDevice(0) = -1, 9000 OpenDevice(0) = 0");
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 connected"));
    QVERIFY(form2->Timer1().Running() && !r.Shown("fraBoard"));
    QCOMPARE(Label(r, "lblPwm_1")->text(), QStringLiteral("0"));
    r.Click(QStringLiteral("picKnob_1"));  // turning down never gives power
    QCOMPARE(r.BoardLog().filter("OutputAnalog").last(2).join(", "),
             "16000 OutputAnalogChannel(1, 0), 16000 OutputAnalogChannel(1, 0)");
  }

  // The panel warns once before bulk writes, and gives the outputs to a firing relay stack.
  void theTestPanelGivesWayToTheRelayStack() {
    OperatingRig r("DC");
    kv::BoardWindow* form2 = r.main->board().boardWindow();
    auto click = [form2](const char* name) { Find<QAbstractButton>(form2, name)->click(); };
    for (int answer : {kv::msg::kCancel, kv::msg::kOk, kv::msg::kOk})
      r.t.dialogs.QueueButton(answer);
    for (const char* name : {"SetAllDig", "SetAllDig", "SetAllDig", "Check4"}) click(name);
    r.t.session.model.SolenoidNo = 6;
    r.main->board().relayStack().FireRelayStack();
    click("ClearAllDig");
    click("Check3_3");
    QCOMPARE(Find<QLabel>(form2, "lblOutputsHeld")->text(), kv::texts::OutputsHeld());
    r.t.scheduler.Advance(1400);
    click("Check4");
    r.t.scheduler.Advance(100);
    QCOMPARE(r.BoardLog().join(", "),
             "0 SetAllDigital(), 0 SetAllDigital(), 0 WriteAllDigital(6), "
             "1000 WriteAllDigital(7), 1500 ClearAllDigital()");
    QCOMPARE(r.t.dialogs.Transcript().size(), 3);  // SetAll twice, then the output test
  }
};

KV_TEST_MAIN(OperatingToolbarTest)
#include "test_operating_toolbar.moc"
