#include <QTest>

#include "hardware/dcc_link.h"
#include "hardware/loco_control.h"
#include "support/fake_dcc_line.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::LocoControl;
using Button = kv::LocoControl::Button;

namespace {

// Four locos, F2 momentary, the rest latching, through a link to a fake box on the virtual clock.
struct Rig {
  kv::test::TestSession t;
  std::shared_ptr<kv::test::FakeLineLog> log = std::make_shared<kv::test::FakeLineLog>();
  kv::DccLink link{t.session};
  LocoControl loco{t.session, link};
  qint64 start = 0;

  Rig() {
    kv::test::UseLayout(t);
    kv::test::WriteLayoutFile(t, "loco.txt",
                              "\"1234\",\"1234\"\r\n\"4567\",\"4567\"\r\n\"0100\",\"D100\"\r\n"
                              "\"0099\",\"E99\"\r\n");
    QByteArray functions;
    for (int f = 0; f < 13; ++f)
      functions += "\"F" + QByteArray::number(f) + "   OFF\"," + (f == 2 ? "0" : "-1") + "\r\n";
    kv::test::WriteLayoutFile(t, "function.txt", functions);
    link.SetPorts(std::make_unique<kv::test::FakeDccPorts>(t.scheduler, log));
    t.session.model.BoxPort = 1;
    link.OpenDccBox();
    loco.LoadLocoList();
    loco.LoadFunctionNames();
    log->writes.clear();
    t.dialogs.ClearTranscript();
    start = t.scheduler.NowMs();
  }
  int Index(const QString& chip) const {
    for (int i = 0; i < loco.LocoCount(); ++i)
      if (loco.Loco(i).chip == chip) return i;
    return -1;
  }
  void Drive(const QString& chip) { QVERIFY(loco.SelectTrainEngine(Index(chip))); }
  void Click(int f) {
    loco.FunctionPress(f);
    loco.FunctionRelease(f);
  }
  // Every frame sent so far as "ms hex", then forgotten.
  QStringList Frames() {
    t.scheduler.RunUntilIdle();
    QStringList out;
    for (const auto& w : log->writes)
      out << QString::number(w.atMs - start) + ' ' + w.bytes.toHex(' ');
    log->writes.clear();
    return out;
  }
};

}  // namespace

class LocoControlTest : public QObject {
  Q_OBJECT

 private slots:
  void speedAndDirection() {
    Rig r;
    r.Drive("1234");
    r.loco.PressSpeed(5, Button::kLeft);
    QCOMPARE(r.loco.TallButton(), 5);
    r.loco.ReverseDirection();  // stops in the new direction, whatever the step was
    r.loco.PressSpeed(14, Button::kRight);
    r.loco.PressSpeed(7, Button::kOther);
    QCOMPARE(r.loco.TallButton(), 0);
    r.loco.PressSpeed(0, Button::kLeft);
    r.loco.ReverseDirection();
    // Each speed message keeps the line quiet for 5 ms; the next waits for it on the clock.
    QCOMPARE(r.Frames(),
             (QStringList{"0 e4 12 c4 d2 05 e5", "5 e4 12 c4 d2 80 60", "10 e4 12 c4 d2 80 60",
                          "15 e4 12 c4 d2 87 67", "20 e4 12 c4 d2 80 60", "25 e4 12 c4 d2 00 e0"}));
    QVERIFY(!r.loco.DirectionLeft());
  }

  void functionGroupsCarryTheirOwnBits() {
    Rig r;
    r.Drive("1234");
    for (int f = 0; f <= 12; ++f) {
      if (f != 2) r.Click(f);
    }
    r.loco.FunctionPress(2);  // momentary: on while held
    QStringList frames = r.Frames();
    QCOMPARE(frames.size(), 13);
    QCOMPARE(frames.at(3), QStringLiteral("0 e4 20 c4 d2 1d cf"));  // F0, F1, F3, F4 latched
    QCOMPARE(frames.at(7), QStringLiteral("0 e4 21 c4 d2 0f dc"));
    QCOMPARE(frames.at(11), QStringLiteral("0 e4 22 c4 d2 0f df"));
    QCOMPARE(frames.at(12), QStringLiteral("0 e4 20 c4 d2 1f cd"));
    QCOMPARE(r.loco.FuncTotText(), QStringLiteral("FT 31"));
    r.loco.FunctionRelease(2);
    r.loco.ClearFunctionGroup();  // the group of F2, the function pressed last
    QCOMPARE(r.Frames(), (QStringList{"0 e4 20 c4 d2 1d cf", "0 e4 20 c4 d2 00 d2"}));
    QCOMPARE(r.loco.FuncTotText(), QStringLiteral("FT 0"));
    QVERIFY(r.loco.FunctionOn(5) && !r.loco.FunctionOn(0));
    // Each loco keeps its own functions.
    r.Drive("4567");
    QVERIFY(!r.loco.FunctionOn(5));
    r.Drive("1234");
    QCOMPARE(r.loco.FunctionCaption(5), QStringLiteral("F5   ON "));
    QCOMPARE(r.loco.FuncTotText(), QStringLiteral("FT 0"));
  }

  void latchingAndMomentaryFunctions() {
    Rig r;
    r.Drive("1234");
    r.loco.FunctionPress(1);
    QCOMPARE(r.Frames(), QStringList{"0 e4 20 c4 d2 01 d3"});
    r.loco.FunctionRelease(1);
    r.loco.FunctionPress(1);
    QCOMPARE(r.Frames(), QStringList());
    r.loco.FunctionRelease(1);
    QCOMPARE(r.Frames(), QStringList{"0 e4 20 c4 d2 00 d2"});
    r.loco.FunctionPress(2);
    r.loco.FunctionRelease(2);
    QCOMPARE(r.Frames(), (QStringList{"0 e4 20 c4 d2 02 d0", "0 e4 20 c4 d2 00 d2"}));
  }

  void doubleHeader() {
    Rig r;
    const int a = r.Index("1234");
    const int b = r.Index("4567");
    r.loco.SelectPilot(b);
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("locomotive/multiple unit"));
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("no train engine selected"));
    r.Drive("1234");
    r.loco.SelectPilot(a);  // the train engine cannot be its own pilot
    r.loco.SelectPilot(b);
    r.loco.SelectPilot(r.Index("0100"));  // one pilot at a time
    QVERIFY(!r.loco.SelectTrainEngine(r.Index("0099")));
    QCOMPARE(r.loco.Pilot(), b);
    r.loco.SelectPilot(b);
    QCOMPARE(r.Frames(), (QStringList{"0 e5 43 c4 d2 d1 d7 b6", "0 e5 43 c4 d2 00 00 b0"}));
    QCOMPARE(r.t.dialogs.Transcript().size(), 1);
  }

  void nothingWithoutATrainEngine() {
    Rig r;
    r.loco.PressSpeed(5, Button::kLeft);
    r.loco.ReverseDirection();
    r.Click(0);
    QCOMPARE(r.Frames(), QStringList());
    QCOMPARE(kv::test::Titles(r.t.dialogs), QStringList(2, "locomotive/multiple unit"));
    QVERIFY(!r.loco.DirectionLeft());
  }

  void statusModeEditsLatchingAndSavesIt() {
    Rig r;
    r.Drive("1234");
    r.loco.FunctionPress(0);
    r.loco.ToggleFunctionMode();  // refused while a function is on
    QVERIFY(r.loco.Operate());
    r.loco.FunctionRelease(0);
    r.loco.FunctionPress(0);
    r.loco.FunctionRelease(0);
    r.Frames();
    r.loco.ToggleFunctionMode();
    QVERIFY(!r.loco.Operate());
    QVERIFY(r.loco.FunctionTicked(0) && !r.loco.FunctionTicked(2));
    r.Click(2);
    r.Click(0);
    QCOMPARE(r.Frames(), QStringList());  // editing reaches no loco
    r.loco.ToggleFunctionMode();
    const QByteArray file = kv::test::ReadLayoutFile(r.t, "function.txt");
    QVERIFY(file.startsWith("\"F0   OFF\",0\r\n\"F1   OFF\",-1\r\n\"F2   OFF\",-1\r\n"));
    QCOMPARE(file.count("\r\n"), 13);
  }

  void writeLoco_data() {
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("outcome");
    const int refused = int(LocoControl::AddOutcome::kRefused);
    QTest::newRow("short chip") << QString("010") << QString("D1") << refused;
    QTest::newRow("chip 0000") << QString("0000") << QString("D1") << refused;
    QTest::newRow("no number") << QString("0003") << QString() << refused;
    QTest::newRow("a letter alone") << QString("0003") << QString("E") << refused;
    QTest::newRow("nothing typed")
        << QString() << QString() << int(LocoControl::AddOutcome::kNothingTyped);
    QTest::newRow("a chip twice") << QString("1234") << QString("d1234")
                                  << int(LocoControl::AddOutcome::kAdded);
  }
  void writeLoco() {
    QFETCH(QString, chip);
    QFETCH(QString, number);
    QFETCH(int, outcome);
    Rig r;
    const QByteArray before = kv::test::ReadLayoutFile(r.t, "loco.txt");
    r.Drive("4567");
    int added = -1;
    QCOMPARE(int(r.loco.WriteLoco(chip, number, &added)), outcome);
    QCOMPARE(r.t.dialogs.Transcript().size(), outcome == int(LocoControl::AddOutcome::kRefused));
    if (outcome != int(LocoControl::AddOutcome::kAdded)) {
      QCOMPARE(kv::test::ReadLayoutFile(r.t, "loco.txt"), before);
      return;
    }
    // The file follows the list: sorted by "number chip".
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "loco.txt"),
             QByteArray("\"1234\",\"1234\"\r\n\"4567\",\"4567\"\r\n\"0100\",\"D100\"\r\n"
                        "\"1234\",\"D1234\"\r\n\"0099\",\"E99\"\r\n"));
    QCOMPARE(added, 3);
    QCOMPARE(r.loco.Loco(*r.loco.TrainEngine()).number, QStringLiteral("4567"));
  }

  void unreadableLocoFileIsNotRewritten() {
    Rig r;
    const QByteArray bad = "\"0047\",\"47123\"\r\n\"47\",\"4\"\r\n\"0003\",\"3\"\r\n";
    kv::test::WriteLayoutFile(r.t, "loco.txt", bad);
    r.loco.LoadLocoList();
    QCOMPARE(r.loco.LocoCount(), 1);
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("check data in text file shown below"));
    QVERIFY(
        r.t.dialogs.Last().text.endsWith("loco.txt\nline 2: the chip \"47\" is not four digits "
                                         "from 0001 to 9999"));
    QCOMPARE(int(r.loco.WriteLoco("0005", "5")), int(LocoControl::AddOutcome::kRefused));
    QVERIFY(
        r.t.dialogs.Last().text.endsWith("loco.txt could not be read from line 2 on. Writing "
                                         "the list now would drop the locos after it: "
                                         "correct the file, then open the layout again."));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "loco.txt"), bad);
  }
};

KV_TEST_MAIN(LocoControlTest)
#include "test_loco_control.moc"
