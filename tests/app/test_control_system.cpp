#include <QTest>

#include "app/control_system.h"
#include "support/test_session.h"

using kv::test::TestSession;

namespace {
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

const QStringList kDccBox{"LoadLocoList", "LoadFunctionNames", "ReadPortFile", "OpenDccBox"};
}  // namespace

class ControlSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void suitedSystemsConnectTheirHardware_data() {
    QTest::addColumn<bool>("dccPoints");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("DCC points on DCC")
        << true << "DCC"
        << (QStringList{"PointSide=L", "fraLenzNo", "fraModem(1)"} + kDccBox + QStringList{"ReadCoordFile"});
    QTest::newRow("DCC points, other system") << true << "Steam" << QStringList{"ReadCoordFile"};
    QTest::newRow("DC points on DC") << false << "DC" << QStringList{"Form2", "fraSendNo", "ReadCoordFile"};
    QTest::newRow("DC points on DCC + DC")
        << false << "DCC + DC"
        << (QStringList{"fraModem(1)", "fraSendNo", "Form2"} + kDccBox + QStringList{"ReadCoordFile"});
  }
  void suitedSystemsConnectTheirHardware() {
    QFETCH(bool, dccPoints);
    QFETCH(QString, system);
    QFETCH(QStringList, calls);
    TestSession t;
    t.session.model.HasDccPoints = dccPoints;
    t.session.model.ControlSystem = system;
    RecordingSteps steps;
    kv::ConnectControlSystem(t.session, steps);
    QCOMPARE(steps.calls, calls);
    QVERIFY(t.dialogs.Transcript().isEmpty());
  }

  void unsuitedSystemsAskAgainThenConnect_data() {
    QTest::addColumn<bool>("dccPoints");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("calls");
    const QString choice = "~\\Kelvarne-3D\\Data\\Sundries\\version.txt";
    const QString confirm = "Kelvarne-3D software";
    QTest::newRow("DCC points on DC")
        << true << "DC" << "DCC"
        << QStringList{"  'Yard' won't work in DC", choice, confirm}
        << (QStringList{"PointSide=L", "fraLenzNo", "fraModem(1)"} + kDccBox +
            QStringList{"ReadCoordFile", "ReadCoordFile"});
    QTest::newRow("DCC points on DCC + DC")
        << true << "DCC + DC" << "DCC"
        << QStringList{"  'Yard' won't work in DCC + DC", choice, confirm}
        << (QStringList{"PointSide=L", "fraLenzNo", "fraModem(1)"} + kDccBox +
            QStringList{"ReadCoordFile", "ReadCoordFile"});
    QTest::newRow("DC points on DCC")
        << false << "DCC" << "DC"
        << QStringList{"  'Yard' won't work in DCC", choice, confirm}
        << QStringList{"Form2", "fraSendNo", "ReadCoordFile", "ReadCoordFile"};
    QTest::newRow("DC points, no system")
        << false << "" << "DCC + DC" << QStringList{choice, confirm}
        << (QStringList{"fraModem(1)", "fraSendNo", "Form2"} + kDccBox +
            QStringList{"ReadCoordFile", "ReadCoordFile"});
  }
  void unsuitedSystemsAskAgainThenConnect() {
    QFETCH(bool, dccPoints);
    QFETCH(QString, system);
    QFETCH(QString, answer);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, calls);
    TestSession t;
    t.session.model.LayoutName = "Yard";
    t.session.model.HasDccPoints = dccPoints;
    t.session.model.ControlSystem = system;
    t.dialogs.QueueText(answer);
    RecordingSteps steps;
    kv::ConnectControlSystem(t.session, steps);
    QCOMPARE(kv::test::Titles(t.dialogs), titles);
    QCOMPARE(steps.calls, calls);
    QCOMPARE(t.session.model.ControlSystem, answer);
    QCOMPARE(t.Read("\\data\\sundries\\version.txt"), "\"" + answer.toLatin1() + "\"\r\n");
  }

  void askingGoesOnUntilTheSystemSuits() {
    TestSession t;
    t.session.model.LayoutName = "Yard";
    t.session.model.HasDccPoints = true;
    t.session.model.ControlSystem = "DC";
    t.dialogs.QueueText("DCC + DC");  // still unsuited: message 20 again
    t.dialogs.QueueText("DCC");
    RecordingSteps steps;
    kv::ConnectControlSystem(t.session, steps);
    QCOMPARE(steps.calls.count("ReadCoordFile"), 3);
    QCOMPARE(steps.calls.first(), QStringLiteral("PointSide=L"));
    QCOMPARE(t.dialogs.Transcript().size(), 6);
  }

  void emptyChoiceEndsWithoutConnecting() {
    TestSession t;
    t.session.model.ControlSystem = "DCC";
    t.dialogs.QueueText(QString());
    RecordingSteps steps;
    kv::ConnectControlSystem(t.session, steps);
    QVERIFY(t.session.Ended());
    QVERIFY(steps.calls.isEmpty());
  }
};

KV_TEST_MAIN(ControlSystemTest)
#include "test_control_system.moc"
