#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
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

QWidget* Control(OperatingRig& r, const QString& name) { return Find<QWidget>(r.main.get(), name); }
bool Shown(OperatingRig& r, const QString& name) { return Control(r, name)->isVisible(); }
bool InFront(OperatingRig& r, const QString& name) { return kv::IsInFront(Control(r, name)); }
QScrollBar* Wait(OperatingRig& r) { return Find<QScrollBar>(r.main.get(), "hsbWait"); }
QLabel* Label(OperatingRig& r, const QString& name) { return Find<QLabel>(r.main.get(), name); }

void MoveOver(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &move);
}
}  // namespace

class OperatingToolbarTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  void theStoredDwellSetsTheSlider_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QByteArray>("stored");  // empty: no wait.txt
    QTest::addColumn<float>("dwell");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("seconds on DC") << "DC" << QByteArray("0.5\r\n") << 1000.0f << 1000 << 5000
                                   << "Wait 1000" << QByteArray("1000\r\n");
    QTest::newRow("ms on DCC + DC") << "DCC + DC" << QByteArray("2500\r\n") << 2500.0f << 2500
                                    << 5000 << "Wait 2500" << QByteArray("2500\r\n");
    QTest::newRow("none on DC") << "DC" << QByteArray() << 1000.0f << 1000 << 5000 << "Wait 1000"
                                << QByteArray("1000\r\n");
    QTest::newRow("ms on DCC") << "DCC" << QByteArray("3000\r\n") << 1.0f << 10 << 20 << "Wait 1"
                               << QByteArray("1\r\n");
    QTest::newRow("seconds on DCC") << "DCC" << QByteArray("1.4\r\n") << 1.4f << 14 << 20
                                    << "Wait 1.4" << QByteArray("1.4\r\n");
    QTest::newRow("under the DCC slider") << "DCC" << QByteArray(".05\r\n") << 0.05f << 2 << 20
                                          << "Wait 0.05" << QByteArray(".05\r\n");
  }
  void theStoredDwellSetsTheSlider() {
    QFETCH(QString, system);
    QFETCH(QByteArray, stored);
    QFETCH(float, dwell);
    QFETCH(int, slider);
    QFETCH(int, top);
    QFETCH(QString, caption);
    QFETCH(QByteArray, written);
    OperatingRig r(system);
    QFile::remove(r.t.Path(kv::kWaitFile));
    if (!stored.isEmpty()) r.t.Write(kv::kWaitFile, stored);
    r.main->ReadWaitFile();
    r.main->WriteWaitFile();
    QCOMPARE(r.t.session.model.DwellTime, dwell);
    QCOMPARE(Wait(r)->value(), slider);
    QCOMPARE(Wait(r)->maximum(), top);
    QCOMPARE(Wait(r)->minimum(), top == 20 ? 2 : 500);
    QCOMPARE(Wait(r)->pageStep(), top == 20 ? 4 : 500);
    QCOMPARE(r.Title("fraWait"), caption);
    QCOMPARE(r.t.Read(kv::kWaitFile), written);
  }

  void movingTheSliderSetsTheDwell() {
    OperatingRig dcc("DCC");
    Find<kv::IndicatorCheckBox>(dcc.main.get(), "chkWait")->SetValue(1);
    Wait(dcc)->setValue(14);
    QCOMPARE(dcc.t.session.model.DwellTime, 1.4f);
    QCOMPARE(dcc.Title("fraWait"), QStringLiteral("Wait 1.4"));
    QCOMPARE(Find<kv::IndicatorCheckBox>(dcc.main.get(), "chkWait")->Value(), 0);

    // On the relay stack the slider is the dwell of the next pulse, in ms.
    OperatingRig dc("DC");
    Wait(dc)->setValue(2500);
    QCOMPARE(dc.Title("fraWait"), QStringLiteral("Wait 2500"));
    dc.AddLabel(1, "12", kRed, 1500, 1500);
    dc.Click("imgBtnNo_0");
    dc.ClickLabel(1, Qt::LeftButton);
    dc.t.scheduler.Advance(3000);
    QCOMPARE(dc.BoardLog(), (QStringList{"0 WriteAllDigital(12)", "2500 WriteAllDigital(13)",
                                         "3000 ClearAllDigital()"}));
  }

  void saveSettingWritesTheDwellAndConfirmsForOneSecond() {
    OperatingRig r("DC");
    Wait(r)->setValue(1800);
    r.Click("chkWait");
    QCOMPARE(r.t.Read(kv::kWaitFile), QByteArray("1800\r\n"));
    auto* box = Find<kv::IndicatorCheckBox>(r.main.get(), "chkWait");
    QCOMPARE(box->text(), QStringLiteral("save setting"));
    QCOMPARE(box->Value(), 1);
    r.t.scheduler.Advance(999);
    QCOMPARE(box->Value(), 1);
    r.t.scheduler.Advance(1);
    QCOMPARE(box->Value(), 0);
    QVERIFY(r.t.dialogs.Transcript().isEmpty());

    // A wait.txt that cannot be replaced: the user is told, and nothing confirms.
    QFile::remove(r.t.Path(kv::kWaitFile));
    QVERIFY(QDir().mkpath(r.t.Path(kv::kWaitFile)));
    r.Click("chkWait");
    QCOMPARE(box->Value(), 0);
    QCOMPARE(r.t.dialogs.Transcript().size(), 1);
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("dwell"));
    QVERIFY(r.t.dialogs.Last().text.startsWith(
        "The dwell setting holds for this run, but could not be saved: "));
    QCOMPARE(r.t.session.model.DwellTime, 1800.0f);
  }

  // The number pictures take turns: points labels, then every track number, then the track
  // numbers under lblCount's switch.
  void theNumberPicturesTakeTurns() {
    OperatingRig r("DC");
    r.AddLabel(1, "12", kRed, 1500, 1500);
    r.AddLabel(2, "A", 0, 3000, 1500);
    kv::Panel& panel = r.main->picScreen();
    panel.LoadTrack(1, {0, 0, 1500, 0}, 4);
    panel.LoadTrack(2, {0, 750, 1500, 750}, 4);
    r.t.session.model.TrackCount = 2;
    QVERIFY(InFront(r, "imgBtnNo_0"));
    QCOMPARE(r.Title("fraBtnNo"), QStringLiteral("solenoids"));
    QCOMPARE(Label(r, "lblCoil")->text(), QStringLiteral("open"));
    QCOMPARE(Control(r, "imgBtnNo_0")->toolTip(), QStringLiteral("click"));

    r.Click("imgBtnNo_0");
    QCOMPARE(int(r.t.session.model.ClickRole), 0);
    QVERIFY(panel.Label(1)->isVisible() && panel.Label(2)->isVisible());
    QCOMPARE(Label(r, "lblCoil")->text(), QStringLiteral("numbers"));
    QCOMPARE(Label(r, "lblCoil")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(!Label(r, "lblCoil")->font().bold());
    QVERIFY(!panel.lblTrk(1)->isVisible());
    QVERIFY(InFront(r, "imgBtnNo_1"));

    r.Click("imgBtnNo_1");
    QCOMPARE(int(r.t.session.model.ClickRole), 1);
    QVERIFY(!panel.Label(1)->isVisible() && panel.Label(2)->isVisible());
    QCOMPARE(Label(r, "lblCoil")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(r.Title("fraBtnNo"), QStringLiteral("track"));
    QVERIFY(panel.lblTrk(1)->isVisible() && panel.lblTrk(2)->isVisible());
    QCOMPARE(panel.lblTrk(2)->Caption(), QStringLiteral("2"));
    QCOMPARE(panel.lblTrk(2)->pos(), QPointF(750, 750));
    QVERIFY(InFront(r, "imgBtnNo_2"));

    r.Click("imgBtnNo_2");
    QCOMPARE(Label(r, "lblCoil")->text(), QStringLiteral("  open"));
    QVERIFY(Label(r, "lblCoil")->font().bold());
    QCOMPARE(Label(r, "lblCoil")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(r.Title("fraBtnNo"), QStringLiteral("solenoid"));
    QVERIFY(!panel.lblTrk(1)->isVisible() && !panel.lblTrk(2)->isVisible());
    QVERIFY(InFront(r, "imgBtnNo_0"));

    // lblCount: the next track number, and the switch of the track numbers.
    r.main->ShowNextTrackNumber(3);
    QCOMPARE(Label(r, "lblCount")->text(), QStringLiteral("3"));
    QCOMPARE(Label(r, "lblCount")->toolTip(), QStringLiteral("show numbers"));
    r.Click("lblCount");
    QVERIFY(r.t.session.model.ShowNumbers);
    QVERIFY(panel.lblTrk(1)->isVisible());
    QCOMPARE(Label(r, "lblCount")->toolTip(), QStringLiteral("hide"));
    r.Click("lblCount", Qt::RightButton);  // only the left button clicks
    QVERIFY(r.t.session.model.ShowNumbers);
    r.t.session.model.Recording = true;  // the numbers stay while a route is recorded
    r.Click("lblCount");
    QVERIFY(r.t.session.model.ShowNumbers);
    r.t.session.model.Recording = false;
    r.Click("lblCount");
    QVERIFY(!r.t.session.model.ShowNumbers && !panel.lblTrk(1)->isVisible());
    QCOMPARE(Label(r, "lblCount")->toolTip(), QStringLiteral("show"));
  }

  // The mode switch changes the mode; first it puts away the track numbers. The firing and
  // dwell groups give the editing toolbars their room in Modify.
  void theModeSwitchChangesTheMode() {
    OperatingRig r("DC");
    r.Click("lblCount");
    QVERIFY(InFront(r, "imgBtnTog_1"));
    r.Click("imgBtnTog_1");
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kModify));
    QVERIFY(!r.t.session.model.ShowNumbers);
    QCOMPARE(Label(r, "lblCount")->toolTip(), QStringLiteral("show"));
    QVERIFY(Shown(r, "fraToolbar_1") && Shown(r, "fraToolbar_3") && !Shown(r, "fraToolbar_4"));
    QVERIFY(!Shown(r, "fraSendNo") && !Shown(r, "fraWait") && Shown(r, "fraBtnNo"));
    QVERIFY(!Shown(r, "fraModem_0") && !Shown(r, "fraModem_1"));
    QVERIFY(!Shown(r, "fraBoxHM"));
    QVERIFY(InFront(r, "imgBtnTog_2"));
    QCoreApplication::processEvents();  // the strip's layout takes the hidden groups out
    QVERIFY(r.main->minimumSizeHint().width() <= 1280);
    QCOMPARE(r.main->width(), 1280);  // not widened on the way

    // Pictures other than the switch leave the mode as it was (in Modify they are put away; the
    // handler still keeps the mode).
    r.main->operation().imgBtnTog_MouseDown(5);
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kModify));
    QVERIFY(Shown(r, "fraToolbar_1"));
    r.main->operation().imgBtnTog_MouseDown(0);  // the DC box stays put away while editing
    QCOMPARE(Label(r, "lblToggle")->text(), QStringLiteral("show"));
    QVERIFY(!Shown(r, "fraBoxHM") && !Shown(r, "fraSendNo") && !Shown(r, "fraModem_0"));
    r.main->operation().imgBtnTog_MouseDown(0);
    QVERIFY(!Shown(r, "fraBoxHM"));
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kModify));

    r.Click("imgBtnTog_2");
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kOperate));
    QVERIFY(!Shown(r, "fraToolbar_1") && Shown(r, "fraToolbar_4"));
    QVERIFY(Shown(r, "fraSendNo") && Shown(r, "fraWait") && !Shown(r, "fraLenzNo"));
    QVERIFY(Shown(r, "fraModem_0") && Shown(r, "fraBoxHM"));
    QVERIFY(InFront(r, "imgBtnTog_1"));
    QCoreApplication::processEvents();
    QVERIFY(r.main->minimumSizeHint().width() <= 1280);
    QCOMPARE(r.main->width(), 1280);
  }

  void theDcBoxShowsOnTheBoardSystems_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("shown");
    QTest::newRow("DC") << "DC" << true;
    QTest::newRow("DCC + DC") << "DCC + DC" << true;
    QTest::newRow("DCC") << "DCC" << false;
  }
  void theDcBoxShowsOnTheBoardSystems() {
    QFETCH(QString, system);
    QFETCH(bool, shown);
    OperatingRig r(system);
    QCOMPARE(Shown(r, "fraBoxHM"), shown);
    QVERIFY(Control(r, "fraBoxHM")->isAncestorOf(Control(r, "picKnob_1")));
    QCOMPARE(Control(r, "picKnob_2")->size(), QSize(56, 56));
    QVERIFY(r.main->minimumSizeHint().width() <= 1280);  // the strip fits the screen
    if (shown) {
      // In the panel's top right corner, clear of its slide bar.
      QWidget* box = Control(r, "fraBoxHM");
      QWidget* host = Control(r, "panelHost");
      QVERIFY(box->geometry().right() < host->width() - 16);
      QVERIFY(box->geometry().left() > host->width() / 2);
      QCOMPARE(box->y(), 8);
    }
  }

  void theFirstPictureShowsTheDcBoxOrTheLocoWindow() {
    OperatingRig dc("DC");
    QCOMPARE(Label(dc, "lblToggle")->text(), QStringLiteral("hide"));
    dc.Click("imgBtnTog_0");
    QVERIFY(!Shown(dc, "fraBoxHM"));
    QCOMPARE(Label(dc, "lblToggle")->text(), QStringLiteral("show"));
    dc.Click("imgBtnTog_0");
    QVERIFY(Shown(dc, "fraBoxHM"));
    QCOMPARE(Label(dc, "lblToggle")->text(), QStringLiteral("hide"));
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

  void theModemPicturesFlipTheBytesInTheCaption() {
    OperatingRig r("DCC", 1, kv::kCreate);
    r.t.session.model.ClockOn = true;
    r.main->UpdateCaption();
    QVERIFY(r.main->windowTitle().endsWith("DCC   modem ON"));
    r.Click("imgBtnTog_6");
    QVERIFY(r.t.session.model.ShowBytes);
    QVERIFY(r.main->windowTitle().endsWith("DCC   modem ON 240 240 0 0 0 0"));
    QVERIFY(InFront(r, "imgBtnTog_6"));  // the link is on line: its picture stays in front
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kCreate));
    r.Click("imgBtnTog_6");
    QVERIFY(!r.t.session.model.ShowBytes);
    QVERIFY(r.main->windowTitle().endsWith("DCC   modem ON"));
  }

  void mouseMovesOverThePanelBringUpTheLocoWindow_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("surface") << "surface";
    QTest::newRow("label") << "label";
    QTest::newRow("slide button") << "imgBtnScroll_3";
    QTest::newRow("number picture") << "imgBtnNo_0";
    QTest::newRow("information") << "fraInfo";
    QTest::newRow("percent") << "lblPerCent_2";
    QTest::newRow("accessory number") << "hsbLenzNo";
  }
  void mouseMovesOverThePanelBringUpTheLocoWindow() {
    QFETCH(QString, target);
    OperatingRig r("DCC");
    r.AddLabel(1, "B", 0, 1500, 1500);
    QWidget loco;
    r.main->RegisterLocoWindow(&loco);
    kv::Panel& panel = r.main->picScreen();
    if (target == QLatin1String("surface")) {
      MoveOver(panel.viewport(), QPoint(600, 400));
    } else if (target == QLatin1String("label")) {
      MoveOver(panel.viewport(), panel.mapFromScene(panel.Label(1)->sceneBoundingRect().center()));
    } else if (target == QLatin1String("hsbLenzNo")) {
      Find<QScrollBar>(r.main.get(), target)->setValue(40);
      QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 40L"));
    } else {
      MoveOver(Control(r, target), QPoint(2, 2));
    }
    QVERIFY(loco.isVisible());
  }

  // A board pulled out is announced, the knobs stop, and it is looked for every 3 s.
  void aLostBoardIsAnnouncedAndFoundAgain() {
    OperatingRig r("DC");
    r.t.session.model.ClockOn = true;
    kv::BoardWindow* form2 = r.main->board().boardWindow();
    r.Click(QStringLiteral("picKnob_1"), Qt::RightButton);
    r.Board().Unplug();
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 not found"));
    QVERIFY(!form2->Timer1().Running() && Shown(r, "fraBoard"));
    QVERIFY(r.main->windowTitle().endsWith("Yard in Kelvarne DC   board OFF"));
    QCOMPARE(Label(r, "lblPwm_1")->text(), QStringLiteral("0"));
    r.t.scheduler.Advance(6000);
    r.Board().PlugIn();
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.BoardLog().filter("OpenDevice").join(", "),
             "3000 OpenDevice(0) = -1, 6000 OpenDevice(0) = -1, 9000 OpenDevice(0) = 0");
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 connected"));
    QVERIFY(form2->Timer1().Running() && !Shown(r, "fraBoard"));
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
