#include <QAction>
#include <QLabel>
#include <QTest>

#include "app/application.h"
#include "hardware/ui/loco_window.h"
#include "layout/sundry_files.h"
#include "operating_rig.h"
#include "support/layout_fixture.h"

using kv::test::Find;
using kv::test::OperatingRig;

namespace {
const QString kBase = QStringLiteral("Saturday, Dec 5 2026  09:41 AM   Yard in Kelvarne ");
}  // namespace

// The panel, its toolbars, the board and the DCC link as the main window holds them.
class MainWindowPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  // The board's test panel loads hidden, the DC box shows in the panel's top right corner
  // clear of its slide bar, and the strip fits the screen.
  void theBoardSystemsLoadTheBoardPanelAndShowTheDcBox_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("board");
    QTest::newRow("DC") << "DC" << true;
    QTest::newRow("DCC + DC") << "DCC + DC" << true;
    QTest::newRow("DCC") << "DCC" << false;
  }
  void theBoardSystemsLoadTheBoardPanelAndShowTheDcBox() {
    QFETCH(QString, system);
    QFETCH(bool, board);
    OperatingRig r(system);
    auto* form2 = r.main->findChild<QWidget*>("Form2");
    QCOMPARE(form2 != nullptr, board);
    QCOMPARE(r.Shown("fraBoxHM"), board);
    QVERIFY(r.Control("fraBoxHM")->isAncestorOf(r.Control("picKnob_1")));
    QCOMPARE(r.Control("picKnob_2")->size(), QSize(56, 56));
    QVERIFY(r.main->minimumSizeHint().width() <= 1280);
    if (!board) return;
    QVERIFY(!form2->isVisible());
    QCOMPARE(Find<QLabel>(form2, "Label1")->text(), QStringLiteral("Card 0 connected"));
    QWidget* box = r.Control("fraBoxHM");
    const int width = r.Control("panelHost")->width();
    QVERIFY(box->geometry().right() < width - 16 && box->geometry().left() > width / 2);
    QCOMPARE(box->y(), 8);
  }

  // On DCC the caption, the label and the picture follow the modem every 500 ms.
  void theCaptionFollowsTheModem() {
    OperatingRig r("DCC", 1, kv::kCreate);
    auto label = [&]() { return Find<QLabel>(r.main.get(), "lblArray")->text(); };
    QCOMPARE(r.t.session.model.PointSide, QStringLiteral("L"));
    r.t.session.model.ClockOn = true;
    r.main->UpdateCaption();
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem ON");
    QCOMPARE(label(), QStringLiteral("show"));
    QVERIFY(r.InFront("imgBtnTog_6") && !r.InFront("imgBtnTog_5"));
    r.Click("imgBtnTog_6");
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem ON 240 240 0 0 0 0");
    QVERIFY(r.InFront("imgBtnTog_6"));  // the link is on line: its picture stays in front
    QCOMPARE(int(r.t.session.model.ProgMode), int(kv::kCreate));
    r.main->dccLink().ThrowSolenoidDcc(0);
    r.t.scheduler.Advance(500);
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem ON 82 1 136 219 0 0");
    QCOMPARE(label(), QStringLiteral("hide"));
    r.Click("imgBtnTog_6");
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem ON");

    // Pulled out: the window shows it at once, without waiting for the clock.
    r.ports->Last()->Unplug(true);
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem OFF");
    QCOMPARE(label(), QStringLiteral("no modem"));
    QVERIFY(r.InFront("imgBtnTog_5") && !r.InFront("imgBtnTog_6"));
    r.t.scheduler.Advance(5'000);
    QCOMPARE(r.main->windowTitle(), kBase + "DCC   modem OFF");
  }

  void theLocoWindowComesUpWhenOperatingWithDcc_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("shown");
    QTest::newRow("DCC, Operate") << "DCC" << 2 << true;
    QTest::newRow("DCC, Modify") << "DCC" << 1 << false;
    QTest::newRow("DC, Operate") << "DC" << 2 << false;
    QTest::newRow("DCC, mode 6") << "DCC" << 6 << true;
    QTest::newRow("DCC, mode 7") << "DCC" << 7 << false;
  }
  void theLocoWindowComesUpWhenOperatingWithDcc() {
    QFETCH(QString, system);
    QFETCH(int, mode);
    OperatingRig r(system);
    r.main->ShowLocoWindow();  // none registered: nothing to show, nothing falls over
    QWidget loco;
    r.main->RegisterLocoWindow(&loco);
    r.t.session.model.ProgMode = static_cast<std::uint8_t>(mode);
    r.main->ShowLocoWindow();
    QTEST(loco.isVisible(), "shown");
  }

  // On the DCC systems the connection loads Form2a.
  void theLocoWindowDrivesThroughTheMainWindowsLink() {
    OperatingRig dc("DC");
    QVERIFY(!dc.main->LocoWindow());
    OperatingRig r("DCC + DC", 1);
    auto* form = Find<kv::LocoWindow>(r.main.get(), "Form2a");
    QCOMPARE(r.main->LocoWindow(), form);
    kv::test::UseLayout(r.t);
    kv::test::WriteLayoutFile(r.t, "loco.txt", "\"0003\",\"D3\"\r\n");
    r.main->LoadLocoList();
    r.t.Write(kv::kCoordFile, "1500,750\r\n");
    r.main->ReadCoordFile();
    QVERIFY(!form->isVisible());
    r.main->ShowLocoWindow();
    QVERIFY(form->isVisible() && form->testAttribute(Qt::WA_ShowWithoutActivating));
    // The place stored is the place the window comes back to, whether or not the window system
    // knew the frame when it was placed (it does not before a first show): no creeping.
    QTRY_COMPARE(form->geometry().topLeft(), QPoint(100, 50));
    form->setGeometry(QRect(QPoint(200, 100), form->size()));
    r.main->WriteCoordFile();
    QCOMPARE(r.t.Read(kv::kCoordFile), QByteArray("3000,1500\r\n"));
    form->findChild<QAction*>("mnuUnitA_0")->trigger();
    QTest::mouseClick(Find<QWidget>(form, "cmdLoco_4"), Qt::RightButton);
    QCOMPARE(r.Frames(), QStringList{"0 e4 12 00 03 00 f5"});
  }

  void commandLineOptions() {
    const QStringList args{"kelvarne", "--program-folder", "/srv/rail", "--dcc-port=/dev/pts/3"};
    QCOMPARE(kv::DccPortOption(args), QStringLiteral("/dev/pts/3"));
    QCOMPARE(kv::ProgramFolderOption(args), QStringLiteral("/srv/rail"));
    QCOMPARE(kv::DccPortOption({"kelvarne", "--dcc-port", "/dev/pts/4"}), QStringLiteral("/dev/pts/4"));
    QCOMPARE(kv::DccPortOption({"kelvarne", "--dcc-port"}), QString());
    QCOMPARE(kv::DccPortOption({"--dcc-port=/dev/pts/5"}), QString());  // the program's own name
  }
};

KV_TEST_MAIN(MainWindowPartsTest)
#include "test_main_window_parts.moc"
