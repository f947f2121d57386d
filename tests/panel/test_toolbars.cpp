#include <QDir>
#include <QHelpEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>

#include "panel/image_button.h"
#include "toolbar_fixture.h"

using kv::ImageButton;
using kv::ToolbarFrame;
using kv::test::ToolbarFixture;

class ToolbarsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyButtonStandsInItsFrameWithItsPicture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("tip");
    QTest::newRow("track") << "imgBtnTrk" << "fraToolbar_1" << "gauge 10";
    QTest::newRow("picture") << "imgBtnImg" << "fraToolbar_1" << "";
    QTest::newRow("label") << "imgBtnLbl" << "fraToolbar_1" << "";
    QTest::newRow("signal") << "imgBtnSig" << "fraToolbar_1" << "";
    QTest::newRow("sensor") << "imgBtnAws" << "fraToolbar_1" << "";
    QTest::newRow("bore") << "imgBtnBore" << "fraToolbar_1" << "tunnel";
    QTest::newRow("up") << "imgBtnScroll_0" << "fraBtnScroll" << "slide up";
    QTest::newRow("right") << "imgBtnScroll_3" << "fraBtnScroll" << "slide right";
    QTest::newRow("down") << "imgBtnScroll_6" << "fraBtnScroll" << "slide down";
    QTest::newRow("left") << "imgBtnScroll_9" << "fraBtnScroll" << "slide left";
    QTest::newRow("grid") << "imgBtnGrid" << "fraBtnGrid" << "mouse-click";
    QTest::newRow("dustbin") << "imgBtnTrash" << "fraBtnTrash" << "Dustbin";
    QTest::newRow("save") << "imgBtnSave" << "fraSave" << "cancel move";
    QTest::newRow("help") << "imgBtnHelp" << "fraToolbar_4" << "help";
    QTest::newRow("word processor") << "imgBtnWordPad" << "fraInfo" << "word processor";
    QTest::newRow("about") << "imgBtnAbout" << "fraInfo" << "about";
  }
  void everyButtonStandsInItsFrameWithItsPicture() {
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QString, tip);
    ToolbarFixture f;
    auto* button = f.Find<ImageButton>(name);
    QCOMPARE(button->parentWidget()->objectName(), frame);
    QCOMPARE(button->toolTip(), tip);
    QVERIFY2(!button->pixmap().isNull(), qPrintable(button->Picture()));
    QCOMPARE(button->size(), QSize(32, 32));
  }

  void theFramesCarryTheirTexts() {
    ToolbarFixture f;
    QCOMPARE(f.frames[1]->title(), QStringLiteral("click here to backup path and object files"));
    QCOMPARE(f.frames[1]->toolTip(), QStringLiteral(" click any of these 5 objects to create one"));
    const std::pair<const char*, const char*> captions[] = {
        {"fraBtnScroll", "slide layout"}, {"fraBtnGrid", "squares"},
        {"fraBtnMove", "move objects"},   {"fraBtnTrash", "object"},
        {"fraSave", "layouts"},           {"fraInfo", "    MS Wordpad          E-mail"}};
    for (const auto& [name, caption] : captions) {
      QCOMPARE(f.Find<ToolbarFrame>(QLatin1String(name))->title(), QLatin1String(caption));
    }
    const char* options[] = {"none", " one", " some", "all items"};
    for (int i = 0; i < 4; ++i) {
      auto* option = f.Find<QRadioButton>(QStringLiteral("optMove_%1").arg(i));
      QCOMPARE(option->text(), QLatin1String(options[i]));
      QCOMPARE(option->isChecked(), i == 0);
    }
    QVERIFY(f.Find<ImageButton>(QStringLiteral("imgBtnBore"))->isHidden());
  }

  void theCreateButtonsOfferTheNextNumber() {
    ToolbarFixture f;
    f.t.session.model.ImageCount = 3;
    f.t.session.model.SensorCount = 255;
    auto* picture = f.Find<ImageButton>(QStringLiteral("imgBtnImg"));
    QTest::mouseMove(picture, QPoint(10, 10));
    QCOMPARE(picture->toolTip(), QStringLiteral(" 4"));
    auto* sensor = f.Find<ImageButton>(QStringLiteral("imgBtnAws"));
    QTest::mouseMove(sensor, QPoint(10, 10));
    QCOMPARE(sensor->toolTip(), QStringLiteral(" 256"));
    f.t.session.model.LabelCount = 0;
    auto* label = f.Find<ImageButton>(QStringLiteral("imgBtnLbl"));
    QTest::mouseMove(label, QPoint(10, 10));
    QCOMPARE(label->toolTip(), QStringLiteral(" 1"));
  }

  void aClickInsideAToolbarIsNoBackupClick() {
    // Only a click on a toolbar frame itself asks for the backup; the frames and buttons
    // inside it take their own.
    ToolbarFixture f;
    QSignalSpy backup(f.frames[2], &ToolbarFrame::frameClicked);
    auto* scroll = f.Find<ToolbarFrame>(QStringLiteral("fraBtnScroll"));
    QTest::mouseClick(scroll, Qt::LeftButton, {}, QPoint(3, scroll->height() - 3));
    QTest::mouseClick(f.Find<ImageButton>(QStringLiteral("imgBtnScroll_3")), Qt::LeftButton);
    QCOMPARE(backup.size(), 0);
    QTest::mouseClick(f.frames[2], Qt::LeftButton, {}, QPoint(2, f.frames[2]->height() - 2));
    QCOMPARE(backup.size(), 1);
  }

  void everyPictureIsAValidSquareDrawing() {
    const QDir folder(QStringLiteral(":/resources/buttons"));
    const QStringList names = folder.entryList({QStringLiteral("*.svg")});
    QCOMPARE(names.size(), 27);
    for (const QString& name : names) {
      QSvgRenderer renderer(folder.filePath(name));
      QVERIFY2(renderer.isValid(), qPrintable(name));
      QCOMPARE(renderer.viewBox(), QRect(0, 0, 32, 32));
    }
  }
};

KV_TEST_MAIN(ToolbarsTest)
#include "test_toolbars.moc"
