#include <QFileInfo>
#include <QTest>

#include "app/control_system.h"
#include "app/load_chain.h"
#include "support/layout_fixture.h"
#include "support/recording_panel.h"
#include "support/test_session.h"

using kv::test::RecordingPanel;
using kv::test::TestSession;

namespace {

// Notes each step with what the readers had done by then.
class FakeSteps final : public kv::LoadChainSteps {
 public:
  explicit FakeSteps(TestSession& t) : panel(t.session.model), t_(t) {}
  kv::ObjectPanel& Objects() override { return panel; }
  void ShowNextTrackNumber(int next) override {
    log << QStringLiteral("next track %1 (%2 placed)").arg(next).arg(panel.placed.size());
  }
  void ShowGaugeRead(int gauge) override { log << QStringLiteral("gauge %1").arg(gauge); }
  void LoadPaths() override {
    log << QStringLiteral("paths (%1 placed, path.txt %2)")
               .arg(panel.placed.size())
               .arg(QFileInfo::exists(t_.session.model.PathFile) ? "there" : "missing");
  }
  void BuildRouteMenu() override { log << "route menu"; }
  void ConnectControlSystem() override {
    log << QStringLiteral("connect (DCC points %1)").arg(t_.session.model.HasDccPoints);
  }
  void ReadWaitFile() override { log << "read wait"; }
  void WriteWaitFile() override { log << "write wait"; }

  QStringList log;
  RecordingPanel panel;

 private:
  TestSession& t_;
};

// Records the steps of a connection by name, in order.
class RecordingSteps : public kv::ConnectionSteps {
 public:
  QStringList calls;
  void SetPointSideLeft() override { calls << "PointSide=L"; }
  void ShowDccNumberFrame(bool dcc) override { calls << (dcc ? "fraLenzNo" : "fraSendNo"); }
  void BringModemFrameToFront() override { calls << "fraModem(1)"; }
  void LoadLocoList() override { calls << "LoadLocoList"; }
  void LoadFunctionNames() override { calls << "LoadFunctionNames"; }
  void ReadPortFile() override { calls << "ReadPortFile"; }
  void OpenDccBox() override { calls << "OpenDccBox"; }
  void LoadBoardWindow() override { calls << "Form2"; }
  void ReadCoordFile() override { calls << "ReadCoordFile"; }
};

// The steps of each system, then the coord file that every connection reads.
const QStringList kDccBox{"LoadLocoList", "LoadFunctionNames", "ReadPortFile", "OpenDccBox"};
const QStringList kDccPoints = QStringList{"PointSide=L", "fraLenzNo", "fraModem(1)"} + kDccBox;
const QStringList kDcPoints{"Form2", "fraSendNo"};
const QStringList kDcOnDccBox = QStringList{"fraModem(1)", "fraSendNo", "Form2"} + kDccBox;
const QStringList kCoord{"ReadCoordFile"};
}  // namespace

// Opening a layout: the load chain, and the connection of the control system at its end.
class LoadChainTest : public QObject {
  Q_OBJECT

 private slots:
  void opensTheLayoutInItsOrder() {
    TestSession t;
    kv::test::UseLayout(t, "Yard");
    kv::test::WriteBitmap(t, "\\shed.bmp");
    kv::test::WriteLayoutFile(t, "sensor.txt", "75,75\r\n");
    kv::test::WriteLayoutFile(t, "track.txt",
                              "\"track 1\",0,0,750,0,10\r\n\"track 2\",750,0,1500,0,6\r\n");
    kv::test::WriteLayoutFile(t, "gauge.txt", "6\r\n");
    kv::test::WriteLayoutFile(t, "image.txt", "\"shed\",\"\\shed.bmp\",150,150,#TRUE#\r\n");
    kv::test::WriteLayoutFile(t, "label.txt",
                              "\"12L\",255,#FALSE#,#FALSE#,#FALSE#,\"Arial\",8,300,300\r\n");
    kv::test::WriteLayoutFile(t, "signal.txt", "\"20\",\"22\",\"\\shed.bmp\",450,450\r\n");
    t.dialogs.QueueText(t.dir.path() + "/Yard.txt");
    FakeSteps steps(t);
    QVERIFY(kv::OpenLayout(t.session, steps));
    QCOMPARE(steps.panel.placed,
             (QStringList{"sensor 1 75,75", "track 1 0,0 750,0 w10", "track 2 750,0 1500,0 w6",
                          "image 1 150,150", "label 1 300,300", "signal 1 450,450"}));
    QCOMPARE(steps.log, (QStringList{"next track 3 (3 placed)", "gauge 6",
                                     "paths (6 placed, path.txt there)", "route menu",
                                     "connect (DCC points 1)", "read wait", "write wait"}));
    QCOMPARE(t.session.model.LayoutName, QStringLiteral("Yard"));
    QCOMPARE(kv::test::ReadLayoutFile(t, "path.txt"), QByteArray());
    QCOMPARE(t.dialogs.Transcript().size(), 1);  // the load dialog, nothing else
    // Neither gauge.txt nor a track unit: the bar's start value, as for a new layout.
    TestSession bare;
    kv::test::UseLayout(bare, "Bare");
    bare.dialogs.QueueText(bare.dir.path() + "/Bare.txt");
    FakeSteps none(bare);
    QVERIFY(kv::OpenLayout(bare.session, none) && none.log.contains("gauge 10"));
  }

  void cancelInTheLoadDialogEndsBeforeAnythingIsRead() {
    TestSession t;
    FakeSteps steps(t);
    QVERIFY(!kv::OpenLayout(t.session, steps));
    QVERIFY(t.session.Ended());
    QVERIFY(steps.log.isEmpty());
    QVERIFY(steps.panel.placed.isEmpty());
  }

  // Where the system does not suit the points: message 20 and the choice until it suits.
  void theConnectionAsksUntilTheSystemSuits_data() {
    QTest::addColumn<bool>("dccPoints");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("calls");
    const QString choice = "~\\Kelvarne-3D\\Data\\Sundries\\version.txt";
    const QStringList ask{choice, "Kelvarne-3D software"};
    const auto unsuited = [](const QString& s) {
      return QStringList{"  'Yard' won't work in " + s};
    };
    QTest::newRow("DCC points on DCC")
        << true << "DCC" << QStringList() << QStringList() << kDccPoints + kCoord;
    QTest::newRow("DCC points, other system")
        << true << "Steam" << QStringList() << QStringList() << kCoord;
    QTest::newRow("DC points on DC")
        << false << "DC" << QStringList() << QStringList() << kDcPoints + kCoord;
    QTest::newRow("DC points on DCC + DC")
        << false << "DCC + DC" << QStringList() << QStringList() << kDcOnDccBox + kCoord;
    QTest::newRow("DCC points on DC") << true << "DC" << QStringList{"DCC"} << unsuited("DC") + ask
                                      << kDccPoints + kCoord + kCoord;
    QTest::newRow("DCC points on DCC + DC")
        << true << "DCC + DC" << QStringList{"DCC"} << unsuited("DCC + DC") + ask
        << kDccPoints + kCoord + kCoord;
    QTest::newRow("DC points on DCC") << false << "DCC" << QStringList{"DC"}
                                      << unsuited("DCC") + ask << kDcPoints + kCoord + kCoord;
    QTest::newRow("DC points, no system")
        << false << "" << QStringList{"DCC + DC"} << ask << kDcOnDccBox + kCoord + kCoord;
    QTest::newRow("still unsuited") << true << "DC" << QStringList{"DCC + DC", "DCC"}
                                    << unsuited("DC") + ask + unsuited("DCC + DC") + ask
                                    << kDccPoints + kCoord + kCoord + kCoord;
    QTest::newRow("an empty choice ends") << false << "DCC" << QStringList{""}
                                          << unsuited("DCC") + QStringList{choice} << QStringList();
  }
  void theConnectionAsksUntilTheSystemSuits() {
    QFETCH(bool, dccPoints);
    QFETCH(QString, system);
    QFETCH(QStringList, answers);
    TestSession t;
    t.session.model.LayoutName = "Yard";
    t.session.model.HasDccPoints = dccPoints;
    t.session.model.ControlSystem = system;
    for (const QString& answer : answers) t.dialogs.QueueText(answer);
    RecordingSteps steps;
    kv::ConnectControlSystem(t.session, steps);
    QTEST(kv::test::Titles(t.dialogs), "titles");
    QTEST(steps.calls, "calls");
    const QString chosen = answers.isEmpty() ? system : answers.last();
    QCOMPARE(t.session.Ended(), chosen.isEmpty());
    if (answers.isEmpty() || chosen.isEmpty()) return;
    QCOMPARE(t.session.model.ControlSystem, chosen);
    QCOMPARE(t.Read("\\data\\sundries\\version.txt"), "\"" + chosen.toLatin1() + "\"\r\n");
  }
};

KV_TEST_MAIN(LoadChainTest)
#include "test_load_chain.moc"
