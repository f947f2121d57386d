#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "base/box_text.h"
#include "hardware/dcc_link.h"
#include "hardware/dcc_texts.h"
#include "layout/port_file.h"
#include "support/fake_dcc_line.h"
#include "support/test_session.h"

using kv::DccLink;
using kv::test::FakeDccPorts;
using kv::test::FakeLineLog;
using kv::test::TestSession;

namespace {

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

// A link over fake lines on the virtual clock, on "DCC" with a dwell of 0.4 s.
struct Rig {
  TestSession t;
  kv::LayoutModel& m = t.session.model;
  std::shared_ptr<FakeLineLog> log = std::make_shared<FakeLineLog>();
  FakeDccPorts* ports = nullptr;
  DccLink link{t.session};
  qint64 start = 0;

  Rig() {
    auto owned = std::make_unique<FakeDccPorts>(t.scheduler, log);
    ports = owned.get();
    link.SetPorts(std::move(owned));
    m.ControlSystem = QStringLiteral("DCC");
    m.DwellTime = 0.4f;
  }
  // Opens port 1 with a box that answers; times are then counted from there.
  void Connect() {
    m.BoxPort = 1;
    link.OpenDccBox();
    if (!link.Online()) qFatal("the fake box did not answer");
    log->writes.clear();
    t.dialogs.ClearTranscript();
    start = t.scheduler.NowMs();
  }
  QList<qint64> Times() const {
    QList<qint64> out;
    for (qint64 at : log->Times()) out << at - start;
    return out;
  }
  bool Throw(int solenoid, const QString& pointSide) {
    m.PointSide = pointSide;
    return link.ThrowSolenoidDcc(solenoid);
  }
};

}  // namespace

class DccLinkTest : public QObject {
  Q_OBJECT

 private slots:
  // Off-line: nothing is opened or written, yet loco messages are still composed.
  void offLineNothingReachesAnyPort() {
    Rig r;
    r.link.ReadPortFile();
    QCOMPARE(r.m.BoxPort, std::uint8_t(0));
    r.t.dialogs.QueueText("0");
    r.link.OpenDccBox();
    QCOMPARE(r.t.dialogs.Transcript().size(), 1);
    const kv::DialogRecord& prompt = r.t.dialogs.Last();
    QCOMPARE(prompt.title, QStringLiteral("DCC Box disconnected"));
    const QString gap(40, ' ');  // the box shows each part on a line of its own
    QCOMPARE(prompt.text, "use zero for offline operation" + gap + "u.s.b. port connected below" +
                              gap + "1 = /dev/fake0" + gap + "2 = /dev/fake1");
    QCOMPARE(prompt.defaultText, QStringLiteral("0"));
    QCOMPARE(r.t.Read(kv::kPortFile), QByteArray("0\r\n"));
    QVERIFY(!r.link.Online());

    QVERIFY(!r.Throw(12, "12L"));
    QCOMPARE(r.m.LastMsgText, QStringLiteral("Li101F modem OFF"));
    r.link.SendLocoSpeed({0xC4, 0xD2}, 0x80);
    QCOMPARE(r.link.DccMsg(), (kv::xpressnet::Buffer{0xE4, 0x12, 0xC4, 0xD2, 0x80, 0x60, 0}));
    r.t.scheduler.Advance(10'000);
    QVERIFY(r.log->opened.isEmpty());
    QVERIFY(r.log->writes.isEmpty());
  }

  // The version request after a settling second; the first answer byte within 500 ms is the box.
  void handshakeTakesALateAnswer_data() {
    QTest::addColumn<int>("answerAfter");
    QTest::addColumn<bool>("found");
    QTest::newRow("FTDI latency") << 16 << true;
    QTest::newRow("slow box") << 120 << true;
    QTest::newRow("just in time") << 500 << true;
    QTest::newRow("too late") << 501 << false;
  }
  void handshakeTakesALateAnswer() {
    QFETCH(int, answerAfter);
    QFETCH(bool, found);
    Rig r;
    r.log->answerAfterMs = answerAfter;
    r.t.Write(kv::kPortFile, "1\r\n");
    r.link.ReadPortFile();
    if (!found) r.t.dialogs.QueueText("0");
    r.link.OpenDccBox();
    QCOMPARE(r.log->opened, QStringList{"/dev/fake0"});
    QCOMPARE(r.log->Bytes(), QList<QByteArray>{Hex("F0F0")});
    QCOMPARE(r.log->Times(), QList<qint64>{1000});
    QCOMPARE(r.link.Online(), found);
    const kv::DialogRecord& shown = r.t.dialogs.Last();
    if (found) {
      QCOMPARE(r.t.scheduler.NowMs(), 1000 + answerAfter);
      QCOMPARE(shown.text, QStringLiteral("DCC box connected on Port 1"));
      QCOMPARE(shown.title, QStringLiteral("Kelvarne DCC"));
      QCOMPARE(shown.style, kv::msg::kInformation);
      QCOMPARE(r.t.dialogs.Transcript().size(), 1);
    } else {
      QCOMPARE(r.t.scheduler.NowMs(), 1500);
      QCOMPARE(shown.title, QStringLiteral("DCC Box disconnected"));
      QCOMPARE(shown.defaultText, QStringLiteral("1"));
    }
  }

  // A silent box: a wrong answer is explained, a new number saved and tried, 0 ends it.
  void silentBoxAsksUntilZero() {
    Rig r;
    r.log->answers = false;
    r.m.BoxPort = 1;
    r.t.dialogs.QueueText("COM3");
    r.t.dialogs.QueueText("2");
    r.t.dialogs.QueueText("0");
    QStringList portFileAtEachPrompt;
    r.t.dialogs.onShow = [&](const kv::DialogRecord&) {
      portFileAtEachPrompt << QString::fromLatin1(r.t.Read(kv::kPortFile));
    };
    r.link.OpenDccBox();
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             (QStringList{"DCC Box disconnected", "DCC Box disconnected", "DCC Box disconnected",
                          "DCC Box disconnected"}));
    const auto& ts = r.t.dialogs.Transcript();
    QCOMPARE(ts.at(1).kind, kv::DialogRecord::kMessage);
    QCOMPARE(ts.at(1).text, QStringLiteral("\"COM3\" is not a port number: type a number from 0 to "
                                           "255 (0 for offline operation)."));
    QCOMPARE(ts.at(2).defaultText, QStringLiteral("1"));  // the wrong answer changed nothing
    QCOMPARE(ts.at(3).defaultText, QStringLiteral("2"));
    QCOMPARE(portFileAtEachPrompt, (QStringList{"", "", "", "2\r\n"}));
    QCOMPARE(r.log->opened, (QStringList{"/dev/fake0", "/dev/fake1"}));
    QCOMPARE(r.log->Bytes(), (QList<QByteArray>{Hex("F0F0"), Hex("F0F0")}));
    QCOMPARE(r.m.BoxPort, std::uint8_t(0));
    QCOMPARE(r.t.Read(kv::kPortFile), QByteArray("0\r\n"));
    QVERIFY(!r.link.Online());
    QCOMPARE(r.t.dialogs.Unscripted(), 0);
  }

  // Cancel: off-line for this run; BoxPort (the relay stack's on "DCC + DC") and port.txt keep it.
  void cancelIsOffLineForThisRunOnly() {
    Rig r;
    r.log->answers = false;
    r.t.Write(kv::kPortFile, "3\r\n");
    r.link.ReadPortFile();
    r.link.OpenDccBox();  // the scripted prompt answers Cancel
    QCOMPARE(r.t.dialogs.Transcript().size(), 1);
    QCOMPARE(r.m.BoxPort, std::uint8_t(3));
    QCOMPARE(r.t.Read(kv::kPortFile), QByteArray("3\r\n"));
    QVERIFY(!r.link.Online());
  }

  void aPortThatCannotBeKeptStillHoldsForTheRun() {
    Rig r;
    r.t.Write(kv::kPortFile, "0\r\n");
    QFile::setPermissions(r.t.Path(kv::kPortFile), QFile::ReadOwner);
    r.link.ReadPortFile();
    r.t.dialogs.QueueText("2");
    r.link.OpenDccBox();
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             (QStringList{"DCC Box disconnected", "Kelvarne-3D software", "Kelvarne DCC"}));
    QVERIFY(r.t.dialogs.Transcript().at(1).text.startsWith(
        "The choice holds for this run, but could not be kept for the next: "));
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("DCC box connected on Port 2"));
    QVERIFY(r.link.Online());
    QCOMPARE(r.log->opened, QStringList{"/dev/fake1"});
    QCOMPARE(r.t.Read(kv::kPortFile), QByteArray("0\r\n"));
  }

  void portAnswers_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("port");  // -1: not a port number; halves go to the even number
    const std::pair<const char*, int> rows[] = {
        {"0", 0},     {"3", 3},       {"  7 ", 7},          {"2.5", 2},  {"3.5", 4},
        {"255", 255}, {"255.4", 255}, {"255.5", -1},        {"256", -1}, {"-1", -1},
        {"-0.4", 0},  {"COM1", -1},   {"/dev/ttyUSB0", -1}, {"3,0", -1}, {"   ", -1}};
    for (const auto& [answer, port] : rows) QTest::newRow(answer) << QString(answer) << port;
  }
  void portAnswers() {
    QFETCH(QString, answer);
    const auto parsed = kv::ParsePortAnswer(answer);
    QTEST(parsed.has_value() ? int(*parsed) : -1, "port");
  }

  // 0.2 to 2 s, at least 100 ms, unreadable 1 s; on the relay stack in ms already.
  void pulseFollowsTheDwell_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<float>("dwell");
    QTest::addColumn<int>("pulse");
    const std::tuple<const char*, float, int> rows[] = {
        {"DCC", 0.2f, 200},  {"DCC", 1.0f, 1000}, {"DCC", 2.0f, 2000},        {"DCC", 0.02f, 100},
        {"DCC", 3.0f, 2000}, {"DCC", NAN, 1000},  {"DCC + DC", 1000.0f, 1000}};
    for (const auto& [system, dwell, pulse] : rows) {
      QTest::addRow("%s %g", system, double(dwell)) << QString(system) << dwell << pulse;
    }
  }
  void pulseFollowsTheDwell() {
    QFETCH(QString, system);
    QFETCH(float, dwell);
    QTEST(kv::AccessoryPulseMs(system, dwell), "pulse");
  }

  // On, the pulse, off, the settling time; later throws wait their turn with their own side.
  void throwsQueueBehindTheRunningOne() {
    Rig r;
    r.Connect();
    QVERIFY(r.Throw(0, "0L"));
    r.t.scheduler.Advance(100);
    r.Throw(5, "5R");
    r.m.DwellTime = 1.0f;  // taken by the throw asked for after it
    r.Throw(255, "R");
    r.t.scheduler.Advance(2300 + kv::AccessoryPulses::kSettleMs - 1 - 100);
    QVERIFY(r.link.Busy());
    r.t.scheduler.Advance(1);
    QVERIFY(!r.link.Busy());
    QCOMPARE(r.log->Bytes(),
             (QList<QByteArray>{Hex("520188DB"), Hex("520180D3"), Hex("52028BDB"), Hex("520283D3"),
                                Hex("52408F9D"), Hex("52408795")}));
    // 0: on at 0, off at 400; 5 waits for 0 to settle (650), off at 1050; 255 from 1300 for 1 s.
    QCOMPARE(r.Times(), (QList<qint64>{0, 400, 650, 1050, 1300, 2300}));
  }

  // Pulled out mid-throw: nothing more is written, the waiting throw is dropped, the modem off.
  void aPulledAdapterTurnsTheModemOff_data() {
    QTest::addColumn<bool>("told");
    QTest::newRow("the port tells") << true;
    QTest::newRow("a write fails") << false;
  }
  void aPulledAdapterTurnsTheModemOff() {
    QFETCH(bool, told);
    Rig r;
    r.Connect();
    QSignalSpy lost(&r.link, &DccLink::linkLost);
    r.Throw(0, "0L");
    r.link.ThrowSolenoidDcc(1);
    r.t.scheduler.Advance(100);
    r.ports->Last()->Unplug(told);
    r.t.scheduler.Advance(told ? 0 : 300);  // untold, the off frame's write finds it out
    QCOMPARE(lost.count(), 1);
    QVERIFY(!r.link.Online());
    QVERIFY(!r.link.Busy());
    r.t.scheduler.Advance(5'000);
    QCOMPARE(r.log->Bytes(), QList<QByteArray>{Hex("520188DB")});
    QVERIFY(!r.link.ThrowSolenoidDcc(0));
    r.link.SendLocoSpeed({0, 3}, 0x80);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(r.m.LastMsgText, QStringLiteral("Li101F modem OFF"));
    QCOMPARE(r.link.ShowModemStatus().captionTail, QStringLiteral("   modem OFF"));
    QCOMPARE(r.m.BoxPort, std::uint8_t(1));  // the next start tries it again
  }

  // Each message goes out as its own bytes; the caption shows six of the buffer's.
  void messagesGoOutWithoutTheBuffersTail() {
    Rig r;
    r.Connect();
    QCOMPARE(r.link.DccMsg(), (kv::xpressnet::Buffer{0xF0, 0xF0, 0, 0, 0, 0, 0}));
    r.link.SendDoubleHeader({0xC4, 0xD2}, {0xD1, 0xD7});
    r.link.SendFunctionGroup(0x20, {0x00, 0x03}, 0x10);
    r.Throw(0, "L");
    QCOMPARE(r.log->Bytes(),
             (QList<QByteArray>{Hex("E543C4D2D1D7B6"), Hex("E420000310D7"), Hex("520188DB")}));
    r.link.FormatLastMessage();
    QCOMPARE(r.m.LastMsgText, QStringLiteral("82 1 136 219 16 215"));
  }

  // The pause counts on the monotonic clock; what falls due meanwhile runs inside it.
  void pauseAcrossMidnightEndsAfterItsLength() {
    Rig r;
    r.t.scheduler.SetWallClock(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 700)));
    const qint64 start = r.t.scheduler.NowMs();
    qint64 tickAt = -1;
    r.t.scheduler.After(200, [&]() { tickAt = r.t.scheduler.NowMs() - start; });
    r.link.Pause(0.5);
    QCOMPARE(r.t.scheduler.NowMs() - start, 500);
    QCOMPARE(tickAt, 200);
    QCOMPARE(r.t.scheduler.WallClock(), QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0, 200)));
    r.link.Pause(0.005);
    QCOMPARE(r.t.scheduler.NowMs() - start, 505);
    r.link.Pause(-1);
    QCOMPARE(r.t.scheduler.NowMs() - start, 505);
  }

  // USB adapters first, each kind in numeric order; the prompt shows one port a line.
  void portsAreNumberedUsbFirst() {
    const QStringList ordered =
        kv::OrderSerialDevices({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyS0", "/dev/ttyACM0",
                                "/dev/ttyUSB2", "/dev/ttyAMA0", "/dev/ttyUSB0", "/dev/ttyUSB2"});
    QCOMPARE(ordered, (QStringList{"/dev/ttyUSB0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0",
                                   "/dev/ttyAMA0", "/dev/ttyS0", "/dev/ttyS1"}));
    QCOMPARE(kv::OrderSerialDevices(
                 {"/dev/tty.usbserial-A1", "/dev/cu.Bluetooth", "/dev/cu.usbserial-A1"}),
             (QStringList{"/dev/cu.usbserial-A1", "/dev/cu.Bluetooth"}));
    const QStringList numbering = kv::NumberingOf(ordered.mid(0, 2));
    QCOMPARE(numbering, (QStringList{"1 = /dev/ttyUSB0", "2 = /dev/ttyUSB2"}));
    QCOMPARE(kv::BoxText(kv::texts::BoxPortPrompt(numbering)),
             QStringLiteral("use zero for offline operation\nu.s.b. port connected below\n"
                            "1 = /dev/ttyUSB0\n2 = /dev/ttyUSB2"));
    kv::SystemDccPorts system;
    QCOMPARE(system.DeviceName(0), QString());
    QCOMPARE(system.DeviceName(256), QString());
    QVERIFY(!system.Numbering().isEmpty());
#ifndef Q_OS_WIN
    // A device the system does not list (the simulator's terminal) comes first.
    kv::SystemDccPorts withTerminal({"/dev/pts/7"});
    QCOMPARE(withTerminal.DeviceName(1), QStringLiteral("/dev/pts/7"));
    QCOMPARE(withTerminal.Numbering().first(), QStringLiteral("1 = /dev/pts/7"));
#endif
  }

  // Persistent names first, in their own order; one whose adapter has gone is no port.
  void persistentNamesComeFirstInTheirOrder() {
    const QString a = "/dev/serial/by-id/usb-A", b = "/dev/serial/by-id/usb-B";
    QCOMPARE(kv::StableSerialOrder(
                 {{b, "/dev/ttyUSB0"}, {"/dev/serial/by-id/usb-0", ""}, {a, "/dev/ttyUSB1"}},
                 {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyUSB0"}),
             (QStringList{a, b, "/dev/ttyS0"}));
  }

  // A port number opens the device it meant, or asks when that is gone.
  void thePortNumberLeadsToTheDeviceItMeant() {
    for (const QString meant : {"/dev/fake1", "/dev/fake7"}) {
      Rig r;
      r.t.Write(kv::kPortFile, "1\r\n");
      r.t.Write(kv::kPortDeviceFile, '"' + meant.toLatin1() + "\"\r\n");
      r.link.ReadPortFile();
      r.t.dialogs.QueueText("2");
      r.link.OpenDccBox();
      QCOMPARE(r.log->opened, QStringList{"/dev/fake1"});
      QCOMPARE(r.t.dialogs.Transcript().first().text.startsWith(
                   kv::texts::BoxPortPrompt({kv::texts::BoxDeviceGone(meant)})),
               meant.endsWith('7'));
      if (meant.endsWith('7')) QCOMPARE(r.t.dialogs.Transcript().first().defaultText, "0");
      QCOMPARE(r.t.Read(kv::kPortDeviceFile), QByteArray("\"/dev/fake1\"\r\n"));
      QCOMPARE(r.t.Read(kv::kPortFile), QByteArray("2\r\n"));  // the number it has now
    }
  }
};

KV_TEST_MAIN(DccLinkTest)
#include "test_dcc_link.moc"
