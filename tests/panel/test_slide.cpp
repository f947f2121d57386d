#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "panel/image_button.h"
#include "panel/order_check_box.h"
#include "panel/panel.h"
#include "panel/panel_slide.h"
#include "toolbar_fixture.h"

using kv::test::ToolbarFixture;

namespace {

struct SlideFixture : ToolbarFixture {
  SlideFixture() {
    // One track unit, so a repaint can be seen.
    area->picScreen().LoadTrack(1, {150, 1500, 3000, 1500}, 10);
    t.session.model.TrackCount = 1;
  }
  QScrollBar* hsb() { return area->hsbScreen(); }
  QScrollBar* vsb() { return area->vsbScreen(); }
  QString Percent(int i) { return area->lblPerCent(i)->text(); }
  kv::ImageButton* Slide(int index) {
    return Find<kv::ImageButton>(QStringLiteral("imgBtnScroll_%1").arg(index));
  }
  int Repaints() { return area->picScreen().TrackRepaints(1); }
  // Holds slide button `index` for `ticks` ticks of 40 ms, then lets go.
  void Hold(int index, int ticks) {
    QTest::mousePress(Slide(index), Qt::LeftButton);
    for (int i = 0; i < ticks; ++i) t.scheduler.Advance(40);
    QTest::mouseRelease(Slide(index), Qt::LeftButton);
  }
};

}  // namespace

class SlideTest : public QObject {
  Q_OBJECT

 private slots:
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
    QFETCH(QString, text);
    SlideFixture f;
    QCOMPARE(f.Percent(1), QStringLiteral(" 0%"));
    QCOMPARE(f.Percent(2), QStringLiteral(" 0%"));
    (across ? f.hsb() : f.vsb())->setValue(value);
    QCOMPARE(f.Percent(across ? 1 : 2), text);
    const QPointF origin = f.area->picScreen().Origin();
    QCOMPARE(across ? origin.x() : origin.y(), double(value));
  }

  void theBarsHaveTheirRanges() {
    SlideFixture f;
    QCOMPARE(f.hsb()->maximum(), 32760);
    QCOMPARE(f.hsb()->singleStep(), 1);
    QCOMPARE(f.hsb()->pageStep(), 1);
    QCOMPARE(f.vsb()->maximum(), 32767);
    QCOMPARE(f.vsb()->singleStep(), 100);
    QCOMPARE(f.vsb()->pageStep(), 2600);
  }

  void aClickOnAPercentLabelReturnsToTheOrigin() {
    SlideFixture f;
    f.hsb()->setValue(5000);
    f.vsb()->setValue(32767);
    QTest::mouseClick(f.area->lblPerCent(2), Qt::LeftButton);
    QCOMPARE(f.hsb()->value(), 0);
    QCOMPARE(f.vsb()->value(), 0);
    QCOMPARE(f.Percent(1), QStringLiteral(" 0%"));
    QCOMPARE(f.Percent(2), QStringLiteral(" 0%"));
    QCOMPARE(f.area->picScreen().Origin(), QPointF(0, 0));
  }

  void aHeldSlideAcceleratesAndStopsAtOnceWhenLetGo() {
    SlideFixture f;
    QTest::mousePress(f.Slide(3), Qt::LeftButton);
    f.t.scheduler.Advance(39);
    QCOMPARE(f.hsb()->value(), 0);
    f.t.scheduler.Advance(1);
    QCOMPARE(f.hsb()->value(), 10);
    f.t.scheduler.Advance(40);
    QCOMPARE(f.hsb()->value(), 30);
    f.t.scheduler.Advance(40);
    QCOMPARE(f.hsb()->value(), 60);
    QCOMPARE(f.area->picScreen().Origin(), QPointF(60, 0));
    QCOMPARE(f.Repaints(), 0);
    QTest::mouseRelease(f.Slide(3), Qt::LeftButton);
    QCOMPARE(f.bars->slide().ScrollStep, 0);
    QVERIFY(!f.bars->slide().timPollKeys().Running());
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
    QFETCH(int, across);
    QFETCH(int, down);
    SlideFixture f;
    f.hsb()->setValue(1000);
    f.vsb()->setValue(1000);
    f.Hold(index, 2);
    QCOMPARE(f.hsb()->value(), across);
    QCOMPARE(f.vsb()->value(), down);
  }

  void aStepPastTheEndIsNotTaken() {
    SlideFixture f;
    f.hsb()->setValue(32705);
    // 32715, 32735; then 32765 and 32805 would pass 32760: the slide stops short.
    f.Hold(3, 4);
    QCOMPARE(f.hsb()->value(), 32735);
    QCOMPARE(f.Repaints(), 1);
  }

  void nothingIsRepaintedWhenBothBarsStandAtAnEnd() {
    SlideFixture f;
    f.Hold(0, 3);  // up from the top: no step is taken
    QCOMPARE(f.vsb()->value(), 0);
    QCOMPARE(f.Repaints(), 0);
    f.hsb()->setValue(32750);
    f.Hold(3, 2);  // 32760 exactly: the far end
    QCOMPARE(f.hsb()->value(), 32760);
    QCOMPARE(f.Repaints(), 0);
    f.vsb()->setValue(100);
    f.Hold(3, 1);  // across still at its end, but down stands inside
    QCOMPARE(f.Repaints(), 1);
  }

  void onlyTheLeftButtonSlides() {
    SlideFixture f;
    QTest::mousePress(f.Slide(3), Qt::RightButton);
    f.t.scheduler.Advance(200);
    QTest::mouseRelease(f.Slide(3), Qt::RightButton);
    QCOMPARE(f.hsb()->value(), 0);
    QVERIFY(!f.bars->slide().timPollKeys().Running());
  }

  void theOrderOptionFlipsOnEveryMouseUp() {
    SlideFixture f;
    auto* box = f.Find<kv::OrderCheckBox>(QStringLiteral("chkOrder"));
    QCOMPARE(box->Value(), 1);
    QCOMPARE(box->text(), QStringLiteral("superimpose"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(box->Value(), 2);
    QCOMPARE(box->checkState(), Qt::PartiallyChecked);
    QCOMPARE(box->text(), QStringLiteral("subordinate"));
    QVERIFY(box->OrderToggle);
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(6, box->height() / 2));
    QCOMPARE(box->Value(), 1);
    QCOMPARE(box->text(), QStringLiteral("superimpose"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    box->Reset();
    QCOMPARE(box->Value(), 1);
    QVERIFY(!box->OrderToggle);
  }
};

KV_TEST_MAIN(SlideTest)
#include "test_slide.moc"
