#include <QScrollBar>
#include <QTest>

#include "panel/grid.h"
#include "panel/grid_item.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "toolbar_fixture.h"

using kv::GridItem;
using kv::test::ToolbarFixture;

namespace {

struct GridFixture : ToolbarFixture {
  GridItem& lines() { return area->picScreen().linGrid(); }
  kv::Grid& grid() { return bars->grid(); }
  QScrollBar* hsbGrid() { return Find<QScrollBar>(QStringLiteral("hsbGrid")); }
  void ClickGridButton() {
    QTest::mouseClick(Find<kv::ImageButton>(QStringLiteral("imgBtnGrid")), Qt::LeftButton);
  }
  // The heavy lines among 1..`last`.
  QList<int> Heavy(int last = GridItem::kLines) {
    QList<int> heavy;
    for (int i = 1; i <= last; ++i) {
      if (lines().BorderWidth(i) == 2) heavy << i;
    }
    return heavy;
  }
};

}  // namespace

class GridTest : public QObject {
  Q_OBJECT

 private slots:
  void theCaptionLinesUpOneAndTwoDigits_data() {
    QTest::addColumn<int>("squares");
    QTest::addColumn<QString>("caption");
    QTest::newRow("5") << 5 << "squares  5";
    QTest::newRow("9") << 9 << "squares  9";
    QTest::newRow("10") << 10 << "squares 10";
    QTest::newRow("50") << 50 << "squares 50";
  }
  void theCaptionLinesUpOneAndTwoDigits() {
    QFETCH(int, squares);
    QFETCH(QString, caption);
    GridFixture f;
    auto* frame = f.Find<QGroupBox>(QStringLiteral("fraBtnGrid"));
    QCOMPARE(frame->title(), QStringLiteral("squares"));  // until the spacing first changes
    f.ClickGridButton();
    f.hsbGrid()->setValue(squares == 5 ? 6 : 5);
    f.hsbGrid()->setValue(squares);
    QCOMPARE(frame->title(), caption);
  }

  void theGridButtonLoadsAndUnloadsEveryLine() {
    GridFixture f;
    QCOMPARE(f.lines().LoadedCount(), 0);
    QVERIFY(f.hsbGrid()->isHidden());
    auto* button = f.Find<kv::ImageButton>(QStringLiteral("imgBtnGrid"));
    const Qt::CursorShape before = button->cursor().shape();
    f.ClickGridButton();
    QVERIFY(f.grid().GridOn);
    QVERIFY(!f.grid().GridLoadPending);
    QCOMPARE(f.lines().LoadedCount(), 1045);
    QVERIFY(!f.hsbGrid()->isHidden());
    QCOMPARE(f.hsbGrid()->value(), 5);
    QCOMPARE(button->cursor().shape(), before);
    for (int i = 1; i <= 1045; ++i) QVERIFY(f.lines().IsVisible(i));
    QCOMPARE(f.lines().Line(1), QLineF(0, 75, 43300, 75));
    QCOMPARE(f.lines().Line(499), QLineF(0, 37425, 43300, 37425));
    QCOMPARE(f.lines().Line(500), QLineF(0, 0, 0, 35000));
    QCOMPARE(f.lines().Line(1045), QLineF(40875, 0, 40875, 35000));

    f.ClickGridButton();
    QVERIFY(!f.grid().GridOn);
    QCOMPARE(f.lines().LoadedCount(), 0);
    QVERIFY(f.hsbGrid()->isHidden());

    f.ClickGridButton();
    QCOMPARE(f.lines().LoadedCount(), 1045);
    QVERIFY(!f.hsbGrid()->isHidden());
  }

  void heavyLinesFallByTheCountThatRunsAcrossRedraws() {
    GridFixture f;
    f.ClickGridButton();  // spacing 5, the count from 0: 1045 lines end on a heavy one
    QCOMPARE(f.Heavy(16), (QList<int>{5, 10, 15}));
    QCOMPARE(f.Heavy().size(), 209);
    QCOMPARE(int(f.grid().GridWeightCount), 0);

    f.hsbGrid()->setValue(7);  // re-laid without reloading: 1045 = 149 x 7 + 2
    QCOMPARE(f.Heavy(22), (QList<int>{7, 14, 21}));
    QCOMPARE(int(f.grid().GridWeightCount), 2);

    // Hidden and shown again, the count goes on from 2: heavy at 5, 12, 19.
    f.ClickGridButton();
    f.ClickGridButton();
    QCOMPARE(f.Heavy(22), (QList<int>{5, 12, 19}));
    QCOMPARE(f.lines().BorderWidth(7), 1);
  }

  void aSpacingBelowTheCountLeavesLinesLightUntilTheCountWraps() {
    GridFixture f;
    f.ClickGridButton();
    f.hsbGrid()->setValue(50);  // the count from 0 ends at 1045 - 1000 = 45
    QCOMPARE(int(f.grid().GridWeightCount), 45);
    QCOMPARE(f.lines().BorderWidth(210), 1);
    f.hsbGrid()->setValue(10);
    // 46 .. 254 never equals 10: lines 1 to 209 light; line 210 wraps the count to 0 and keeps
    // its width; from there every tenth line is heavy again.
    QCOMPARE(f.Heavy(219), QList<int>{});
    QCOMPARE(f.lines().BorderWidth(210), 1);
    QCOMPARE(f.Heavy(240), (QList<int>{220, 230, 240}));
    QCOMPARE(int(f.grid().GridWeightCount), (1045 - 210) % 10);
  }

  void unloadingWhatIsNotLoadedIsPassedOver() {
    GridFixture f;
    f.grid().DrawGrid();  // off: every line unloaded, none was loaded
    QCOMPARE(f.lines().LoadedCount(), 0);
    QVERIFY(!f.lines().Unload(1));
    QVERIFY(!f.lines().Load(0));
    QVERIFY(!f.lines().Load(1046));
  }

  void theGridIsDrawnBehindTheLayoutInLightGrey() {
    GridFixture f;
    kv::Panel& panel = f.area->picScreen();
    panel.LoadTrack(1, {0, 1500, 3000, 1500}, 4);
    f.ClickGridButton();
    const QImage shot = panel.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    QCOMPARE(shot.pixel(2, 5), grey);             // horizontal line 1 at 75 twips
    QCOMPARE(shot.pixel(0, 2), grey);             // vertical line 500 at 0
    QCOMPARE(shot.pixel(2, 3), qRgb(255, 255, 255));
    QCOMPARE(shot.pixel(50, 98), qRgb(0, 0, 0));  // the track covers grid line 20
    QCOMPARE(shot.pixel(50, 100), qRgb(255, 255, 255));
    // Line 25 (at 125 px) is heavy: two pixels wide.
    QCOMPARE(shot.pixel(2, 124), grey);
    QCOMPARE(shot.pixel(2, 125), grey);
    QCOMPARE(shot.pixel(2, 126), qRgb(255, 255, 255));
  }
};

KV_TEST_MAIN(GridTest)
#include "test_grid.moc"
