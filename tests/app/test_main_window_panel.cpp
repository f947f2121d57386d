#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "app/main_window.h"
#include "panel/grid.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_toolbars.h"
#include "support/test_session.h"

using kv::test::TestSession;

class MainWindowPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void thePanelFillsTheHostUnderTheToolbars() {
    TestSession t;
    t.session.model.ProgMode = kv::kModify;
    kv::MainWindow main(t.session);
    main.ShowModeToolbars();
    main.show();
    auto* host = main.findChild<QWidget*>(QStringLiteral("panelHost"));
    QVERIFY(host);
    kv::Panel& panel = main.picScreen();
    QVERIFY(host->isAncestorOf(&panel));
    for (const char* name : {"hsbScreen", "vsbScreen", "lblPerCent_1", "lblPerCent_2"}) {
      auto* control = host->findChild<QWidget*>(QLatin1String(name));
      QVERIFY2(control && control->isVisible(), name);
    }
    QVERIFY(panel.width() > 1000 && panel.height() > 500);
    // The slide buttons sit in the slide toolbar, the grid button in the edit toolbar.
    auto* slideBar = main.findChild<QWidget*>(QStringLiteral("fraToolbar_2"));
    for (int index : {0, 3, 6, 9}) {
      QVERIFY(slideBar->findChild<kv::ImageButton*>(QStringLiteral("imgBtnScroll_%1").arg(index)));
    }
    auto* editBar = main.findChild<QWidget*>(QStringLiteral("fraToolbar_3"));
    auto* gridButton = editBar->findChild<kv::ImageButton*>(QStringLiteral("imgBtnGrid"));
    QVERIFY(gridButton && gridButton->isVisible());
    QTest::mouseClick(gridButton, Qt::LeftButton);
    QVERIFY(main.panelToolbars().grid().GridOn);
    QVERIFY(main.findChild<QScrollBar*>(QStringLiteral("hsbGrid"))->isVisible());
  }

  void aHeldSlideButtonMovesTheWindowsPanelOnItsTimer() {
    TestSession t;
    t.session.model.ProgMode = kv::kOperate;
    kv::MainWindow main(t.session);
    main.show();
    auto* down = main.findChild<kv::ImageButton*>(QStringLiteral("imgBtnScroll_6"));
    QTest::mousePress(down, Qt::LeftButton);
    t.scheduler.Advance(120);
    QTest::mouseRelease(down, Qt::LeftButton);
    QCOMPARE(main.picScreen().Origin(), QPointF(0, 60));
    QCOMPARE(main.findChild<QScrollBar*>(QStringLiteral("vsbScreen"))->value(), 60);
  }
};

KV_TEST_MAIN(MainWindowPanelTest)
#include "test_main_window_panel.moc"
