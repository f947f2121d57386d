#include <QLabel>
#include <QTest>

#include "app/main_window.h"
#include "hardware/board_library.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/board_window.h"
#include "support/test_session.h"

using kv::test::TestSession;

class BoardWiringTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

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

  void theRelayStackFiresThroughTheLoadedBoard() {
    TestSession t;
    t.session.model.ControlSystem = "DC";
    kv::MainWindow main(t.session);
    main.ConnectControlSystem();
    main.board().boardWindow()->Timer1().SetEnabled(false);
    t.session.model.SolenoidNo = 12;
    main.board().relayStack().FireRelayStack();
    t.scheduler.Advance(1500);
    auto& board = static_cast<kv::RecordingBoard&>(main.board().library());
    QCOMPARE(board.Log().mid(1), (QStringList{"0 WriteAllDigital(12)", "1000 WriteAllDigital(13)",
                                              "1500 ClearAllDigital()"}));
  }
};

KV_TEST_MAIN(BoardWiringTest)
#include "test_board_wiring.moc"
