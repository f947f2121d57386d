#include <QGroupBox>
#include <QTest>

#include "app/caption.h"
#include "app/main_window.h"
#include "app/start_window.h"
#include "layout/sundry_files.h"
#include "panel/image_button.h"
#include "panel/zorder.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::test::Find;
using kv::test::TestSession;

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void createSetsNewLayoutAndOpensTheMainWindow() {
    TestSession t;
    t.session.model.ControlSystem = "DC";
    t.dialogs.QueueText("My Layout");  // the new layout's name
    std::unique_ptr<kv::MainWindow> main;
    kv::StartWindow form0(t.session, [&]() {
      main = std::make_unique<kv::MainWindow>(t.session);
      main->Load();
      return main.get();
    });
    form0.cmdSelect_MouseUp(0, Qt::LeftButton);
    QCOMPARE(t.session.model.ProgMode, std::uint8_t(0));
    QVERIFY(t.session.model.NewLayout && t.session.model.ClockOn);
    // Create opens with the information toolbar, like Operate, and offers Operate.
    QVERIFY(Find<QGroupBox>(main.get(), "fraToolbar_1")->isHidden());
    QVERIFY(!Find<QGroupBox>(main.get(), "fraToolbar_4")->isHidden());
    QVERIFY(kv::IsInFront(Find<QWidget>(main.get(), "imgBtnTog_2")));
    QWidget* loco0 = Find<QWidget>(main.get(), "imgBtnTog_0");
    QCOMPARE(loco0->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(),
             loco0);
  }

  void captionFormat_data() {
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("caption");
    QTest::newRow("morning") << QDateTime(QDate(2026, 12, 5), QTime(9, 41)) << "DCC + DC"
                             << "Saturday, Dec 5 2026  09:41 AM   My Layout in Kelvarne DCC + DC";
    QTest::newRow("noon") << QDateTime(QDate(2027, 1, 14), QTime(12, 5)) << "DC"
                          << "Thursday, Jan 14 2027  12:05 PM   My Layout in Kelvarne DC";
    QTest::newRow("midnight") << QDateTime(QDate(2026, 5, 31), QTime(0, 30)) << "DCC"
                              << "Sunday, May 31 2026  12:30 AM   My Layout in Kelvarne DCC";
  }
  void captionFormat() {
    QFETCH(QDateTime, now);
    QFETCH(QString, system);
    QTEST(kv::FormatCaptionBase(now, "My Layout", system), "caption");
  }

  void captionClockTicksEvery500msWhileOn() {
    TestSession t;
    t.scheduler.SetWallClock(QDateTime(QDate(2026, 12, 5), QTime(9, 41, 59, 200)));
    t.session.model.ControlSystem = "DC";
    t.session.model.LayoutName = "My Layout";
    kv::MainWindow main(t.session);
    main.UpdateCaption();
    QCOMPARE(main.windowTitle(), QStringLiteral("Saturday, Dec 5 2026  09:41 AM   My Layout in Kelvarne DC"));
    t.session.model.ClockOn = true;
    t.scheduler.Advance(500);
    QVERIFY(main.windowTitle().contains("09:41 AM"));
    t.scheduler.Advance(500);  // 09:42:00.200
    QVERIFY(main.windowTitle().contains("09:42 AM"));
    t.session.model.ClockOn = false;  // a route recording holds the caption
    main.setWindowTitle("recording");
    t.scheduler.Advance(120'000);
    QCOMPARE(main.windowTitle(), QStringLiteral("recording"));
    t.session.model.ClockOn = true;
    t.scheduler.Advance(500);
    QVERIFY(main.windowTitle().contains("09:44 AM"));
  }

  void connectionShowsTheNumberFrameOfTheSystem() {
    TestSession t;
    kv::MainWindow main(t.session);
    main.show();
    t.session.model.HasDccPoints = true;
    t.session.model.ControlSystem = "DCC";
    main.ConnectControlSystem();
    QVERIFY(!Find<QWidget>(&main, "fraLenzNo")->isHidden());
    QVERIFY(Find<QWidget>(&main, "fraSendNo")->isHidden());
    QVERIFY(kv::IsInFront(Find<QWidget>(&main, "fraModem_1")));
    t.session.model.HasDccPoints = false;
    t.session.model.ControlSystem = "DC";
    main.ConnectControlSystem();
    QVERIFY(Find<QWidget>(&main, "fraLenzNo")->isHidden());
    QVERIFY(!Find<QWidget>(&main, "fraSendNo")->isHidden());
  }

  // coord.txt places the loco window (in twips).
  void theLocoWindowPositionIsKeptInCoordFile() {
    TestSession none;
    kv::MainWindow(none.session).imgBtnExit_MouseUp(Qt::LeftButton);
    QVERIFY(none.session.Ended() && !none.Exists(kv::kCoordFile));

    TestSession t;
    t.dialogs.onShow = [](const kv::DialogRecord& r) {
      qFatal("exit asked: %s", qPrintable(r.text));
    };
    kv::MainWindow main(t.session);
    QWidget loco;
    loco.move(40, 60);
    main.RegisterLocoWindow(&loco);
    main.ReadCoordFile();
    QCOMPARE(loco.pos(), QPoint(40, 60));
    QVERIFY(t.Exists(kv::kCoordFile));
    t.Write(kv::kCoordFile, "1500,750\r\n");
    main.ReadCoordFile();
    QCOMPARE(loco.pos(), QPoint(100, 50));
    QCOMPARE(t.session.model.LocoWinPos[0], 1500);
    loco.move(300, 200);
    QTest::mouseClick(Find<QWidget>(&main, "imgBtnExit"), Qt::LeftButton);
    QVERIFY(t.session.Ended());
    QCOMPARE(t.Read(kv::kCoordFile), QByteArray("4500,3000\r\n"));
  }
};

KV_TEST_MAIN(WindowsTest)
#include "test_windows.moc"
