#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "board_panel.h"

using kv::BoardWindow;
using kv::test::Click;
using kv::test::Find;
using kv::test::Panel;

namespace {
// A board that is plugged in but that this user may not open.
class LockedBoard final : public kv::BoardDevice {
 public:
  QString OpenProblem() const override { return QStringLiteral("plugged in, no access"); }

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
    QVERIFY(p.form2->Timer1().Running());
    QVERIFY(!p.form2->Timer2().Running());
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
    Click(p.form2.get(), "Connect");
    QCOMPARE(p.form2->CardAddress(), address);
    QCOMPARE(p.board.Log().last(), QStringLiteral("0 OpenDevice(%1) = %1").arg(address));
    QCOMPARE(p.Text("Label1"), QStringLiteral("Card %1 connected").arg(address));
  }

  void aCardThatCannotBeOpenedSaysWhyInTheTip() {
    kv::test::TestSession t;
    LockedBoard board;
    BoardWindow form2(t.session, board);
    QCOMPARE(Find<QLabel>(&form2, "Label1")->text(), QStringLiteral("Card 0 not found"));
    QCOMPARE(Find<QLabel>(&form2, "Label1")->toolTip(), QStringLiteral("plugged in, no access"));
  }

  void aMissingCardIsNotPolled() {
    Panel p({2});
    QCOMPARE(p.Text("Label1"), QStringLiteral("Card 0 not found"));
    QVERIFY(!p.form2->Timer1().Running());
    p.t.scheduler.Advance(500);
    QCOMPARE(p.board.Log(), QStringList{"0 OpenDevice(0) = -1"});
    Find<QCheckBox>(p.form2.get(), "Check1_1")->setChecked(false);  // SK5 alone: card 2
    Click(p.form2.get(), "Connect");
    QCOMPARE(p.Text("Label1"), QStringLiteral("Card 2 connected"));
    p.t.scheduler.Advance(50);
    QCOMPARE(p.LogSince(2), (QStringList{"550 ReadAllDigital() = 0", "550 ReadAllAnalog() = 0, 0",
                                         "550 ReadCounter(1) = 0", "550 ReadCounter(2) = 0"}));
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
    const bool expected[5] = {false, true, true, false, true};
    for (int i = 0; i < 5; ++i) QCOMPARE(p.Ticked(QStringLiteral("Check2_%1").arg(i)), expected[i]);
    QCOMPARE(Find<QScrollBar>(p.form2.get(), "VScroll3")->value(), 17);
    QCOMPARE(p.Text("lblVScroll3"), QStringLiteral("17"));
    QCOMPARE(Find<QScrollBar>(p.form2.get(), "VScroll4")->value(), 240);
    QCOMPARE(p.Text("lblVScroll4"), QStringLiteral("240"));
    QCOMPARE(p.Text("Text1"), QStringLiteral("1234"));
    QCOMPARE(p.Text("Text2"), QStringLiteral("65535"));
    p.board.SetInputs({});
    p.t.scheduler.Advance(50);
    QVERIFY(!p.Ticked("Check2_1"));
    QCOMPARE(p.Text("Text1"), QStringLiteral("0"));
    QCOMPARE(p.board.Calls().size(), qsizetype(9));  // one read of each kind every 50 ms
  }

  void outputBoxesWriteTheirSum() {
    Panel p;
    p.form2->Timer1().SetEnabled(false);
    Click(p.form2.get(), "Check3_0");
    Click(p.form2.get(), "Check3_7");
    QCOMPARE(p.LogSince(1), (QStringList{"0 WriteAllDigital(1)", "0 WriteAllDigital(129)"}));
    QCOMPARE(p.board.Outputs().digital, std::uint8_t(129));
    QVERIFY(Find<QLabel>(p.form2.get(), "lblBoardOut_0")->property("lit").toBool());
    QVERIFY(!Find<QLabel>(p.form2.get(), "lblBoardOut_1")->property("lit").toBool());
    QVERIFY(Find<QLabel>(p.form2.get(), "lblBoardOut_7")->property("lit").toBool());
  }

  void setAndClearAllWriteOnceWhileTheBoxesFollow() {
    Panel p;
    p.form2->Timer1().SetEnabled(false);
    Click(p.form2.get(), "SetAllDig");
    QCOMPARE(p.LogSince(1), QStringList{"0 SetAllDigital()"});
    for (int i = 0; i < 8; ++i) QVERIFY(p.Ticked(QStringLiteral("Check3_%1").arg(i)));
    Click(p.form2.get(), "ClearAllDig");
    QCOMPARE(p.LogSince(2), QStringList{"0 ClearAllDigital()"});
    for (int i = 0; i < 8; ++i) QVERIFY(!p.Ticked(QStringLiteral("Check3_%1").arg(i)));
    Click(p.form2.get(), "Check3_2");  // the busy flag is down again
    QCOMPARE(p.board.Log().last(), QStringLiteral("0 WriteAllDigital(4)"));
  }

  void theOutputTestRunsALightAlongTheOutputs() {
    Panel p;
    p.form2->Timer1().SetEnabled(false);
    Click(p.form2.get(), "Check4");
    p.t.scheduler.Advance(100);
    QCOMPARE(p.LogSince(1), (QStringList{"100 ClearDigitalChannel(8)", "100 SetDigitalChannel(1)",
                                         "100 WriteAllDigital(1)"}));
    p.t.scheduler.Advance(100);
    QCOMPARE(p.LogSince(4), (QStringList{"200 ClearDigitalChannel(1)", "200 WriteAllDigital(0)",
                                         "200 SetDigitalChannel(2)", "200 WriteAllDigital(2)"}));
    p.t.scheduler.Advance(600);  // round to output 8, then back to 1
    QCOMPARE(p.board.Outputs().digital, std::uint8_t(128));
    p.t.scheduler.Advance(100);
    QCOMPARE(p.board.Outputs().digital, std::uint8_t(1));
    QVERIFY(p.Ticked("Check3_0"));
    QVERIFY(!p.Ticked("Check3_7"));
    Click(p.form2.get(), "Check4");
    const qsizetype calls = p.board.Calls().size();
    p.t.scheduler.Advance(1000);
    QCOMPARE(p.board.Calls().size(), calls);
  }

  void analogueOutputsFollowTheirBars() {
    Panel p;
    p.form2->Timer1().SetEnabled(false);
    Find<QScrollBar>(p.form2.get(), "VScroll1")->setValue(210);
    Find<QScrollBar>(p.form2.get(), "VScroll2")
        ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(p.LogSince(1),
             (QStringList{"0 OutputAnalogChannel(1, 210)", "0 OutputAnalogChannel(2, 1)"}));
    QCOMPARE(p.Text("lblVScroll1"), QStringLiteral("210"));
    QCOMPARE(p.Text("lblBoardPwm_1"), QStringLiteral("PWM 1: 210"));
    Click(p.form2.get(), "SetAllAnalog1");
    QCOMPARE(p.LogSince(3), QStringList{"0 SetAllAnalog()"});
    QCOMPARE(Find<QScrollBar>(p.form2.get(), "VScroll2")->value(), 255);
    QCOMPARE(p.Text("lblVScroll2"), QStringLiteral("255"));
    Click(p.form2.get(), "ClearAllAnalog1");
    QCOMPARE(p.LogSince(4), QStringList{"0 ClearAllAnalog()"});
    QCOMPARE(Find<QScrollBar>(p.form2.get(), "VScroll1")->value(), 0);
    QCOMPARE(p.Text("lblVScroll1"), QStringLiteral("0"));
    // A click on the bar's track moves it a page, as a user moves it.
    auto* bar = Find<QScrollBar>(p.form2.get(), "VScroll1");
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 20));
    QCOMPARE(p.LogSince(5), QStringList{"0 OutputAnalogChannel(1, 16)"});
    QCOMPARE(p.Text("lblVScroll1"), QStringLiteral("16"));
  }

  void countersResetAndDebounce() {
    Panel p;
    p.form2->Timer1().SetEnabled(false);
    Click(p.form2.get(), "Option1_2");
    Click(p.form2.get(), "Option2_3");
    Click(p.form2.get(), "Option1_1");
    Click(p.form2.get(), "Reset1");
    Click(p.form2.get(), "Reset2");
    QCOMPARE(
        p.LogSince(1),
        (QStringList{"0 SetCounterDebounceTime(1, 10)", "0 SetCounterDebounceTime(2, 1000)",
                     "0 SetCounterDebounceTime(1, 2)", "0 ResetCounter(1)", "0 ResetCounter(2)"}));
    QCOMPARE(p.board.Packets().at(1)[0], std::uint8_t(0x01));
    QCOMPARE(p.board.Packets().at(1)[6], std::uint8_t(9));   // 10 ms
    QCOMPARE(p.board.Packets().at(2)[7], std::uint8_t(93));  // 1000 ms
    QVERIFY(Find<QRadioButton>(p.form2.get(), "Option1_1")->isChecked());
    QVERIFY(!Find<QRadioButton>(p.form2.get(), "Option1_2")->isChecked());
    QVERIFY(Find<QRadioButton>(p.form2.get(), "Option2_3")->isChecked());
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

  void everyCaptionHasRoom() {
    Panel p;
    p.form2->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.form2.get()));
    for (QAbstractButton* b : p.form2->findChildren<QAbstractButton*>()) {
      QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
      QVERIFY2(b->height() >= b->sizeHint().height(), qPrintable(b->objectName()));
    }
    auto* label = Find<QLabel>(p.form2.get(), "Label1");
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance("Card 3 not found"));
  }
};

KV_TEST_MAIN(BoardWindowTest)
#include "test_board_window.moc"
