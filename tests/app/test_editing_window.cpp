#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>

#include "app/editing_controls.h"
#include "app/main_window.h"
#include "app/operation_controls.h"
#include "base/session.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/board_window.h"
#include "operating_rig.h"
#include "panel/edit_history.h"
#include "panel/gauge_selector.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_editor.h"
#include "support/dialog_hand.h"
#include "support/find_control.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::PanelObject;
using kv::test::Find;
using kv::test::TestSession;

namespace {

QTemporaryDir storeDir;  // the label settings of this test program, kept from the user's

// Clicks the label button of `window` and makes a label of `purpose` from `keys` in the dialog.
void MakeLabel(QWidget& window, int purpose, const QString& keys) {
  bool filled = false;
  kv::test::DialogHand hand([&](QWidget* dialog) {
    if (std::exchange(filled, true)) return (void)dialog->close();
    Find<QRadioButton>(dialog, QStringLiteral("Option1_%1").arg(purpose))->click();
    QTest::keyClicks(Find<QLineEdit>(dialog, "Text1"), keys);
    Find<QPushButton>(dialog, "cmdOKFontCan_0")->click();
  });
  QTest::mouseClick(Find<QWidget>(&window, "imgBtnLbl"), Qt::LeftButton);
}

// A new layout "Yard" on "DC", switched to Modify mode.
struct NewLayout {
  NewLayout() {
    t.session.model.ControlSystem = "DC";
    t.session.model.NewLayout = true;
    t.dialogs.QueueText("Yard");
    main.Load();
    main.operation().imgBtnTog_MouseDown(kv::kModify);
    main.show();
  }
  kv::PanelEditor& editor() { return main.editing().editor(); }
  void Click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Find<QWidget>(&main, name), button);
  }
  // Mode one: the object clicked with `button` goes (or a unit's end goes) to `to`.
  void Place(PanelObject kind, int i, Qt::MouseButton button, QPointF to) {
    editor().optMove_MouseUp(1);
    editor().ObjectClick(kind, i, button);
    editor().picScreen_MouseDown(button, to);
    editor().picScreen_MouseUp(button, to);
  }

  TestSession t;
  kv::MainWindow main{t.session};
};

}  // namespace

class EditingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qputenv("KELVARNE_BOARD", "recording");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, storeDir.path());
  }

  void theGaugeBarShowsAndKeepsTheGauge_data() {
    QTest::addColumn<int>("gauge");
    QTest::addColumn<int>("marker");  // linAdj's Y, twips; -1 hidden
    QTest::addColumn<bool>("bore");
    QTest::newRow("4") << 4 << 522 << false;
    QTest::newRow("2: offered like the others") << 2 << 546 << false;
    QTest::newRow("1: a tunnel") << 1 << -1 << true;
  }
  void theGaugeBarShowsAndKeepsTheGauge() {
    QFETCH(int, gauge);
    QFETCH(bool, bore);
    NewLayout n;
    auto* bar = Find<QScrollBar>(&n.main, "vsbGauge");
    QCOMPARE(bar->value(), 10);
    bar->setValue(gauge);
    QCOMPARE(kv::test::ReadLayoutFile(n.t, "gauge.txt"), QByteArray::number(gauge) + "\r\n");
    QCOMPARE(int(n.t.session.model.CurGauge), gauge);
    QCOMPARE(Find<QWidget>(&n.main, "imgBtnTrk")->toolTip(), QStringLiteral("gauge %1").arg(gauge));
    QCOMPARE(Find<QLabel>(&n.main, "lblGauge")->text(), QString::number(gauge));
    auto* adj = Find<kv::ToolLine>(&n.main, "linAdj");
    QTEST(adj->isVisible() ? adj->Y1() : -1, "marker");
    QCOMPARE(Find<kv::ToolLine>(&n.main, "linBase")->BorderStyle() == kv::ToolLine::kDash, bore);
    QCOMPARE(Find<QWidget>(&n.main, "imgBtnBore")->isVisible(), bore);
    n.Click("imgBtnTrk");
    QCOMPARE(n.main.picScreen().linBlack(1)->BorderWidth(), gauge);
    QCOMPARE(Find<QLabel>(&n.main, "lblCount")->text(), QStringLiteral("2"));
  }

  void aDrawnLayoutSavedAndReopenedShowsTheSamePanel() {
    NewLayout n;
    kv::test::WriteBitmap(n.t, "\\data\\pictures\\shed.bmp");
    for (int i = 1; i <= 5; ++i) {
      n.Click("imgBtnTrk");
      n.Place(PanelObject::kTrackNumber, i, Qt::LeftButton, {750.0 * i, 1500});
      n.Place(PanelObject::kTrackNumber, i, Qt::RightButton, {750.0 * i + 600, 1500});
    }
    n.t.dialogs.QueueText(n.t.Path("\\data\\pictures\\shed.bmp"));
    n.t.dialogs.QueueText("Goods shed");
    n.Click("imgBtnImg");
    n.Click("imgBtnAws");
    n.Click("imgBtnAws");
    n.Place(PanelObject::kImage, 1, Qt::LeftButton, {4500, 3000});
    n.Place(PanelObject::kSensor, 2, Qt::LeftButton, {1200, 3450.5});
    QCOMPARE(Find<QLabel>(&n.main, "lblCount")->text(), QStringLiteral("6"));
    n.Click("imgBtnSave");
    QVERIFY(!n.editor().History().CanUndo());
    QVERIFY(Find<QRadioButton>(&n.main, "optMove_0")->isChecked());  // brought to rest
    QCOMPARE(kv::test::ReadLayoutFile(n.t, "sensor.txt"), QByteArray("1000,150\r\n1200,3450\r\n"));

    kv::Session again(n.t.session.folder, n.t.dialogs, n.t.scheduler);
    again.model.ControlSystem = "DC";
    again.model.ProgMode = kv::kModify;
    n.t.dialogs.QueueText(n.t.Path("\\Yard.txt"));
    kv::MainWindow reopened(again);
    reopened.Load();
    QCOMPARE(n.t.dialogs.Unscripted(), 0);
    const QList<kv::ObjectPlace> drawn = kv::PlacesOf(n.t.session.model, n.main.picScreen());
    QCOMPARE(drawn.size(), 8);
    QCOMPARE(kv::PlacesOf(again.model, reopened.picScreen()), drawn);
    QCOMPARE(reopened.picScreen().imgImage(1)->toolTip(), QStringLiteral("Goods shed"));
    // A deletion keeps what the save wrote and what the reading read, not a move since.
    n.Place(PanelObject::kSensor, 1, Qt::LeftButton, {0, 0});
    n.editor().ObjectClick(PanelObject::kSensor, 2, Qt::LeftButton);
    n.editor().imgBtnTrash_MouseUp(Qt::LeftButton);
    QCOMPARE(kv::test::ReadLayoutFile(n.t, "sensor.txt"), QByteArray("1000,150\r\n"));
    reopened.editing().editor().ObjectClick(PanelObject::kSensor, 1, Qt::LeftButton);
    reopened.editing().editor().imgBtnTrash_MouseUp(Qt::LeftButton);
    QCOMPARE(kv::test::ReadLayoutFile(n.t, "sensor.txt"), QByteArray("1200,3450\r\n"));
  }

  void ctrlZUndoesInModifyBackToTheLastSave() {
    NewLayout n;
    n.Click("imgBtnAws");
    n.Click("imgBtnAws");
    n.Click("imgBtnSave");
    n.Click("imgBtnAws");
    n.Place(PanelObject::kSensor, 3, Qt::LeftButton, {3000, 3000});
    auto* undo = Find<QShortcut>(&n.main, "keyUndo");
    QCOMPARE(undo->key(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(Find<QShortcut>(&n.main, "keyRedo")->key(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    for (int i = 0; i < 3; ++i) emit undo->activated();
    QCOMPARE(int(n.t.session.model.SensorCount), 2);
    QVERIFY(!n.main.picScreen().txtAws(3));
    n.main.operation().imgBtnTog_MouseDown(kv::kOperate);
    emit Find<QShortcut>(&n.main, "keyRedo")->activated();
    QCOMPARE(int(n.t.session.model.SensorCount), 2);  // not while operating
  }

  // A points label made in this run shows at once.
  void aNewPointsLabelTurnsWithTheLoadedOnes() {
    kv::test::OperatingRig r("DC", 0, kv::kModify);
    r.AddLabel(1, "20", 255, 1500, 1500);
    MakeLabel(*r.main, 1, "12");
    r.main->operation().imgBtnTog_MouseDown(kv::kOperate);
    kv::Panel& panel = r.main->picScreen();
    auto shown = [&] {
      return QList<bool>{panel.Label(1)->isVisible(), panel.Label(2)->isVisible()};
    };
    QCOMPARE(shown(), QList<bool>({false, true}));
    r.Click("imgBtnNo_0");
    QCOMPARE(shown(), QList<bool>({true, true}));
    r.Click("imgBtnNo_1");
    QCOMPARE(shown(), QList<bool>({false, false}));
  }

  void aRisingBoardInputLightsItsSensorBox() {
    kv::test::OperatingRig r("DC");
    r.main->picScreen().LoadSensor(1, 0, 0);
    r.main->picScreen().LoadSensor(2, 1500, 0);
    r.t.session.model.SensorCount = 2;
    r.main->board().boardWindow()->Timer1().SetEnabled(true);
    r.t.scheduler.Advance(50);
    r.Board().SetInputs({0b10, 1, 0, 0, 0, 0});
    r.t.scheduler.Advance(50);
    QVERIFY(r.main->picScreen().txtAws(2)->Lit());
    QVERIFY(!r.main->picScreen().txtAws(1)->Lit());
  }
};

KV_TEST_MAIN(EditingWindowTest)
#include "test_editing_window.moc"
