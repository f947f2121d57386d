#include <QFileInfo>
#include <QTest>

#include "app/main_window.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "support/find_control.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::test::TestSession;

// The gauge an opened layout shows is the one new track units take, wherever it came from.
class GaugeShownTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  void theTrackButtonShowsCurGauge_data() {
    QTest::addColumn<QByteArray>("tracks");
    QTest::addColumn<QByteArray>("gaugeFile");  // "-": no gauge.txt
    QTest::addColumn<int>("gauge");
    const QByteArray unit = "\"track 1\",0,0,750,0,4\r\n";
    QTest::newRow("from gauge.txt") << unit << QByteArray("6\r\n") << 6;
    QTest::newRow("out of range: the last unit") << unit << QByteArray("11\r\n") << 4;
    QTest::newRow("missing: the last unit") << unit << QByteArray("-") << 4;
    QTest::newRow("neither: as a new layout") << QByteArray() << QByteArray("-") << 10;
  }
  void theTrackButtonShowsCurGauge() {
    QFETCH(QByteArray, tracks);
    QFETCH(QByteArray, gaugeFile);
    QFETCH(int, gauge);
    TestSession t;
    kv::test::UseLayout(t, "Yard");
    kv::test::WriteLayoutFile(t, "track.txt", tracks);
    if (gaugeFile != "-") kv::test::WriteLayoutFile(t, "gauge.txt", gaugeFile);
    t.session.model.ControlSystem = "DC";
    t.dialogs.QueueText(t.dir.path() + "/Yard.txt");
    kv::MainWindow main(t.session);
    main.Load();
    QCOMPARE(int(t.session.model.CurGauge), gauge);
    QCOMPARE(kv::test::Find<kv::ImageButton>(&main, "imgBtnTrk")->toolTip(),
             QStringLiteral("gauge %1").arg(gauge));
    QCOMPARE(main.picScreen().TemplateOuterWidth(), gauge);
    QCOMPARE(QFileInfo::exists(t.session.model.GaugeFile), gaugeFile != "-");  // not made
  }
};

KV_TEST_MAIN(GaugeShownTest)
#include "test_gauge_shown.moc"
