#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "hardware/dcc_link.h"
#include "hardware/recording_board.h"
#include "hardware/ui/board_host.h"
#include "layout/port_file.h"
#include "panel/grid.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_toolbars.h"
#include "panel/zorder.h"
#include "support/fake_dcc_line.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::test::FakeDccPorts;
using kv::test::FakeLineLog;
using kv::test::Find;
using kv::test::TestSession;

namespace {

const QString kBase = QStringLiteral("Saturday, Dec 5 2026  09:41 AM   Yard in Kelvarne ");

// The main window of a layout named Yard, its DCC link aimed at fake lines.
struct DccRig {
  DccRig(const QString& system, bool dccPoints) {
    t.session.model.ControlSystem = system;
    t.session.model.HasDccPoints = dccPoints;
    t.session.model.LayoutName = QStringLiteral("Yard");
    auto owned = std::make_unique<FakeDccPorts>(t.scheduler, log);
    ports = owned.get();
    main.dccLink().SetPorts(std::move(owned));
    main.show();
  }
  QString Label() { return Find<QLabel>(&main, "lblArray")->text(); }
  bool PictureInFront(int i) {
    return kv::IsInFront(Find<kv::ImageButton>(&main, QStringLiteral("imgBtnTog_%1").arg(i)));
  }

  TestSession t;
  std::shared_ptr<FakeLineLog> log = std::make_shared<FakeLineLog>();
  FakeDccPorts* ports = nullptr;
  kv::MainWindow main{t.session};
};

}  // namespace

// The panel, its toolbars, the board and the DCC link as the main window holds them.
class MainWindowPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  void thePanelFillsTheHostUnderTheToolbars() {
    TestSession t;
    t.session.model.ProgMode = kv::kModify;
    kv::MainWindow main(t.session);
    main.ShowModeToolbars();
    main.show();
    auto* host = main.findChild<QWidget*>(QStringLiteral("panelHost"));
    QVERIFY(host && host->isAncestorOf(&main.picScreen()));
    for (const char* name : {"hsbScreen", "vsbScreen", "lblPerCent_1", "lblPerCent_2"}) {
      auto* control = host->findChild<QWidget*>(QLatin1String(name));
      QVERIFY2(control && control->isVisible(), name);
    }
    QVERIFY(main.picScreen().width() > 1000 && main.picScreen().height() > 500);
    // The slide buttons sit in the slide toolbar, the grid button in the edit toolbar.
    auto* slideBar = main.findChild<QWidget*>(QStringLiteral("fraToolbar_2"));
    for (int index : {0, 3, 6, 9}) {
      QVERIFY(slideBar->findChild<kv::ImageButton*>(QStringLiteral("imgBtnScroll_%1").arg(index)));
    }
    auto* editBar = main.findChild<QWidget*>(QStringLiteral("fraToolbar_3"));
    auto* gridButton = editBar->findChild<kv::ImageButton*>(QStringLiteral("imgBtnGrid"));
    QVERIFY(gridButton && gridButton->isVisible());
    QTest::mouseClick(gridButton, Qt::LeftButton);
    QVERIFY(main.panelToolbars().grid().GridOn);
    QVERIFY(main.findChild<QScrollBar*>(QStringLiteral("hsbGrid"))->isVisible());
  }

  void aHeldSlideButtonMovesTheWindowsPanelOnItsTimer() {
    TestSession t;
    t.session.model.ProgMode = kv::kOperate;
    kv::MainWindow main(t.session);
    main.show();
    auto* down = main.findChild<kv::ImageButton*>(QStringLiteral("imgBtnScroll_6"));
    QTest::mousePress(down, Qt::LeftButton);
    t.scheduler.Advance(120);
    QTest::mouseRelease(down, Qt::LeftButton);
    QCOMPARE(main.picScreen().Origin(), QPointF(0, 60));
    QCOMPARE(main.findChild<QScrollBar*>(QStringLiteral("vsbScreen"))->value(), 60);
  }

  void theSystemsWithABoardLoadItsPanelHidden_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("DC") << "DC" << true;
    QTest::newRow("DCC + DC") << "DCC + DC" << true;
    QTest::newRow("DCC") << "DCC" << false;
  }
  void theSystemsWithABoardLoadItsPanelHidden() {
    QFETCH(QString, system);
    QFETCH(bool, loaded);
    TestSession t;
    t.session.model.ControlSystem = system;
    t.session.model.ProgMode = kv::kOperate;
    kv::MainWindow main(t.session);
    main.ConnectControlSystem();
    auto* board = qobject_cast<kv::RecordingBoard*>(&main.board().library());
    QVERIFY(board);
    QWidget* form2 = main.findChild<QWidget*>("Form2");
    QCOMPARE(form2 != nullptr, loaded);
    QCOMPARE(board->Log(), loaded ? QStringList{"0 OpenDevice(0) = 0"} : QStringList{});
    if (!loaded) return;
    QVERIFY(!form2->isVisible());
    QCOMPARE(form2->findChild<QLabel*>("Label1")->text(), QStringLiteral("Card 0 connected"));
  }

  // A DCC layout: the load chain reads port.txt, finds the box, and the caption, the label and
  // the picture follow the modem from then on, every 500 ms.
  void theCaptionFollowsTheModem() {
    DccRig r("DCC", true);
    r.t.Write(kv::kPortFile, "1\r\n");
    r.t.session.model.PointSide = "7R";
    r.main.ConnectControlSystem();
    QCOMPARE(r.t.session.model.PointSide, QStringLiteral("L"));
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("DCC box connected on Port 1"));
    r.t.session.model.ClockOn = true;
    r.main.UpdateCaption();
    QCOMPARE(r.main.windowTitle(), kBase + "DCC   modem ON");
    QCOMPARE(r.Label(), QStringLiteral("show"));
    QVERIFY(r.PictureInFront(6) && !r.PictureInFront(5));

    r.t.session.model.ShowBytes = true;
    r.t.scheduler.Advance(500);
    QCOMPARE(r.main.windowTitle(), kBase + "DCC   modem ON 240 240 0 0 0 0");
    QCOMPARE(r.Label(), QStringLiteral("hide"));

    r.main.dccLink().ThrowSolenoidDcc(0);
    r.t.scheduler.Advance(500);
    QCOMPARE(r.main.windowTitle(), kBase + "DCC   modem ON 82 1 136 219 0 0");

    // Pulled out: the window shows it at once, without waiting for the clock.
    r.ports->Last()->Unplug(true);
    QCOMPARE(r.main.windowTitle(), kBase + "DCC   modem OFF");
    QCOMPARE(r.Label(), QStringLiteral("no modem"));
    QVERIFY(r.PictureInFront(5) && !r.PictureInFront(6));
    r.t.scheduler.Advance(5'000);
    QCOMPARE(r.main.windowTitle(), kBase + "DCC   modem OFF");
  }

  void offLineShowsNoModem() {
    DccRig r("DCC + DC", false);
    r.t.dialogs.QueueText("0");
    r.main.ConnectControlSystem();
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("DCC Box disconnected"));
    r.t.session.model.ShowBytes = true;  // nothing to show off-line
    r.main.UpdateCaption();
    QCOMPARE(r.main.windowTitle(), kBase + "DCC + DC   modem OFF");
    QCOMPARE(r.Label(), QStringLiteral("no modem"));
    QVERIFY(r.PictureInFront(5));
    QVERIFY(!Find<kv::ImageButton>(&r.main, "imgBtnTog_5")->pixmap().isNull());
    QVERIFY(!Find<kv::ImageButton>(&r.main, "imgBtnTog_6")->pixmap().isNull());
    QVERIFY(r.log->opened.isEmpty());
  }

  void theLocoWindowComesUpWhenOperatingWithDcc_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("shown");
    QTest::newRow("DCC, Operate") << "DCC" << 2 << true;
    QTest::newRow("DCC + DC, Operate") << "DCC + DC" << 2 << true;
    QTest::newRow("DCC, Modify") << "DCC" << 1 << false;
    QTest::newRow("DCC, Create") << "DCC" << 0 << false;
    QTest::newRow("DC, Operate") << "DC" << 2 << false;
    QTest::newRow("DCC, mode 6") << "DCC" << 6 << true;
    QTest::newRow("DCC, mode 7") << "DCC" << 7 << false;
  }
  void theLocoWindowComesUpWhenOperatingWithDcc() {
    QFETCH(QString, system);
    QFETCH(int, mode);
    QFETCH(bool, shown);
    DccRig r(system, false);
    r.main.ShowLocoWindow();  // none registered: nothing to show, nothing falls over
    QWidget loco;
    r.main.RegisterLocoWindow(&loco);
    r.t.session.model.ProgMode = static_cast<std::uint8_t>(mode);
    r.main.ShowLocoWindow();
    QCOMPARE(loco.isVisible(), shown);
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
