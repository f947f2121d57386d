#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include "app/main_window.h"
#include "operation/signal_aspects.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "support/test_session.h"

using kv::test::TestSession;

namespace {

// The tree's data folder copied into the session's program folder, so saves touch only the copy.
void CopyTreeData(const TestSession& t) {
  const QString from = QFINDTESTDATA("../../data/Demo Layout.txt").section('/', 0, -2);
  if (from.isEmpty()) qFatal("the tree's data folder is not found");
  QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = t.dir.path() + "/data/" + QDir(from).relativeFilePath(source);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(source, target)) qFatal("cannot copy %s", qPrintable(source));
  }
}

const QString kDemoFolder = QStringLiteral("/data/Data/Layout Folders/Demo Layout");

// The demo opened in a main window as the load chain opens it (Operate, relay-stack points).
std::unique_ptr<kv::MainWindow> OpenDemo(TestSession& t) {
  t.session.model.ControlSystem = "DC";
  t.session.model.ProgMode = kv::kOperate;
  t.dialogs.QueueText(t.session.folder.Root() + "/data/Demo Layout.txt");
  auto main = std::make_unique<kv::MainWindow>(t.session);
  main->Load();
  if (t.session.Ended()) qFatal("the demo did not open");
  main->ShowModeToolbars();
  return main;
}

}  // namespace

class DemoLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void theDemoOpensWithEveryObjectInPlace() {
    TestSession t;
    CopyTreeData(t);
    auto main = OpenDemo(t);
    const kv::LayoutModel& m = t.session.model;
    QCOMPARE(t.dialogs.Transcript().size(), 1);  // the load dialog; no file complained of
    QCOMPARE(m.LayoutName, QStringLiteral("Demo Layout"));
    QCOMPARE(m.LayoutFolder, t.dir.path() + kDemoFolder);
    // Tracks, labels, pictures, signals, sensors, and the gauge.
    QCOMPARE((QList<int>{m.TrackCount, m.LabelCount, m.ImageCount, m.SignalCount, m.SensorCount,
                         m.CurGauge}),
             (QList<int>{26, 11, 1, 2, 1, 6}));
    QCOMPARE(main->findChild<kv::ImageButton*>("imgBtnTrk")->toolTip(), QStringLiteral("gauge 6"));
    QVERIFY(!m.HasDccPoints);
    QVERIFY(main->windowTitle().endsWith("   Demo Layout in Kelvarne DC"));

    kv::Panel& panel = main->picScreen();
    for (const auto& [i, line] : {std::pair{1, QLineF(750, 4500, 2250, 4500)},
                                  std::pair{13, QLineF(4500, 4500, 5250, 3750)}}) {
      const kv::TrackEnds e = panel.TrackPosition(i);
      QCOMPARE(QLineF(e.x1, e.y1, e.x2, e.y2), line);
    }
    QCOMPARE(panel.LabelPosition(5), QPointF(600, 4050));
    QCOMPARE(panel.ImagePosition(1), QPointF(7500, 4950));
    QCOMPARE(panel.SignalPosition(2), QPointF(12150, 3000));
    QCOMPARE(panel.SensorPosition(1), QPointF(2400, 4800));

    // Points labels 12, 14, 16 and 18 are red and hidden; the others show.
    for (int i = 1; i <= 4; ++i) QVERIFY2(!panel.Label(i)->isVisible(), qPrintable(panel.Label(i)->Caption()));
    for (int i = 5; i <= 11; ++i) QVERIFY(panel.Label(i)->isVisible());
    QCOMPARE(panel.Label(7)->Caption(), QStringLiteral("PLATFORM 1"));

    QCOMPARE(panel.linBlack(22)->BorderWidth(), 1);  // the far end of the bay: a tunnel

    // Pictures and signals show their bitmaps; a signal's tool-tip is its coil A.
    QVERIFY(!panel.imgImage(1)->Missing());
    QCOMPARE(panel.imgImage(1)->toolTip(), QStringLiteral("Station building \u2013 Kelvarne Halt"));
    QVERIFY(!panel.imgSig(1)->Missing());
    QCOMPARE(panel.imgSig(1)->toolTip() + panel.imgSig(2)->toolTip(), QStringLiteral("2024"));
  }

  // The library holds every aspect the demo's signals can reach (cleared either way), and a
  // click shows it.
  void theDemosSignalsWorkByClick() {
    TestSession t;
    CopyTreeData(t);
    auto main = OpenDemo(t);
    kv::Panel& panel = main->picScreen();
    for (int i = 1; i <= t.session.model.SignalCount; ++i) {
      for (bool reverse : {false, true}) {
        const QString name = kv::SetOffAspect(t.session.model.SignalPicture[i], reverse, "");
        QVERIFY2(QFile::exists(t.session.folder.Resolve(name)), qPrintable(name));
      }
      const QPoint at = panel.mapFromScene(panel.imgSig(i)->sceneBoundingRect().center());
      QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, at);
    }
    QCOMPARE(panel.imgSig(1)->PicturePath().section('/', -1), "C3Y2x.bmp");
    QCOMPARE(panel.imgSig(2)->PicturePath().section('/', -1), "SHGxx.bmp");
    QCOMPARE(panel.imgSig(2)->toolTip(), "26");
    QCOMPARE(t.dialogs.Transcript().size(), 1);  // the load dialog only
  }
};

KV_TEST_MAIN(DemoLayoutTest)
#include "test_demo_layout.moc"
