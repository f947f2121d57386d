#include <QBoxLayout>
#include <QRadioButton>
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
  // The heavy lines among 1..`last`.
  QList<int> Heavy(int last = GridItem::kLines) {
    QList<int> heavy;
    for (int i = 1; i <= last; ++i) {
      if (lines().BorderWidth(i) == 2) heavy << i;
    }
    return heavy;
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
  void everyButtonStandsInItsFrameWithItsPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("side");  // px
    QTest::newRow("track") << "imgBtnTrk" << "fraToolbar_1" << "gauge 10" << 32;
    QTest::newRow("picture") << "imgBtnImg" << "fraToolbar_1" << "" << 32;
    QTest::newRow("label") << "imgBtnLbl" << "fraToolbar_1" << "" << 32;
    QTest::newRow("signal") << "imgBtnSig" << "fraToolbar_1" << "" << 32;
    QTest::newRow("sensor") << "imgBtnAws" << "fraToolbar_1" << "" << 32;
    QTest::newRow("bore") << "imgBtnBore" << "fraGauge" << "tunnel" << 18;
    QTest::newRow("up") << "imgBtnScroll_0" << "fraBtnScroll" << "slide up" << 32;
    QTest::newRow("right") << "imgBtnScroll_3" << "fraBtnScroll" << "slide right" << 32;
    QTest::newRow("down") << "imgBtnScroll_6" << "fraBtnScroll" << "slide down" << 32;
    QTest::newRow("left") << "imgBtnScroll_9" << "fraBtnScroll" << "slide left" << 32;
    QTest::newRow("grid") << "imgBtnGrid" << "fraBtnGrid" << "mouse-click" << 32;
    QTest::newRow("dustbin") << "imgBtnTrash" << "fraBtnTrash" << "Dustbin" << 32;
    QTest::newRow("save") << "imgBtnSave" << "fraSave" << "cancel move" << 32;
    QTest::newRow("help") << "imgBtnHelp" << "fraToolbar_4" << "help" << 32;
    QTest::newRow("word processor") << "imgBtnWordPad" << "fraInfo" << "word processor" << 32;
    QTest::newRow("about") << "imgBtnAbout" << "fraInfo" << "about" << 32;
  }
  void everyButtonStandsInItsFrameWithItsPicture() {
    QFETCH(QString, name);
    QFETCH(int, side);
    Toolbars f;
    auto* button = f.Find<ImageButton>(name);
    QTEST(button->parentWidget()->objectName(), "frame");
    QTEST(button->toolTip(), "tip");
    QVERIFY2(!button->pixmap().isNull(), qPrintable(button->Picture()));
    QCOMPARE(button->size(), QSize(side, side));
  }

  void theFramesCarryTheirTexts() {
    Toolbars f;
    QCOMPARE(
        f.frames[1]->title() + "|" + f.frames[1]->toolTip(),
        "click here to backup path and object files| click any of these 5 objects to create one");
    const std::pair<const char*, const char*> captions[] = {
        {"fraBtnScroll", "slide layout"}, {"fraBtnGrid", "squares  5"},
        {"fraBtnMove", "move objects"},   {"fraBtnTrash", "object"},
        {"fraSave", "layouts"},           {"fraInfo", "    MS Wordpad          E-mail"}};
    for (const auto& [name, caption] : captions) {
      QCOMPARE(f.Find<ToolbarFrame>(QLatin1String(name))->title(), QLatin1String(caption));
    }
    QStringList options;
    for (int i = 0; i < 4; ++i) {
      auto* option = f.Find<QRadioButton>(QStringLiteral("optMove_%1").arg(i));
      options << option->text() + (option->isChecked() ? "*" : "");
    }
    QCOMPARE(options, (QStringList{"none*", " one", " some", "all items"}));
    QVERIFY(f.Find<ImageButton>(QStringLiteral("imgBtnBore"))->isHidden());
  }

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

  void theCaptionLinesUpOneAndTwoDigits_data() {
    QTest::addColumn<int>("squares");
    QTest::addColumn<QString>("caption");
    QTest::newRow("9") << 9 << "squares  9";
    QTest::newRow("10") << 10 << "squares 10";
  }
  void theCaptionLinesUpOneAndTwoDigits() {
    QFETCH(int, squares);
    Toolbars f;
    auto* frame = f.Find<QGroupBox>(QStringLiteral("fraBtnGrid"));
    QCOMPARE(frame->title(), QStringLiteral("squares  5"));  // from the start
    f.ClickGridButton();
    f.hsbGrid()->setValue(squares);
    QTEST(frame->title(), "caption");
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

  void heavyLinesFallByTheCountThatRunsAcrossRedraws() {
    Toolbars f;
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
    Toolbars f;
    f.ClickGridButton();
    f.hsbGrid()->setValue(50);  // the count from 0 ends at 1045 - 1000 = 45
    QCOMPARE(int(f.grid().GridWeightCount), 45);
    f.hsbGrid()->setValue(10);
    // 46 .. 254 never equals 10; line 210 wraps the count to 0, then every tenth is heavy.
    QCOMPARE(f.Heavy(219), QList<int>{});
    QCOMPARE(f.lines().BorderWidth(210), 1);
    QCOMPARE(f.Heavy(240), (QList<int>{220, 230, 240}));
    QCOMPARE(int(f.grid().GridWeightCount), (1045 - 210) % 10);
  }

  void theGridIsDrawnBehindTheLayoutInLightGrey() {
    Toolbars f;
    kv::Panel& panel = f.area->picScreen();
    panel.LoadTrack(1, {0, 1500, 3000, 1500}, 4);
    f.ClickGridButton();
    const QImage shot = panel.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    const QRgb white = qRgb(255, 255, 255);
    // Horizontal line 1 at 75 twips, vertical line 500 at 0.
    QCOMPARE(QList<QRgb>({shot.pixel(2, 5), shot.pixel(0, 2), shot.pixel(2, 3)}),
             QList<QRgb>({grey, grey, white}));
    QCOMPARE(QList<QRgb>({shot.pixel(50, 98), shot.pixel(50, 100)}),
             QList<QRgb>({qRgb(0, 0, 0), white}));
    QCOMPARE(QList<QRgb>({shot.pixel(2, 124), shot.pixel(2, 125), shot.pixel(2, 126)}),
             QList<QRgb>({grey, grey, white}));
  }
};

KV_TEST_MAIN(ToolbarsTest)
#include "test_toolbars.moc"
