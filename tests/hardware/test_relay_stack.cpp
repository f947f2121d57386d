#include <QTest>
#include <cmath>
#include <limits>

#include "support/relay_rig.h"

using kv::RelayStack;
using Outcome = kv::RelayStack::Outcome;

namespace {

// The relay stack with the send-number display written down as it moves.
struct Rig : kv::test::RelayRig {
  explicit Rig(const QString& system = "DC", int port = 0) : RelayRig(system, port) {
    QObject::connect(relay.get(), &RelayStack::chkSendNoChanged, [this](int v) {
      check << QStringLiteral("%1 %2").arg(t.scheduler.NowMs()).arg(v);
    });
    QObject::connect(relay.get(), &RelayStack::hsbSendNoChanged, [this](int v) {
      number << QStringLiteral("%1 %2").arg(t.scheduler.NowMs()).arg(v);
    });
  }
  Outcome Fire(int solenoid, std::function<void()> done = {}) {
    t.session.model.SolenoidNo = static_cast<std::uint8_t>(solenoid);
    return relay->FireRelayStack(std::move(done));
  }
  QStringList check;   // "time value" of chkSendNo
  QStringList number;  // "time value" of hsbSendNo
};

}  // namespace

class RelayStackTest : public QObject {
  Q_OBJECT

 private slots:
  void aPulseSelectsThenFiresThenClears() {
    Rig r;
    r.t.scheduler.Advance(250);
    QCOMPARE(r.Fire(6), Outcome::kStarted);
    r.t.scheduler.Advance(1499);
    QVERIFY(r.relay->Busy());
    r.t.scheduler.Advance(1);
    QCOMPARE(r.board.Log(), (QStringList{"250 WriteAllDigital(6)", "1250 WriteAllDigital(7)",
                                         "1750 ClearAllDigital()"}));
    QCOMPARE(r.check, (QStringList{"250 2", "1250 1", "1750 0"}));
    QCOMPARE(r.number, (QStringList{"250 6", "1250 7", "1750 0"}));
    QVERIFY(!r.relay->Busy());
    QCOMPARE(r.t.session.model.SolenoidNo, std::uint8_t(6));
    QCOMPARE(r.t.scheduler.PendingTasks(), 0);
  }

  void theRelayStackIsUsedOnlyWithDcOrABoxPort_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("fires");
    QTest::newRow("DCC off-line") << "DCC" << 0 << false;
    QTest::newRow("DCC + DC off-line") << "DCC + DC" << 0 << false;
    QTest::newRow("DCC + DC on port 3") << "DCC + DC" << 3 << true;
    QTest::newRow("DC without a port") << "DC" << 0 << true;
    QTest::newRow("DCC on port 2") << "DCC" << 2 << true;
    QTest::newRow("no system yet") << "" << 0 << false;
  }
  void theRelayStackIsUsedOnlyWithDcOrABoxPort() {
    QFETCH(QString, system);
    QFETCH(int, port);
    QFETCH(bool, fires);
    Rig r(system, port);
    bool ended = false;
    QCOMPARE(RelayStack::WillWrite(r.Fire(12, [&]() { ended = true; })), fires);
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.board.Calls().isEmpty(), !fires);
    QCOMPARE(r.check.isEmpty(), !fires);
    QCOMPARE(ended, fires);
  }

  void aPulseAskedForDuringAnotherWaitsForItsEnd() {
    Rig r;
    QList<int> ended;
    connect(r.relay.get(), &RelayStack::pulseEnded, [&](int n) { ended << n; });
    QCOMPARE(r.Fire(6), Outcome::kStarted);
    r.t.scheduler.Advance(300);
    QCOMPARE(r.Fire(10), Outcome::kQueued);
    r.t.session.model.SolenoidNo = 40;  // the waiting pulse keeps the number it was asked with
    QCOMPARE(r.relay->Waiting(), 1);
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.board.Log(), (QStringList{"0 WriteAllDigital(6)", "1000 WriteAllDigital(7)",
                                         "1500 ClearAllDigital()", "1500 WriteAllDigital(10)",
                                         "2500 WriteAllDigital(11)", "3000 ClearAllDigital()"}));
    QCOMPARE(r.number, (QStringList{"0 6", "1000 7", "1500 0", "1500 10", "2500 11", "3000 0"}));
    QCOMPARE(ended, (QList<int>{6, 10}));
  }

  void aPulseAskedForWhenOneEndsQueuesBehindThoseWaiting() {
    Rig r;
    QStringList order;
    int repeats = 0;
    std::function<void()> again = [&]() {
      order << "repeat";
      if (++repeats < 2) r.Fire(20, again);
    };
    r.Fire(20, again);
    r.Fire(30, [&]() { order << "30"; });
    r.t.scheduler.Advance(10'000);
    QCOMPARE(order, (QStringList{"repeat", "30", "repeat"}));
    QCOMPARE(r.board.Log().filter("WriteAllDigital"),
             (QStringList{"0 WriteAllDigital(20)", "1000 WriteAllDigital(21)",
                          "1500 WriteAllDigital(30)", "2500 WriteAllDigital(31)",
                          "3000 WriteAllDigital(20)", "4000 WriteAllDigital(21)"}));
  }

  void solenoidsAbove254AreRefusedBeforeAnythingIsWritten() {
    Rig r;
    QCOMPARE(r.Fire(255), Outcome::kRefused);
    QVERIFY(r.board.Calls().isEmpty() && r.check.isEmpty());
    QCOMPARE(r.t.dialogs.Last().text,
             QStringLiteral("Solenoid 255 cannot be fired on the relay stack: its numbers run "
                            "from 0 to 254."));
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("relay stack"));
    QCOMPARE(r.Fire(254), Outcome::kStarted);
    r.t.scheduler.Advance(1000);
    QCOMPARE(r.board.Log(), (QStringList{"0 WriteAllDigital(254)", "1000 WriteAllDigital(255)"}));
  }

  void aRouteBeingWorkedKeepsTheFiringPattern() {
    Rig r;
    r.t.session.model.RouteList = QStringList{"12", "14"};
    r.Fire(12);
    r.t.scheduler.Advance(1500);
    QCOMPARE(r.board.Outputs().digital, std::uint8_t(13));
    QCOMPARE(r.check.last() + " " + r.number.last(), QStringLiteral("1500 0 1500 0"));
    r.t.session.model.RouteList.clear();
    r.Fire(14);
    r.t.scheduler.Advance(1500);
    QCOMPARE(r.board.Log(), (QStringList{"0 WriteAllDigital(12)", "1000 WriteAllDigital(13)",
                                         "1500 WriteAllDigital(14)", "2500 WriteAllDigital(15)",
                                         "3000 ClearAllDigital()"}));
  }

  void theDwellIsAWholeNumberOfMs_data() {
    QTest::addColumn<float>("dwell");
    QTest::addColumn<int>("selectMs");
    QTest::newRow("500") << 500.0f << 500;
    QTest::newRow("5000") << 5000.0f << 5000;
    QTest::newRow("a half goes to the even") << 1234.5f << 1234;
    QTest::newRow("above a half") << 1234.75f << 1235;
    QTest::newRow("0 would never end") << 0.0f << 1;
    QTest::newRow("unreadable") << std::numeric_limits<float>::quiet_NaN() << 1000;
  }
  void theDwellIsAWholeNumberOfMs() {
    QFETCH(float, dwell);
    QFETCH(int, selectMs);
    Rig r;
    r.t.session.model.DwellTime = dwell;
    r.Fire(2);
    r.t.scheduler.Advance(10'000);
    QCOMPARE(
        r.board.Log(),
        (QStringList{"0 WriteAllDigital(2)", QStringLiteral("%1 WriteAllDigital(3)").arg(selectMs),
                     QStringLiteral("%1 ClearAllDigital()").arg(selectMs + 500)}));
  }

  // The end of the program clears a pulse that runs, drops those waiting, and touches nothing
  // when none runs.
  void theEndOfTheProgramLeavesNoSolenoidPowered() {
    Rig r;
    r.Fire(6);
    r.Fire(8);
    r.t.scheduler.Advance(1200);
    r.relay.reset();
    QCOMPARE(r.board.Log(), (QStringList{"0 WriteAllDigital(6)", "1000 WriteAllDigital(7)",
                                         "1200 ClearAllDigital()"}));
    QCOMPARE(r.t.scheduler.PendingTasks(), 0);
    Rig idle;
    idle.relay.reset();
    QVERIFY(idle.board.Calls().isEmpty());
  }
};

KV_TEST_MAIN(RelayStackTest)
#include "test_relay_stack.moc"
