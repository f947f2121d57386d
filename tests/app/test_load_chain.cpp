#include <QFileInfo>
#include <QTest>

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

}  // namespace

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
  }

  void aLayoutWithoutGaugeFileKeepsTheLastTrackWidth() {
    TestSession t;
    kv::test::UseLayout(t, "Yard");
    kv::test::WriteLayoutFile(t, "track.txt", "\"track 1\",0,0,750,0,4\r\n");
    t.dialogs.QueueText(t.dir.path() + "/Yard.txt");
    FakeSteps steps(t);
    QVERIFY(kv::OpenLayout(t.session, steps));
    QCOMPARE(t.session.model.CurGauge, std::uint8_t(4));
    QVERIFY(!steps.log.join(',').contains("gauge"));
    QVERIFY(!QFileInfo::exists(t.session.model.GaugeFile));
  }

  void cancelInTheLoadDialogEndsBeforeAnythingIsRead() {
    TestSession t;
    FakeSteps steps(t);
    QVERIFY(!kv::OpenLayout(t.session, steps));
    QVERIFY(t.session.Ended());
    QVERIFY(steps.log.isEmpty());
    QVERIFY(steps.panel.placed.isEmpty());
  }
};

KV_TEST_MAIN(LoadChainTest)
#include "test_load_chain.moc"
