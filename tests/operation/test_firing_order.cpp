#include <QHBoxLayout>
#include <QScrollBar>
#include <QTest>

#include "hardware/dcc_link.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "operation/indicator_check_box.h"
#include "operation/points_firing.h"
#include "operation/send_number_group.h"
#include "panel/toolbar_frame.h"
#include "support/fake_dcc_line.h"
#include "support/test_session.h"

namespace {

// Points firing on a recording board's relay stack (or a fake DCC box on "DCC"), with the
// send-number group in its frame.
struct Rig {
  kv::test::TestSession t;
  kv::RecordingBoard board{t.scheduler};
  kv::RelayStack relay{t.session, board};
  kv::DccLink dcc{t.session};
  kv::PointsFiring firing{t.session, relay, dcc};
  std::shared_ptr<kv::test::FakeLineLog> line = std::make_shared<kv::test::FakeLineLog>();
  kv::ToolbarFrame fraSendNo{QStringLiteral("fraSendNo"), QString()};
  kv::SendNumberGroup* group = nullptr;

  explicit Rig(const QString& system = QStringLiteral("DC")) {
    kv::LayoutModel& m = t.session.model;
    m.ControlSystem = system;
    m.DwellTime = 1000;
    new QHBoxLayout(&fraSendNo);
    group = new kv::SendNumberGroup(&fraSendNo, relay, firing);
    if (system == QLatin1String("DCC")) {
      dcc.SetPorts(std::make_unique<kv::test::FakeDccPorts>(t.scheduler, line));
      m.BoxPort = 1;
      dcc.OpenDccBox();
      line->writes.clear();
    }
    board.OpenDevice(0);
    board.ClearCalls();
  }
  void Click(const QString& caption, Qt::MouseButton button) {
    firing.Label_MouseDown(1, button, caption, 255);
  }
  QStringList Writes() const { return board.Log().filter(QStringLiteral("WriteAllDigital")); }
};

}  // namespace

class FiringOrderTest : public QObject {
  Q_OBJECT

 private slots:
  // A left firing ends the repetitions asked for before it, and only those.
  void aLeftFiringEndsOnlyTheRepetitionsBeforeIt() {
    Rig r;
    r.Click(QStringLiteral("12"), Qt::LeftButton);
    r.t.scheduler.Advance(500);
    r.Click(QStringLiteral("20"), Qt::RightButton);  // asked for while 12 runs: it repeats
    r.t.scheduler.Advance(5500);
    QCOMPARE(r.Writes(), (QStringList{"0 WriteAllDigital(12)", "1000 WriteAllDigital(13)",
                                      "1500 WriteAllDigital(20)", "2500 WriteAllDigital(21)",
                                      "3000 WriteAllDigital(20)", "4000 WriteAllDigital(21)",
                                      "4500 WriteAllDigital(20)", "5500 WriteAllDigital(21)",
                                      "6000 WriteAllDigital(20)"}));
    QVERIFY(r.firing.RepeatFire());
    r.Click(QStringLiteral("12"), Qt::LeftButton);  // asked for after it: it ends the repetition
    r.t.scheduler.Advance(10'000);
    QCOMPARE(r.Writes().mid(9), (QStringList{"7000 WriteAllDigital(21)", "7500 WriteAllDigital(12)",
                                             "8500 WriteAllDigital(13)"}));
    QVERIFY(!r.firing.RepeatFire());
  }

  // "send number" fires the number the user set, even while the bar shows a pulse's N + 1,
  // and the bar comes back to it.
  void sendNumberFiresTheNumberSetNotTheOneShown() {
    Rig r;
    r.group->hsbSendNo()->setValue(6);
    emit r.group->chkSendNo()->mouseDown(Qt::LeftButton);
    r.t.scheduler.Advance(1200);
    QCOMPARE(r.group->hsbSendNo()->value(), 7);
    emit r.group->chkSendNo()->mouseDown(Qt::LeftButton);
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.Writes(), (QStringList{"0 WriteAllDigital(6)", "1000 WriteAllDigital(7)",
                                      "1500 WriteAllDigital(6)", "2500 WriteAllDigital(7)"}));
    QCOMPARE(r.group->hsbSendNo()->value(), 6);
    QCOMPARE(r.fraSendNo.title(), QStringLiteral("solenoid  6"));
  }

  // Captions as typed by hand: blanks before a relay number, a lower-case DCC side.
  void captionsAsTypedFire_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("first");
    QTest::newRow("relay, leading blanks") << "DC"
                                           << "  12"
                                           << "0 WriteAllDigital(12)";
    QTest::newRow("DCC, lower-case side") << "DCC"
                                          << "12l"
                                          << "52 04 88 de";
  }
  void captionsAsTypedFire() {
    QFETCH(QString, system);
    QFETCH(QString, caption);
    QFETCH(QString, first);
    Rig r(system);
    r.Click(caption, Qt::LeftButton);
    QStringList sent = r.Writes();
    for (const QByteArray& frame : r.line->Bytes()) sent << QString::fromLatin1(frame.toHex(' '));
    QCOMPARE(sent.value(0), first);
    QCOMPARE(r.t.dialogs.Beeps(), 0);
    if (system == QLatin1String("DCC"))
      QCOMPARE(r.t.session.model.PointSide, QStringLiteral("12L"));
  }
};

KV_TEST_MAIN(FiringOrderTest)
#include "test_firing_order.moc"
