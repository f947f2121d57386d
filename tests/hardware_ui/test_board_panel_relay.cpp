#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_window.h"
#include "hardware/ui/board_window_texts.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::test::Find;

namespace {

// The test panel over the board whose digital outputs carry the relay stack, on "DC".
struct Rig {
  kv::test::TestSession t;
  kv::RecordingBoard board{t.scheduler};
  kv::RelayStack relay{t.session, board};
  kv::BoardWindow form2{t.session, board, nullptr, &relay};

  Rig() {
    t.session.model.ControlSystem = QStringLiteral("DC");
    t.session.model.DwellTime = 1000;
    form2.Timer1().SetEnabled(false);
    form2.show();
    if (!QTest::qWaitForWindowExposed(&form2)) qFatal("the window does not show");
    board.ClearCalls();
  }
  void Click(const char* name) {
    auto* button = Find<QAbstractButton>(&form2, name);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(qMin(8, button->width() / 2), button->height() / 2));
  }
  QLabel* Held() { return Find<QLabel>(&form2, "lblOutputsHeld"); }
};

}  // namespace

class BoardPanelRelayTest : public QObject {
  Q_OBJECT

 private slots:
  // While the relay stack fires, the panel's digital writes are refused with the reason shown
  // and the running light waits; afterwards they go through again.
  void theRelayStackHasTheOutputsWhileItFires() {
    Rig r;
    r.t.dialogs.QueueButton(kv::msg::kOk);
    r.Click("Check4");
    r.t.scheduler.Advance(100);
    r.t.session.model.SolenoidNo = 6;
    r.relay.FireRelayStack();
    for (const char* name : {"SetAllDig", "ClearAllDig", "Check3_3"}) r.Click(name);
    QVERIFY(!Find<QCheckBox>(&r.form2, "Check3_3")->isChecked());
    QVERIFY(r.Held()->isVisible());
    QCOMPARE(r.Held()->text(), kv::texts::OutputsHeld());
    r.t.scheduler.Advance(1000);  // the light waits
    r.Click("Check4");
    r.t.scheduler.Advance(500);
    QVERIFY(!r.Held()->isVisible());
    r.Click("Check3_3");
    QCOMPARE(r.board.Log(), (QStringList{"100 ClearDigitalChannel(8)", "100 SetDigitalChannel(1)",
                                         "100 WriteAllDigital(1)", "100 WriteAllDigital(6)",
                                         "1100 WriteAllDigital(7)", "1600 ClearAllDigital()",
                                         "1600 WriteAllDigital(9)"}));
  }

  // Set All Digital and the output test warn once each that they fire solenoids; Cancel
  // does nothing and warns again next time.
  void setAllAndTheOutputTestWarnOnce() {
    Rig r;
    for (int answer : {kv::msg::kCancel, kv::msg::kOk, kv::msg::kOk})
      r.t.dialogs.QueueButton(answer);
    for (const char* name : {"SetAllDig", "SetAllDig", "SetAllDig", "Check4", "Check4", "Check4"}) {
      r.Click(name);
    }
    QCOMPARE(r.board.Log(), (QStringList{"0 SetAllDigital()", "0 SetAllDigital()"}));
    QVERIFY(Find<QCheckBox>(&r.form2, "Check4")->isChecked());
    const QList<kv::DialogRecord>& shown = r.t.dialogs.Transcript();
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown.at(1).text, kv::texts::SetAllDigitalWarning());
    QCOMPARE(shown.at(2).text,
             QStringLiteral("The output test lights each output in turn: on a relay stack that "
                            "selects and fires solenoids one after another."));
    QCOMPARE(shown.at(2).title, QStringLiteral("relay stack"));
    QCOMPARE(shown.at(2).style, kv::msg::kOkCancel | kv::msg::kQuestion);
  }
};

KV_TEST_MAIN(BoardPanelRelayTest)
#include "test_board_panel_relay.moc"
