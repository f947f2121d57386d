#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "dcc_box_simulator.h"
#include "hardware/dcc_link.h"
#include "hardware/hardware_monitor.h"
#include "hardware/no_board.h"
#include "support/test_session.h"

using kv::DccBoxSimulator;
using kv::DccLink;

namespace {

QByteArray Hex(const char* text) {
  return QByteArray::fromHex(text);
}

// Port n is the n-th pseudo-terminal given, opened as the program opens a real serial port.
class PtyPorts final : public kv::DccPorts {
 public:
  explicit PtyPorts(QStringList devices) : devices_(std::move(devices)) {}
  QString DeviceName(int n) const override {
    return n >= 1 && n <= devices_.size() ? devices_.at(n - 1) : QString();
  }
  QStringList Numbering() const override { return kv::NumberingOf(devices_); }
  std::unique_ptr<QIODevice> Open(const QString& device) override {
    return kv::OpenSerialLine(device);
  }

 private:
  QStringList devices_;
};

// The real link, time and pseudo-terminal on port 1 to the simulated box: times in order only.
struct Rig {
  explicit Rig(DccBoxSimulator::Options options = {}) : box(options) {
    QString error;
    if (!box.Open(&error)) qFatal("%s", qPrintable(error));
    link.SetPorts(std::make_unique<PtyPorts>(QStringList{box.DevicePath()}));
    session.model.ControlSystem = QStringLiteral("DCC");
    session.model.DwellTime = 0.2f;
    session.model.BoxPort = 1;
  }
  bool WaitForFrames(int count) {
    return scheduler.WaitFor(4000, [&]() { return box.Frames().size() >= count; });
  }
  QList<QByteArray> Bytes() const {
    QList<QByteArray> out;
    for (const auto& f : box.Frames()) out << f.bytes;
    return out;
  }

  kv::test::TestSession t;  // the program folder and the dialogs
  kv::RealScheduler scheduler;
  kv::Session session{t.session.folder, t.dialogs, scheduler};
  DccBoxSimulator box;
  DccLink link{session};
};

}  // namespace

class DccBoxIntegrationTest : public QObject {
  Q_OBJECT

 private slots:
  // The box is found after the settling second.
  void theBoxIsFoundAndEveryFrameArrivesWhole() {
    Rig r;
    QElapsedTimer clock;
    clock.start();
    r.link.OpenDccBox();
    const qint64 took = clock.elapsed();
    QVERIFY(r.link.Online());
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("DCC box connected on Port 1"));
    QVERIFY2(took >= 1000 && took < 3000, qPrintable(QString::number(took)));
    r.link.SendDoubleHeader({0xC4, 0xD2}, {0xD1, 0xD7});
    r.link.SendFunctionGroup(0x20, {0x00, 0x03}, 0x10);
    r.link.SendLocoSpeed({0xC4, 0xD2}, 0x82);
    r.session.model.PointSide = "0L";
    QVERIFY(r.link.ThrowSolenoidDcc(0));
    r.session.model.PointSide = "5R";
    QVERIFY(r.link.ThrowSolenoidDcc(5));
    QVERIFY(r.WaitForFrames(8));
    r.scheduler.WaitFor(2 * DccBoxSimulator::kFrameTimeoutMs);  // a frame cut short shows
    QCOMPARE(r.Bytes(), (QList<QByteArray>{Hex("F0F0"), Hex("E543C4D2D1D7B6"), Hex("E420000310D7"),
                                           Hex("E412C4D28262"), Hex("520188DB"), Hex("520180D3"),
                                           Hex("52028BDB"), Hex("520283D3")}));
    const auto& f = r.box.Frames();
    const double pulse = f.at(5).atMs - f.at(4).atMs, settle = f.at(6).atMs - f.at(5).atMs;
    qInfo("measured: pulse %.2f ms, settling %.2f ms (chosen: 200, %d)", pulse, settle,
          kv::AccessoryPulses::kSettleMs);
    QVERIFY2(pulse > 100 && pulse < 1000, qPrintable(QString::number(pulse)));
    QVERIFY2(settle > kv::AccessoryPulses::kSettleMs / 2 && settle < 1000,
             qPrintable(QString::number(settle)));
  }

  void anAdapterPulledOutTurnsTheModemOff() {
    Rig r;
    r.link.OpenDccBox();
    QVERIFY(r.link.Online());
    QSignalSpy lost(&r.link, &DccLink::linkLost);
    r.session.model.PointSide = "0L";
    r.link.ThrowSolenoidDcc(0);
    QVERIFY(r.WaitForFrames(2));
    r.box.Unplug();
    QVERIFY(lost.wait(2000));
    QVERIFY(!r.link.Online());
    QVERIFY(!r.link.Busy());
    QCOMPARE(r.link.ShowModemStatus().captionTail, QStringLiteral("   modem OFF"));
    r.scheduler.WaitFor(300);  // the off frame's time passes; nothing falls over
    QCOMPARE(lost.count(), 1);
  }

  // A bad line or a failing box: no message waits on an answer or goes twice, each reaches the
  // box whole while it is there, and the monitor and the caption tell what came back.
  void faultsAreToldAsTheyAre_data() {
    QTest::addColumn<int>("dropEvery");
    QTest::addColumn<bool>("badCheck");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<int>("vanishAt");
    QTest::addColumn<QStringList>("answers");  // as the monitor shows them
    QTest::addColumn<int>("frames");           // received by the box
    const QString version = "02 10 36 24 interface version: hardware 1.0, software 3.6";
    const QString sent = "01 04 05 command sent";
    const QString spoilt = "01 04 5F bad check byte 5F, should be 05";
    QTest::newRow("answers lost") << 2 << false << 0 << 0 << QStringList{version, sent} << 4;
    QTest::newRow("check bytes wrong")
        << 0 << true << 0 << 0
        << QStringList{"02 10 36 7E bad check byte 7E, should be 24", spoilt, spoilt, spoilt} << 4;
    QTest::newRow("answers late") << 0 << false << 300 << 0
                                  << QStringList{version, sent, sent, sent} << 4;
    // The byte sent as it went is lost with the line: nothing half-read is shown as an answer.
    QTest::newRow("gone mid-answer") << 0 << false << 0 << 3 << QStringList{version, sent} << 3;
  }
  void faultsAreToldAsTheyAre() {
    QFETCH(int, dropEvery);
    QFETCH(bool, badCheck);
    QFETCH(int, delayMs);
    QFETCH(int, vanishAt);
    QFETCH(QStringList, answers);
    QFETCH(int, frames);
    Rig r({false, delayMs, dropEvery, badCheck, vanishAt});
    kv::NoBoard board;
    kv::HardwareMonitor monitor(r.session, r.link, board);
    QSignalSpy lost(&r.link, &DccLink::linkLost);
    r.link.OpenDccBox();
    QVERIFY(r.link.Online());
    for (int n = 0; n < 3; ++n) {
      QElapsedTimer clock;
      clock.start();
      if (n == 0) r.link.SendLocoSpeed({0xC4, 0xD2}, 0x82);
      if (n == 1) r.link.SendFunctionGroup(0x20, {0x00, 0x03}, 0x10);
      if (n == 2) r.link.SendDoubleHeader({0xC4, 0xD2}, {0xD1, 0xD7});
      QVERIFY2(clock.elapsed() < 50, "a send waits on nothing");
      r.scheduler.WaitFor(1000,
                          [&]() { return r.box.Frames().size() >= n + 2 || !lost.isEmpty(); });
    }
    r.scheduler.WaitFor(delayMs + 300);  // the late answers come in
    const QList<QByteArray> all{Hex("F0F0"), Hex("E412C4D28262"), Hex("E420000310D7"),
                                Hex("E543C4D2D1D7B6")};
    QCOMPARE(r.Bytes(), all.mid(0, frames));
    QStringList shown;
    for (const auto& e : monitor.Entries()) {
      if (e.kind == kv::MonitorEntry::Kind::kFromBox)
        shown << kv::xpressnet::Hex(e.bytes) + " " + e.text;
    }
    QCOMPARE(shown, answers);
    QCOMPARE(r.link.Online(), vanishAt == 0);
    QCOMPARE(lost.count(), vanishAt == 0 ? 0 : 1);
    QCOMPARE(r.link.ShowModemStatus().captionTail,
             vanishAt == 0 ? QStringLiteral("   modem ON") : QStringLiteral("   modem OFF"));
  }

  // The simulator killed mid-throw: the port's error turns the link off before the off frame.
  void theBoxGoingAwayMidThrowTurnsTheModemOff() {
#ifndef KV_DCC_SIMULATOR
    QSKIP("the simulator program needs pseudo-terminals");
#else
    QProcess sim;
    QByteArray out;
    connect(&sim, &QProcess::readyReadStandardOutput, &sim,
            [&]() { out += sim.readAllStandardOutput(); });
    sim.start(QStringLiteral(KV_DCC_SIMULATOR), {});
    Rig r;
    QVERIFY(r.scheduler.WaitFor(5000, [&]() { return out.contains('\n'); }));
    r.link.SetPorts(std::make_unique<PtyPorts>(QStringList{out.left(out.indexOf('\n'))}));
    r.link.OpenDccBox();
    QSignalSpy lost(&r.link, &DccLink::linkLost);
    r.session.model.DwellTime = 2.0f;
    r.session.model.PointSide = "0L";
    QVERIFY(r.link.ThrowSolenoidDcc(0));
    QVERIFY(r.scheduler.WaitFor(3000, [&]() { return out.contains("0 L on"); }));
    sim.kill();
    QVERIFY(lost.wait(1800));
    QCOMPARE(r.link.ShowModemStatus().captionTail, QStringLiteral("   modem OFF"));
    r.scheduler.WaitFor(2500);  // past the off frame's time: no frame was composed
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.link.DccMsg().data()), 4), Hex("520188DB"));
#endif
  }
};

KV_TEST_MAIN(DccBoxIntegrationTest)
#include "test_dcc_box_integration.moc"
