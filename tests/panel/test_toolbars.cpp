#include <QBoxLayout>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <array>

#include "panel/grid.h"
#include "panel/grid_item.h"
#include "panel/image_button.h"
#include "panel/order_check_box.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/panel_slide.h"
#include "panel/panel_toolbars.h"
#include "panel/toolbar_frame.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::GridItem;
using kv::ImageButton;
using kv::ToolbarFrame;

namespace {

// The panel under the four toolbar frames as the main window holds them, one track unit on it.
struct Toolbars {
  Toolbars() {
    auto* column = new QVBoxLayout(&host);
    auto* strip = new QHBoxLayout;
    column->addLayout(strip);
    for (int i = 1; i <= 4; ++i) {
      frames[i] = new ToolbarFrame(QStringLiteral("fraToolbar_%1").arg(i), QString(), &host);
      strip->addWidget(frames[i]);
    }
    area = new kv::PanelArea(t.session, &host);
    column->addWidget(area, 1);
    bars = new kv::PanelToolbars(t.session, *area, frames, &host);
    host.resize(1280, 700);
    host.show();
    area->picScreen().LoadTrack(1, {150, 1500, 3000, 1500}, 10);
    t.session.model.TrackCount = 1;
  }
  template <typename T>
  T* Find(const QString& name) {
    return kv::test::Find<T>(&host, name);
  }

  QScrollBar* hsb() { return area->hsbScreen(); }
  QScrollBar* vsb() { return area->vsbScreen(); }
  QString Percent(int i) { return area->lblPerCent(i)->text(); }
  ImageButton* Slide(int index) {
    return Find<ImageButton>(QStringLiteral("imgBtnScroll_%1").arg(index));
  }
  int Repaints() { return area->picScreen().TrackRepaints(1); }
  // Holds slide button `index` for `ticks` ticks of 40 ms, then lets go.
  void Hold(int index, int ticks) {
    QTest::mousePress(Slide(index), Qt::LeftButton);
    for (int i = 0; i < ticks; ++i) t.scheduler.Advance(40);
    QTest::mouseRelease(Slide(index), Qt::LeftButton);
  }

  GridItem& lines() { return area->picScreen().linGrid(); }
  kv::Grid& grid() { return bars->grid(); }
  QScrollBar* hsbGrid() { return Find<QScrollBar>(QStringLiteral("hsbGrid")); }
  void ClickGridButton() {
    QTest::mouseClick(Find<ImageButton>(QStringLiteral("imgBtnGrid")), Qt::LeftButton);
  }

  kv::test::TestSession t;
  QWidget host;
  std::array<ToolbarFrame*, 5> frames{};
  kv::PanelArea* area = nullptr;
  kv::PanelToolbars* bars = nullptr;
};

}  // namespace

// The toolbars: their buttons and frames, the slide and the grid.
class ToolbarsTest : public QObject {
  Q_OBJECT

 private slots:
  void theCreateButtonsOfferTheNextNumber() {
    Toolbars f;
    f.t.session.model.ImageCount = 3;
    f.t.session.model.SensorCount = 255;
    auto tipUnderPointer = [&](const char* name) {
      auto* button = f.Find<ImageButton>(QLatin1String(name));
      QTest::mouseMove(button, QPoint(10, 10));
      return button->toolTip();
    };
    QCOMPARE(
        tipUnderPointer("imgBtnImg") + tipUnderPointer("imgBtnAws") + tipUnderPointer("imgBtnLbl"),
        QStringLiteral(" 4 256 1"));
  }

  void aClickInsideAToolbarIsNoBackupClick() {
    // Only a click on a toolbar frame itself asks for the backup.
    Toolbars f;
    QSignalSpy backup(f.frames[2], &ToolbarFrame::frameClicked);
    auto* scroll = f.Find<ToolbarFrame>(QStringLiteral("fraBtnScroll"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(3, scroll->height() - 3));
    QTest::mouseClick(f.Find<ImageButton>(QStringLiteral("imgBtnScroll_3")), Qt::LeftButton);
    QCOMPARE(backup.size(), 0);
    QTest::mouseClick(f.frames[2], Qt::LeftButton, {}, QPoint(2, f.frames[2]->height() - 2));
    QCOMPARE(backup.size(), 1);
  }

  void thePercentLabelsReadFromZeroToAHundred_data() {
    QTest::addColumn<bool>("across");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("across 325") << true << 325 << " 0%";
    QTest::newRow("across 326") << true << 326 << " 1%";
    QTest::newRow("across half") << true << 16300 << " 50%";
    QTest::newRow("across max") << true << 32760 << " 100%";
    QTest::newRow("down max") << false << 32767 << " 100%";
    QTest::newRow("down 3259") << false << 3259 << " 9%";
  }
  void thePercentLabelsReadFromZeroToAHundred() {
    QFETCH(bool, across);
    QFETCH(int, value);
    Toolbars f;
    (across ? f.hsb() : f.vsb())->setValue(value);
    QTEST(f.Percent(across ? 1 : 2), "text");
    const QPointF origin = f.area->picScreen().Origin();
    QCOMPARE(across ? origin.x() : origin.y(), double(value));
  }

  void theBarsHaveTheirRanges() {
    Toolbars f;
    QCOMPARE((QList<int>{f.hsb()->maximum(), f.hsb()->singleStep(), f.hsb()->pageStep(),
                         f.vsb()->maximum(), f.vsb()->singleStep(), f.vsb()->pageStep()}),
             (QList<int>{32760, 1, 1, 32767, 100, 2600}));
  }

  void aClickOnAPercentLabelReturnsToTheOrigin() {
    Toolbars f;
    f.hsb()->setValue(5000);
    f.vsb()->setValue(32767);
    QTest::mouseClick(f.area->lblPerCent(2), Qt::LeftButton);
    QCOMPARE(f.Percent(1) + f.Percent(2), QStringLiteral(" 0% 0%"));
    QCOMPARE(f.area->picScreen().Origin(), QPointF(0, 0));
  }

  void aHeldSlideAcceleratesAndStopsAtOnceWhenLetGo() {
    Toolbars f;
    QTest::mousePress(f.Slide(3), Qt::RightButton);  // only the left button slides
    f.t.scheduler.Advance(200);
    QTest::mouseRelease(f.Slide(3), Qt::RightButton);
    QVERIFY(!f.bars->slide().timPollKeys().Running());
    QTest::mousePress(f.Slide(3), Qt::LeftButton);
    QList<int> across;
    for (int ms : {39, 1, 40, 40}) {
      f.t.scheduler.Advance(ms);
      across << f.hsb()->value();
    }
    QCOMPARE(across, (QList<int>{0, 10, 30, 60}));
    QCOMPARE(f.area->picScreen().Origin(), QPointF(60, 0));
    QCOMPARE(f.Repaints(), 0);
    QTest::mouseRelease(f.Slide(3), Qt::LeftButton);
    QVERIFY(!f.bars->slide().ScrollStep && !f.bars->slide().timPollKeys().Running());
    QCOMPARE(f.Repaints(), 1);  // the bar stands inside its range
    QCOMPARE(f.bars->slide().hsbScreenTag, QStringLiteral("0"));
    f.t.scheduler.Advance(400);
    QCOMPARE(f.hsb()->value(), 60);
  }

  void eachDirectionMovesItsBar_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::newRow("up") << 0 << 1000 << 1000 - 30;
    QTest::newRow("right") << 3 << 1000 + 30 << 1000;
    QTest::newRow("down") << 6 << 1000 << 1000 + 30;
    QTest::newRow("left") << 9 << 1000 - 30 << 1000;
  }
  void eachDirectionMovesItsBar() {
    QFETCH(int, index);
    Toolbars f;
    f.hsb()->setValue(1000);
    f.vsb()->setValue(1000);
    f.Hold(index, 2);
    QTEST(f.hsb()->value(), "across");
    QTEST(f.vsb()->value(), "down");
  }

  void aStepPastTheEndIsNotTaken() {
    Toolbars f;
    f.hsb()->setValue(32705);
    // 32715, 32735; then 32765 and 32805 would pass 32760: the slide stops short.
    f.Hold(3, 4);
    QCOMPARE(QPoint(f.hsb()->value(), f.Repaints()), QPoint(32735, 1));
  }

  void nothingIsRepaintedWhenBothBarsStandAtAnEnd() {
    Toolbars f;
    f.Hold(0, 3);  // up from the top: no step is taken
    QCOMPARE(QPoint(f.vsb()->value(), f.Repaints()), QPoint(0, 0));
    f.hsb()->setValue(32750);
    f.Hold(3, 2);  // 32760 exactly: the far end
    QCOMPARE(QPoint(f.hsb()->value(), f.Repaints()), QPoint(32760, 0));
    f.vsb()->setValue(100);
    f.Hold(3, 1);  // across still at its end, but down stands inside
    QCOMPARE(f.Repaints(), 1);
  }

  void theOrderOptionFlipsOnEveryMouseUp() {
    Toolbars f;
    auto* box = f.Find<kv::OrderCheckBox>(QStringLiteral("chkOrder"));
    auto shown = [&]() { return QString::number(box->Value()) + " " + box->text(); };
    QCOMPARE(shown(), QStringLiteral("1 superimpose"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(shown(), QStringLiteral("2 subordinate"));
    QVERIFY(box->checkState() == Qt::PartiallyChecked && box->OrderToggle);
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(shown(), QStringLiteral("1 superimpose"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    box->Reset();
    QVERIFY(shown() == "1 superimpose" && !box->OrderToggle);
  }

  void theGridButtonLoadsAndUnloadsEveryLine() {
    Toolbars f;
    QVERIFY(!f.lines().LoadedCount() && f.hsbGrid()->isHidden());
    auto* button = f.Find<kv::ImageButton>(QStringLiteral("imgBtnGrid"));
    const Qt::CursorShape before = button->cursor().shape();
    f.ClickGridButton();
    QVERIFY(f.grid().GridOn && !f.grid().GridLoadPending && !f.hsbGrid()->isHidden());
    QCOMPARE(QPoint(f.lines().LoadedCount(), f.hsbGrid()->value()), QPoint(1045, 5));
    QCOMPARE(button->cursor().shape(), before);
    for (int i = 1; i <= 1045; ++i) QVERIFY(f.lines().IsVisible(i));
    QCOMPARE(QList<QLineF>({f.lines().Line(1), f.lines().Line(499), f.lines().Line(500),
                            f.lines().Line(1045)}),
             QList<QLineF>({{0, 75, 43300, 75},
                            {0, 37425, 43300, 37425},
                            {0, 0, 0, 35000},
                            {40875, 0, 40875, 35000}}));

    f.ClickGridButton();
    QVERIFY(!f.grid().GridOn && f.hsbGrid()->isHidden() && !f.lines().LoadedCount());

    f.ClickGridButton();
    QVERIFY(f.lines().LoadedCount() == 1045 && !f.hsbGrid()->isHidden());
    // Lines that are not there are passed over.
    f.grid().DrawGrid();
    QVERIFY(!f.lines().Load(0) && !f.lines().Load(1046));
  }
};

KV_TEST_MAIN(ToolbarsTest)
#include "test_toolbars.moc"
