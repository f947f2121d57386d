#include <QDir>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QShortcut>
#include <QTest>

#include "hardware/dcc_link.h"
#include "hardware/hardware_monitor.h"
#include "hardware/no_board.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/lamp.h"
#include "hardware/ui/monitor_lines.h"
#include "hardware/ui/monitor_window.h"
#include "layout/atomic_file.h"
#include "support/fake_dcc_line.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::HardwareMonitor;
using kv::test::Find;

namespace {

template <typename Board>
std::unique_ptr<Board> MakeBoard(kv::Scheduler& scheduler) {
  if constexpr (std::is_constructible_v<Board, kv::Scheduler&>) {
    return std::make_unique<Board>(scheduler);
  } else {
    return std::make_unique<Board>();
  }
}

// The monitor over a link on fake lines and a board, both on the virtual clock.
template <typename Board>
struct Rig {
  kv::test::TestSession t;
  kv::LayoutModel& m = t.session.model;
  std::shared_ptr<kv::test::FakeLineLog> log = std::make_shared<kv::test::FakeLineLog>();
  kv::DccLink link{t.session};
  std::unique_ptr<Board> owned = MakeBoard<Board>(t.scheduler);
  Board& board = *owned;
  HardwareMonitor monitor{t.session, link, board};

  Rig() {
    link.SetPorts(std::make_unique<kv::test::FakeDccPorts>(t.scheduler, log));
    m.ControlSystem = QStringLiteral("DCC + DC");
    m.DwellTime = 1000;
  }
  QStringList Lines() const {
    QStringList lines;
    for (const kv::MonitorEntry& e : monitor.Entries()) lines << HardwareMonitor::Line(e);
    return lines;
  }
};

}  // namespace

class HardwareMonitorTest : public QObject {
  Q_OBJECT

 private slots:
  // With no box and no board: what would have been sent, the board's changes adding up.
  void offLineShowsWhatWouldHaveBeenSent() {
    Rig<kv::NoBoard> r;
    r.m.ControlSystem = QStringLiteral("DC");
    r.m.PointSide = QStringLiteral("7R");
    QVERIFY(!r.link.ThrowSolenoidDcc(7));
    QCOMPARE(r.m.LastMsgText, QStringLiteral("Li101F modem OFF"));
    kv::RelayStack relay(r.t.session, r.board);
    r.m.SolenoidNo = 12;
    QCOMPARE(relay.FireRelayStack(), kv::RelayStack::Outcome::kStarted);
    r.board.OutputAnalogChannel(1, 30);
    r.board.OutputAnalogChannel(2, 45);
    r.t.scheduler.RunUntilIdle();
    QCOMPARE(r.Lines(),
             (QStringList{
                 "   0.000 s  not sent  52 02 8F DF              accessory 7 R on",
                 "   0.000 s  not sent  52 02 87 D7              accessory 7 R off",
                 "   0.000 s  no board  05 0C 00 00 00 00 00 00  outputs 12: solenoid 12 selected",
                 "   0.000 s  no board  05 0C 1E 00 00 00 00 00  PWM 1: 30",
                 "   0.000 s  no board  05 0C 1E 2D 00 00 00 00  PWM 2: 45",
                 "   1.000 s  no board  05 0D 1E 2D 00 00 00 00  outputs 13: solenoid 12 firing",
                 "   1.500 s  no board  05 00 1E 2D 00 00 00 00  outputs off"}));
    QCOMPARE(r.monitor.ModemState(), QStringLiteral("DCC box: not used on \"DC\""));
    QCOMPARE(r.monitor.BoardState(),
             QStringLiteral("USB board: none; outputs are shown as they would have been set"));
  }

  // 200 frames are kept, and as many board changes: neither pushes the other out.
  void keepsTheNewestOfEachKind() {
    Rig<kv::NoBoard> r;
    r.board.WriteAllDigital(6);
    for (int i = 0; i < HardwareMonitor::kKeptFrames + 50; ++i) {
      r.link.SendLocoSpeed({0, 3}, static_cast<std::uint8_t>(i % 2 ? 0x82 : 0x80));
    }
    r.board.WriteAllDigital(0);
    QCOMPARE(r.monitor.Entries().size(), std::size_t(HardwareMonitor::kKeptFrames + 2));
    const auto& kept = r.monitor.Entries();
    QCOMPARE(QStringList({kept.front().text, kept.at(1).text, kept.at(2).text, kept.back().text}),
             QStringList({"outputs 6: solenoid 6 selected", "loco 3 speed stop forward",
                          "loco 3 speed step 1 forward", "outputs off"}));
  }

  // The window: lamps and the number they form, inputs read while shown, the log saved.
  void windowShowsTheBoardAndSavesTheLog() {
    Rig<kv::RecordingBoard> r;
    r.m.ControlSystem = QStringLiteral("DC");
    QCOMPARE(r.board.OpenDevice(0), 0);
    r.board.SetInputs({0b10101, 0, 12, 200, 0, 0});
    kv::MonitorWindow window(r.t.session, r.monitor);
    window.show();
    QVERIFY(window.InputPoll().Running());
    r.board.WriteAllDigital(13);
    r.board.OutputAnalogChannel(2, 210);
    QStringList lit;
    for (int i = 1; i <= 8; ++i) {
      if (Find<kv::Lamp>(&window, QStringLiteral("lampOutput_%1").arg(i))->Lit())
        lit << QString::number(i);
    }
    QCOMPARE(lit, (QStringList{"1", "3", "4"}));
    QCOMPARE(Find<QLabel>(&window, "lblSolenoid")->text(),
             QStringLiteral("outputs 13: solenoid 12 firing"));
    QCOMPARE(Find<QProgressBar>(&window, "barPwm_2")->text(), QStringLiteral("PWM 2: 210"));
    r.t.scheduler.Advance(kv::MonitorWindow::kInputPollMs);
    // The list catches up with the monitor at most every 250 ms, whatever comes in between.
    QCOMPARE(window.lines().rowCount(), 0);
    r.t.scheduler.Advance(kv::MonitorLines::kRefreshMs - kv::MonitorWindow::kInputPollMs);
    QCOMPARE(window.lines().rowCount(), 2);
    QVERIFY(Find<kv::Lamp>(&window, "lampInput_3")->Lit() &&
            !Find<kv::Lamp>(&window, "lampInput_2")->Lit());
    QCOMPARE(Find<QProgressBar>(&window, "barAnalog_2")->text(), QStringLiteral("analogue 2: 200"));
    window.hide();
    QVERIFY(!window.InputPoll().Running());

    const QString path = r.t.dir.filePath("log.txt");
    r.t.dialogs.QueueText(path);
    window.cmdSaveLog_Click();
    QCOMPARE(r.t.dialogs.Last().defaultText, QDir::homePath() + "/hardware log.txt");
    QByteArray saved;
    QVERIFY(kv::ReadWholeFile(path, &saved));
    QCOMPARE(QString::fromUtf8(saved),
             QStringLiteral(
                 "Kelvarne hardware monitor, 2026-12-05T09:41:00\n"
                 "DCC box: not used on \"DC\"\n"
                 "USB board: connected\n"
                 "outputs 13: solenoid 12 firing; PWM 1: 0; PWM 2: 210\n"
                 "inputs 1-5: 10101, analogue 1: 12, analogue 2: 200\n"
                 "\n"
                 "   0.000 s  board     05 0D 00 00 00 00 00 00  outputs 13: solenoid 12 firing\n"
                 "   0.000 s  board     05 0D 00 D2 00 00 00 00  PWM 2: 210\n"));
    r.t.dialogs.QueueText(r.t.dir.filePath("no such folder/log.txt"));
    window.cmdSaveLog_Click();
    QVERIFY(r.t.dialogs.Last().text.startsWith("The hardware log was not saved: "));
  }

  void f9ShowsTheWindow() {
    kv::test::TestSession t;
    kv::DccLink link(t.session);
    kv::NoBoard board;
    QWidget main;
    main.setGeometry(0, 0, 1280, 800);
    main.show();
    kv::MonitorHost host(t.session, &main, link, board);
    QVERIFY(!host.monitorWindow());
    auto* key = Find<QShortcut>(&main, "keyMonitorWindow");
    QCOMPARE(key->key(), QKeySequence(Qt::Key_F9));
    emit key->activated();
    QVERIFY(host.monitorWindow() && host.monitorWindow()->isVisible());
    QCOMPARE(Find<QListView>(host.monitorWindow(), "lstMonitor")->model(),
             &host.monitorWindow()->lines());
    // The first time in the main window's lower right corner, clear of its toolbars.
    QCOMPARE(host.monitorWindow()->frameGeometry().bottomRight(), main.geometry().bottomRight());
  }
};

KV_TEST_MAIN(HardwareMonitorTest)
#include "test_hardware_monitor.moc"
