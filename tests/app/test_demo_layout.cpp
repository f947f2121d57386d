#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

#include "app/layout_commands.h"
#include "app/main_window.h"
#include "app/route_controls.h"
#include "app/route_menu.h"
#include "operation/signal_aspects.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/toolbar_frame.h"
#include "support/layout_fixture.h"
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

QByteArray Demo(const TestSession& t, const QString& file) {
  QFile in(t.dir.path() + kDemoFolder + "/" + file);
  return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

// Another run of the program on the same program folder.
struct Run {
  explicit Run(const TestSession& t) : session(t.session.folder, dialogs, scheduler) {}
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session;
};

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

  void saveThenReloadGivesTheSamePanel() {
    TestSession t;
    CopyTreeData(t);
    const QStringList files = {"sensor.txt", "label.txt", "image.txt", "signal.txt", "track.txt"};
    QMap<QString, QByteArray> before;
    for (const QString& f : files) before[f] = Demo(t, f);
    {
      auto main = OpenDemo(t);
      auto* order = main->findChild<QCheckBox*>("chkOrder");
      auto* some = main->findChild<QRadioButton*>("optMove_2");
      order->setCheckState(Qt::PartiallyChecked);
      some->setChecked(true);
      main->picScreen().viewport()->setCursor(Qt::CrossCursor);
      QTest::mouseClick(main->findChild<kv::ImageButton*>("imgBtnSave"), Qt::LeftButton);
      QCOMPARE(t.dialogs.Transcript().size(), 1);
      // The panel was brought to rest for the save.
      QCOMPARE(order->checkState(), Qt::Unchecked);
      QVERIFY(main->findChild<QRadioButton*>("optMove_0")->isChecked());
      QCOMPARE(main->picScreen().viewport()->cursor().shape(), Qt::ArrowCursor);
    }
    // The demo comes back byte for byte: nothing read is changed by writing it again.
    for (const QString& f : files) QCOMPARE(Demo(t, f), before[f]);
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

  // Either route from A locks the other out; the goods route shares no track and is set too.
  void theDemosRoutesShowTheInterlocking() {
    TestSession t;
    CopyTreeData(t);
    auto main = OpenDemo(t);
    kv::RouteMenu& menu = main->routes().menu();
    menu.mnuList(1)->trigger();
    menu.mnuList(2)->trigger();
    QVERIFY(!menu.mnuList(0)->isEnabled() && menu.mnuList(1)->isChecked() &&
            menu.mnuList(2)->isChecked());
    QCOMPARE(menu.mnuList(0)->toolTip(), QStringLiteral("blocked by A to PLATFORM 2"));
    QCOMPARE(main->picScreen().imgSig(1)->PicturePath().section('/', -1), "C3Y2x.bmp");
    QCOMPARE(t.dialogs.Transcript().size(), 1);
  }

  void backupFromAToolbarFrame() {
    TestSession t;
    CopyTreeData(t);
    auto main = OpenDemo(t);
    t.dialogs.QueueButton(kv::msg::kYes);
    main->findChild<kv::ToolbarFrame*>("fraToolbar_4")->frameClicked();
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("back up all object files?"));
    for (const QString f : {"image", "signal", "sensor", "label", "track", "path"}) {
      QCOMPARE(Demo(t, "copy of " + f + ".txt"), Demo(t, f + ".txt"));
    }
  }

  // A new layout opens empty with the widest track; a later run in Modify finds it again.
  void createThenModifyMyLayout() {
    TestSession t;
    t.session.model.ControlSystem = "DC";
    t.session.model.NewLayout = true;
    t.dialogs.QueueText("My Layout");
    {
      kv::MainWindow main(t.session);
      main.Load();
      QCOMPARE(t.session.model.CurGauge, std::uint8_t(10));
      QCOMPARE(main.picScreen().TemplateOuterWidth(), 10);
      QCOMPARE(main.picScreen().TemplateInnerWidth(), 8);
      QCOMPARE(main.findChild<QGroupBox*>("fraToolbar_1")->title(),
               QStringLiteral("create another of these object types        gauge 10"));
      QVERIFY(main.windowTitle().endsWith("   My Layout in Kelvarne DC"));
    }
    Run modify(t);
    modify.session.model.ControlSystem = "DC";
    modify.session.model.ProgMode = kv::kModify;
    modify.dialogs.QueueText(t.dir.path() + "/My Layout.txt");
    kv::MainWindow main(modify.session);
    main.Load();
    QCOMPARE(modify.session.model.LayoutFolder, t.dir.path() + "/data/Layout Folders/My Layout");
    QCOMPARE(modify.dialogs.Transcript().size(), 1);
  }
};

KV_TEST_MAIN(DemoLayoutTest)
#include "test_demo_layout.moc"
