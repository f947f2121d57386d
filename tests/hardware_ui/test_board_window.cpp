#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "base/box_text.h"
#include "hardware/access_texts.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/board_window.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::BoardWindow;
using kv::RecordingBoard;
using kv::test::Find;

namespace {

// Whether output `i` shows as on, in the panel's row of output lights.
bool Lit(QWidget* form2, int i) {
  return Find<QLabel>(form2, QStringLiteral("lblBoardOut_%1").arg(i))->property("lit").toBool();
}

// The board test panel over a recording board that answers at the addresses given.
struct Panel {
  kv::test::TestSession t;
  RecordingBoard board{t.scheduler};
  std::unique_ptr<BoardWindow> form2;

  explicit Panel(const QSet<int>& present = {0}) {
    board.SetPresentAddresses(present);
    form2 = std::make_unique<BoardWindow>(t.session, board);
  }
  // A click where the user would make it, the window shown and laid out.
  void Click(const QString& name) {
    if (!form2->isVisible()) {
      form2->show();
      if (!QTest::qWaitForWindowExposed(form2.get())) qFatal("the window does not show");
    }
    auto* button = Find<QAbstractButton>(form2.get(), name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
  }
  // Inputs no longer polled, so the log holds only what the clicks do.
  void Quiet() { form2->Timer1().SetEnabled(false); }
  QStringList LogSince(qsizetype from) const { return board.Log().mid(from); }
  bool Ticked(const QString& name) const { return Find<QCheckBox>(form2.get(), name)->isChecked(); }
  QScrollBar* Bar(const QString& name) const { return Find<QScrollBar>(form2.get(), name); }
  QString Text(const QString& name) const {
    if (auto* label = form2->findChild<QLabel*>(name)) return label->text();
    return Find<QLineEdit>(form2.get(), name)->text();
  }
};

// A board that is plugged in but that this user may not open.
class LockedBoard final : public kv::BoardDevice {
 public:
  QString OpenProblem() const override { return kv::texts::BoardDenied("/dev/hidraw3"); }

 protected:
  bool Connect(int) override { return false; }
  void Disconnect() override {}
  void Send(const kv::BoardPacket&) override {}
  kv::BoardInputs LatestInputs() const override { return {}; }
};

}  // namespace

class BoardWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void loadingConnectsCardZero() {
    Panel p;
    QCOMPARE(p.form2->windowTitle(), QStringLiteral("K8055 Demo"));
    QVERIFY(!p.form2->isVisible());
    QCOMPARE(p.board.Log(), QStringList{"0 OpenDevice(0) = 0"});
    QCOMPARE(p.Text("Label1"), QStringLiteral("Card 0 connected"));
    QVERIFY(p.form2->Timer1().Running() && !p.form2->Timer2().Running());
  }

  void theJumpersGiveTheCardAddress_data() {
    QTest::addColumn<bool>("sk5");
    QTest::addColumn<bool>("sk6");
    QTest::addColumn<int>("address");
    QTest::newRow("both") << true << true << 0;
    QTest::newRow("SK6 alone") << false << true << 1;
    QTest::newRow("SK5 alone") << true << false << 2;
    QTest::newRow("neither") << false << false << 3;
  }
  void theJumpersGiveTheCardAddress() {
    QFETCH(bool, sk5);
    QFETCH(bool, sk6);
    QFETCH(int, address);
    Panel p({0, 1, 2, 3});
    Find<QCheckBox>(p.form2.get(), "Check1_0")->setChecked(sk5);
    Find<QCheckBox>(p.form2.get(), "Check1_1")->setChecked(sk6);
    p.Click("Connect");
    QCOMPARE(p.form2->CardAddress(), address);
    QCOMPARE(p.board.Log().last() + "|" + p.Text("Label1"),
             QStringLiteral("0 OpenDevice(%1) = %1|Card %1 connected").arg(address));
  }

  void aCardThatCannotBeOpenedSaysWhyInTheTip() {
    kv::test::TestSession t;
    LockedBoard board;
    BoardWindow form2(t.session, board);
    // Not called absent: the label says it is there, and a message names the fix.
    QCOMPARE(Find<QLabel>(&form2, "Label1")->text(), QStringLiteral("Card 0 found, not opened"));
    const QString why = QStringLiteral(
        "The USB board is plugged in (/dev/hidraw3), but this user may not use it.\n"
        "Install the udev rule 70-kelvarne-usb-board.rules (the Debian package puts it in "
        "/usr/lib/udev/rules.d; from a build, copy packaging/70-kelvarne-usb-board.rules to "
        "/etc/udev/rules.d),\nthen unplug the board and plug it in again.");
    QCOMPARE(Find<QLabel>(&form2, "Label1")->toolTip(), why);
    QCOMPARE(kv::test::Titles(t.dialogs), QStringList{"USB board"});
    QCOMPARE(kv::BoxText(t.dialogs.Last().text), why);
  }

  void pollingShowsInputsAndCounters() {
    Panel p;
    p.board.SetInputs({.digital = 0b10110,
                       .status = 1,
                       .analog1 = 17,
                       .analog2 = 240,
                       .counter1 = 1234,
                       .counter2 = 65535});
    p.t.scheduler.Advance(49);
    QCOMPARE(p.board.Calls().size(), qsizetype(1));
    p.t.scheduler.Advance(1);
    QList<bool> ticked;
    for (int i = 0; i < 5; ++i) ticked << p.Ticked(QStringLiteral("Check2_%1").arg(i));
    QCOMPARE(ticked, (QList<bool>{false, true, true, false, true}));
    QCOMPARE(QPoint(p.Bar("VScroll3")->value(), p.Bar("VScroll4")->value()), QPoint(17, 240));
    QCOMPARE((QStringList{p.Text("lblVScroll3"), p.Text("lblVScroll4"), p.Text("Text1"),
                          p.Text("Text2")}),
             (QStringList{"17", "240", "1234", "65535"}));
    p.board.SetInputs({});
    p.t.scheduler.Advance(50);
    QVERIFY(!p.Ticked("Check2_1") && p.Text("Text1") == "0");
    QCOMPARE(p.board.Calls().size(), qsizetype(9));  // one read of each kind every 50 ms
  }

  // The output boxes write their sum; set all and clear all write once while the boxes follow.
  void theOutputBoxesWriteTheOutputs() {
    Panel p;
    p.Quiet();
    p.Click("Check3_0");
    p.Click("Check3_7");
    QCOMPARE(p.LogSince(1), (QStringList{"0 WriteAllDigital(1)", "0 WriteAllDigital(129)"}));
    QCOMPARE(p.board.Outputs().digital, std::uint8_t(129));
    QVERIFY(Lit(p.form2.get(), 0) && !Lit(p.form2.get(), 1) && Lit(p.form2.get(), 7));
    p.Click("SetAllDig");
    QCOMPARE(p.LogSince(3), QStringList{"0 SetAllDigital()"});
    for (int i = 0; i < 8; ++i) QVERIFY(p.Ticked(QStringLiteral("Check3_%1").arg(i)));
    p.Click("ClearAllDig");
    QCOMPARE(p.LogSince(4), QStringList{"0 ClearAllDigital()"});
    for (int i = 0; i < 8; ++i) QVERIFY(!p.Ticked(QStringLiteral("Check3_%1").arg(i)));
    p.Click("Check3_2");  // the busy flag is down again
    QCOMPARE(p.board.Log().last(), QStringLiteral("0 WriteAllDigital(4)"));
  }

  void theWindowGoingClosesTheBoard() {
    Panel p;
    p.form2->show();
    p.form2->close();  // closing only hides it: the board stays open
    QCOMPARE(p.board.Calls().size(), qsizetype(1));
    p.form2.reset();
    QCOMPARE(p.board.Log().last(), QStringLiteral("0 CloseDevice()"));
    p.t.scheduler.Advance(1000);
    QCOMPARE(p.board.Calls().size(), qsizetype(2));
  }

  // The main window's board.
  void theHostLoadsTheWindowHiddenOnceAndShowsItWithF8() {
    kv::test::TestSession t;
    QWidget main;
    auto board = std::make_unique<RecordingBoard>(t.scheduler);
    RecordingBoard& recording = *board;
    kv::BoardHost host(t.session, &main, std::move(board));
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F8);
    QCOMPARE(t.dialogs.Beeps(), 1);
    for (int twice = 0; twice < 2; ++twice) host.LoadBoardWindow();
    QVERIFY(!host.boardWindow()->isVisible());
    QCOMPARE(recording.Log().filter("OpenDevice"), QStringList{"0 OpenDevice(0) = 0"});
    QTest::keyClick(&main, Qt::Key_F8);
    QVERIFY(host.boardWindow()->isVisible());
    QCOMPARE(t.dialogs.Beeps(), 1);
  }

  // The host's relay stack fires through the board the panel shows.
  void theHostsRelayStackShowsOnThePanelAndEndsCleared() {
    kv::test::TestSession t;
    t.session.model.ControlSystem = "DC";
    QWidget main;
    auto board = std::make_unique<RecordingBoard>(t.scheduler);
    QStringList calls;  // the host takes the board with it: the calls are noted as they come
    connect(board.get(), &RecordingBoard::called, [&](const kv::BoardCall& call) {
      calls << QStringLiteral("%1 %2").arg(call.timeMs).arg(call.Text());
    });
    auto host = std::make_unique<kv::BoardHost>(t.session, &main, std::move(board));
    host->LoadBoardWindow();
    host->boardWindow()->Timer1().SetEnabled(false);
    t.session.model.SolenoidNo = 6;
    host->relayStack().FireRelayStack();
    BoardWindow* form2 = host->boardWindow();
    QVERIFY(!Lit(form2, 0) && Lit(form2, 1) && Lit(form2, 2));
    t.scheduler.Advance(1000);
    QVERIFY(Lit(form2, 0) && Lit(form2, 1) && Lit(form2, 2));
    t.scheduler.Advance(100);
    host.reset();
    QCOMPARE(calls,
             (QStringList{"0 OpenDevice(0) = 0", "0 WriteAllDigital(6)", "1000 WriteAllDigital(7)",
                          "1100 ClearAllDigital()", "1100 CloseDevice()"}));
  }
};

KV_TEST_MAIN(BoardWindowTest)
#include "test_board_window.moc"
