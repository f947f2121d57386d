#include <QLabel>
#include <QTest>
#include <memory>

#include "board_panel.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"

using kv::RecordingBoard;
using kv::test::Find;

class BoardHostTest : public QObject {
  Q_OBJECT

 private slots:
  void theBoardWindowLoadsHiddenOnceAndShowsWithF8() {
    kv::test::TestSession t;
    QWidget main;
    auto board = std::make_unique<RecordingBoard>(t.scheduler);
    RecordingBoard& recording = *board;
    kv::BoardHost host(t.session, &main, std::move(board));
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F8);
    QCOMPARE(t.dialogs.Beeps(), 1);  // no board window on this system
    host.LoadBoardWindow();
    host.LoadBoardWindow();
    QVERIFY(host.boardWindow());
    QVERIFY(!host.boardWindow()->isVisible());
    QCOMPARE(recording.Log().filter("OpenDevice"), QStringList{"0 OpenDevice(0) = 0"});
    QTest::keyClick(&main, Qt::Key_F8);
    QVERIFY(host.boardWindow()->isVisible());
    QCOMPARE(t.dialogs.Beeps(), 1);
  }

  void theRelayStackShowsOnThePanelAndEndsCleared() {
    kv::test::TestSession t;
    t.session.model.ControlSystem = "DC";
    QWidget main;
    auto board = std::make_unique<RecordingBoard>(t.scheduler);
    // The host owns the board and takes it with it: the calls are written down as they come.
    QStringList calls;
    connect(board.get(), &RecordingBoard::called, [&](const kv::BoardCall& call) {
      calls << QStringLiteral("%1 %2").arg(call.timeMs).arg(call.Text());
    });
    auto host = std::make_unique<kv::BoardHost>(t.session, &main, std::move(board));
    host->LoadBoardWindow();
    host->boardWindow()->Timer1().SetEnabled(false);
    t.session.model.SolenoidNo = 6;
    host->relayStack().FireRelayStack();
    auto lit = [&](int i) {
      return Find<QLabel>(host->boardWindow(), QStringLiteral("lblBoardOut_%1").arg(i))
          ->property("lit")
          .toBool();
    };
    QVERIFY(!lit(0) && lit(1) && lit(2));
    t.scheduler.Advance(1000);
    QVERIFY(lit(0) && lit(1) && lit(2));
    t.scheduler.Advance(100);
    host.reset();  // the program ends in the fire phase
    QCOMPARE(calls,
             (QStringList{"0 OpenDevice(0) = 0", "0 WriteAllDigital(6)", "1000 WriteAllDigital(7)",
                          "1100 ClearAllDigital()", "1100 CloseDevice()"}));
  }
};

KV_TEST_MAIN(BoardHostTest)
#include "test_board_host.moc"
