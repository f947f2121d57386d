#include <QApplication>
#include <QBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "base/session.h"
#include "panel/image_button.h"
#include "panel/object_creation.h"
#include "panel/order_check_box.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/panel_editor.h"
#include "panel/panel_toolbars.h"
#include "panel/toolbar_frame.h"
#include "support/find_control.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::PanelObject;
using kv::TrackEnds;

namespace {

// The panel under its toolbars with the editor and the create buttons, in Modify mode.
struct Editing {
  Editing() {
    kv::test::UseLayout(t);
    t.session.model.ProgMode = kv::kModify;
    auto* column = new QVBoxLayout(&host);
    auto* strip = new QHBoxLayout;
    column->addLayout(strip);
    std::array<kv::ToolbarFrame*, 5> frames{};
    for (int i = 1; i <= 4; ++i) {
      frames[i] = new kv::ToolbarFrame(QStringLiteral("fraToolbar_%1").arg(i), QString(), &host);
      strip->addWidget(frames[i]);
    }
    area = new kv::PanelArea(t.session, &host);
    column->addWidget(area, 1);
    toolbars = new kv::PanelToolbars(t.session, *area, frames, &host);
    editor = new kv::PanelEditor(t.session, *area, host, &host);
    creation = new kv::ObjectCreation(t.session, *area, *editor, host, &host);
    QObject::connect(editor, &kv::PanelEditor::kindDeleted, toolbars,
                     &kv::PanelToolbars::ShowCountAfterDeletion);
    host.resize(1280, 700);
    host.show();
  }
  kv::Panel& panel() { return area->picScreen(); }
  kv::LayoutModel& m() { return t.session.model; }
  template <typename T = QWidget>
  T* Find(const QString& name) {
    return kv::test::Find<T>(&host, name);
  }
  void Click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Find(name), button);
  }
  // Units i = 1..n from (750 i, 600) to (750 i, 1500), as read from track.txt.
  void Tracks(int n, bool numbers = false) {
    m().ShowNumbers = numbers;
    for (int i = 1; i <= n; ++i) {
      panel().LoadTrack(i, {750.0 * i, 600, 750.0 * i, 1500}, 10);
      panel().PlaceTrackNumber(i);
      panel().KeepAsSaved(PanelObject::kTrackNumber, i);
      m().TrackGauge[i] = 10;
    }
    m().TrackCount = static_cast<std::uint8_t>(n);
  }
  // Sensor i as read from sensor.txt.
  void Sensor(int i, double x, double y) {
    panel().LoadSensor(i, x, y);
    panel().KeepAsSaved(PanelObject::kSensor, i);
    m().SensorCount = static_cast<std::uint8_t>(qMax<int>(i, m().SensorCount));
  }
  // A mouse event on the panel at a point in twips, with the buttons held after it.
  void Send(QEvent::Type type, QPointF twips, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPointF at = (twips - panel().Origin()) / 15.0;
    QMouseEvent event(type, at, panel().viewport()->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(panel().viewport(), &event);
  }
  void Drag(QPointF from, QPointF to, Qt::MouseButton button = Qt::LeftButton) {
    Send(QEvent::MouseButtonPress, from, button, button);
    Send(QEvent::MouseMove, to, Qt::NoButton, button);
    Send(QEvent::MouseButtonRelease, to, button, Qt::NoButton);
  }
  // A click 3 pixels inside the object's top left corner.
  void ClickObject(PanelObject kind, int i, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at = panel().TopLeft(kind, i) + QPointF(45, 45);
    Send(QEvent::MouseButtonPress, at, button, button);
    Send(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }

  kv::test::TestSession t;
  QWidget host;
  kv::PanelArea* area = nullptr;
  kv::PanelToolbars* toolbars = nullptr;
  kv::PanelEditor* editor = nullptr;
  kv::ObjectCreation* creation = nullptr;
};

QLineF Line(const TrackEnds& e) {
  return QLineF(e.x1, e.y1, e.x2, e.y2);
}

}  // namespace

class EditingTest : public QObject {
  Q_OBJECT

 private slots:
  // The gauge's line widths are the panel's own test; here the unit's place and its number.
  void aNewUnitLiesOnTheVisiblePanelAtTheGauge() {
    Editing e;
    e.Tracks(2, true);
    e.m().CurGauge = 3;
    e.area->hsbScreen()->setValue(3000);
    e.area->vsbScreen()->setValue(2000);
    e.Click("imgBtnTrk");
    QCOMPARE(
        QList<int>({e.m().TrackCount, e.m().TrackGauge[3], e.panel().linBlack(3)->BorderWidth()}),
        QList<int>({3, 3, 3}));
    QCOMPARE(Line(e.panel().TrackPosition(3)), QLineF(9000, 3500, 10000, 4500));
    QCOMPARE(e.panel().TopLeft(PanelObject::kTrackNumber, 3), QPointF(9500, 4000));
    QVERIFY(e.panel().linBlack(3)->zValue() > e.panel().linColor(1)->zValue());
    QCOMPARE(e.panel().viewport()->cursor().shape(), Qt::CrossCursor);
  }

  void oneMovesThePictureUnderThePointer() {
    Editing e;
    kv::test::WriteBitmap(e.t, "\\data\\shed.bmp");
    e.panel().LoadImage(1, "\\data\\shed.bmp", "", 300, 450, true, nullptr);
    e.m().ImageCount = 1;
    e.Click("optMove_1");
    QCOMPARE(e.Find<kv::ToolbarFrame>("fraBtnMove")->title(), QStringLiteral("move one item"));
    e.ClickObject(PanelObject::kImage, 1);
    QVERIFY(e.m().ImageSel[1]);
    e.Send(QEvent::MouseButtonPress, {3000, 1500}, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(e.panel().ImagePosition(1), QPointF(3000, 1500));
    e.Send(QEvent::MouseMove, {4500, 1200}, Qt::NoButton, Qt::LeftButton);
    QCOMPARE(e.area->lblPointer()->text(), QStringLiteral("4500, 1200 twips   square 61, 17"));
    e.Send(QEvent::MouseButtonRelease, {4500, 1200}, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!e.m().ImageSel[1]);
    QCOMPARE(e.area->lblPointer()->text(), QString());
    // A fresh selection is needed: the next press moves nothing.
    e.Drag({6000, 1500}, {6150, 1500});
    QCOMPARE(e.panel().ImagePosition(1), QPointF(4500, 1200));
  }

  void someMovesTheLabelsByTheAnchorsJump() {
    Editing e;
    kv::LabelLook look{"PLATFORM", 0, false, false, false, "DejaVu Sans", 10};
    e.panel().LoadLabel(1, look, 900, 1800);
    e.panel().LoadLabel(2, look, 3000, 600);
    e.m().LabelCount = 2;
    e.Click("optMove_2");
    e.ClickObject(PanelObject::kLabel, 1);
    e.ClickObject(PanelObject::kLabel, 2);  // the anchor
    e.Drag({6000, 3000}, {6150, 3075});
    QCOMPARE(e.panel().LabelPosition(2), QPointF(6150, 3075));
    QCOMPARE(e.panel().LabelPosition(1), QPointF(4050, 4275));
  }

  void oneWithTheRightButtonMovesTheSecondEndAndRecentresTheNumber() {
    Editing e;
    e.Tracks(1, true);
    e.Click("optMove_1");
    e.ClickObject(PanelObject::kTrackNumber, 1);
    QVERIFY(e.m().TrackSel[1]);
    e.Drag({3000, 3000}, {3750, 1500}, Qt::RightButton);
    QCOMPARE(Line(e.panel().TrackPosition(1)), QLineF(750, 600, 3750, 1500));
    QCOMPARE(e.panel().linColor(1)->line(), QLineF(750, 600, 3750, 1500));
    QCOMPARE(e.panel().TopLeft(PanelObject::kTrackNumber, 1), QPointF(2250, 1050));
  }

  void deletingUnitThreeOfFiveRewritesTrackFileAndUndoPutsItBack() {
    Editing e;
    e.Tracks(5, true);
    e.Sensor(1, 300, 300);
    e.Click("optMove_1");
    e.ClickObject(PanelObject::kTrackNumber, 3);
    e.Click("imgBtnTrash");
    QCOMPARE(int(e.m().TrackCount), 4);
    QCOMPARE(
        kv::test::ReadLayoutFile(e.t, "track.txt"),
        QByteArray("\"track 1\",750,600,750,1500,10\r\n\"track 2\",1500,600,1500,1500,10\r\n"
                   "\"track 4\",3000,600,3000,1500,10\r\n\"track 5\",3750,600,3750,1500,10\r\n"));
    QVERIFY(e.Find<QRadioButton>("optMove_0")->isChecked());
    QCOMPARE(int(e.editor->Move().MoveMode), 0);
    QCOMPARE(e.panel().TopLeft(PanelObject::kTrackNumber, 3), QPointF(3000, 1050));
    QCOMPARE(e.panel().lblTrk(3)->toolTip() + e.panel().lblTrk(3)->Caption(), QStringLiteral("33"));
    QVERIFY(!e.panel().linBlack(5));
    // Renumbered at once: all five remaining objects move with "all items".
    e.Click("optMove_3");
    e.ClickObject(PanelObject::kSensor, 1);
    e.Drag({1300, 300}, {1300, 300});
    QCOMPARE(e.panel().SensorPosition(1), QPointF(1300, 300));
    for (int i = 1; i <= 4; ++i) QCOMPARE(e.panel().TrackPosition(i).y1, 600.0);
    QCOMPARE(e.panel().TrackPosition(4).x1, 4750.0);
    // Undo the move, then the deletion: unit 3 is back on the panel and in the file.
    e.editor->Undo();
    QCOMPARE(e.panel().SensorPosition(1), QPointF(300, 300));
    e.editor->Undo();
    QCOMPARE(int(e.m().TrackCount), 5);
    QCOMPARE(Line(e.panel().TrackPosition(3)), QLineF(2250, 600, 2250, 1500));
    QVERIFY(kv::test::ReadLayoutFile(e.t, "track.txt")
                .contains("\"track 3\",2250,600,2250,1500,10\r\n\"track 4\",3000,600"));
    e.editor->Redo();
    QCOMPARE(int(e.m().TrackCount), 4);
    QVERIFY(!kv::test::ReadLayoutFile(e.t, "track.txt").contains("2250"));
  }

  void aDeletionWritesNothingElseUnsavedOfItsKind() {
    Editing e;
    e.Tracks(3, true);
    e.Sensor(1, 300, 300);
    const QByteArray saved =
        "\"track 1\",750,600,750,1500,10\r\n\"track 2\",1500,600,1500,1500,10\r\n"
        "\"track 3\",2250,600,2250,1500,10\r\n";
    kv::test::WriteLayoutFile(e.t, "track.txt", saved);
    // Everything 1000 twips to the right, and a new unit 4: neither saved.
    e.Click("optMove_3");
    e.ClickObject(PanelObject::kSensor, 1);
    e.Drag({1300, 300}, {1300, 300});
    e.Click("imgBtnTrk");
    e.ClickObject(PanelObject::kTrackNumber, 2);
    e.Click("imgBtnTrash");
    QCOMPARE(
        kv::test::ReadLayoutFile(e.t, "track.txt"),
        QByteArray("\"track 1\",750,600,750,1500,10\r\n\"track 3\",2250,600,2250,1500,10\r\n"));
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "sensor.txt"), QByteArray("<missing>"));
    QCOMPARE(Line(e.panel().TrackPosition(2)), QLineF(3250, 600, 3250, 1500));
    e.editor->Undo();
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "track.txt"), saved);
  }

  void theDustbinWithNothingSelectedOnlyResetsTheMoveMode() {
    Editing e;
    e.Tracks(2);
    e.Sensor(1, 0, 0);
    kv::test::WriteLayoutFile(e.t, "track.txt", "as it was");
    e.Click("optMove_2");
    e.ClickObject(PanelObject::kTrackNumber, 1);  // hidden: the click falls on the panel
    e.Click("imgBtnTrash");
    QCOMPARE(int(e.m().TrackCount), 2);
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "track.txt"), QByteArray("as it was"));
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "sensor.txt"), QByteArray("<missing>"));
    QVERIFY(e.Find<QRadioButton>("optMove_0")->isChecked());
    QCOMPARE(e.Find<kv::ToolbarFrame>("fraBtnMove")->title(), QStringLiteral("move some items"));
    QVERIFY(!e.editor->History().CanUndo());
  }

  void aKeptFileLosesNothingToTheDustbin() {
    Editing e;
    e.Sensor(1, 0, 0);
    e.Sensor(2, 150, 0);
    kv::test::WriteLayoutFile(e.t, "sensor.txt", "0,0\r\n150,0\r\nbad\r\n");
    e.m().KeptFiles << kv::KeptFile{e.m().SensorFile, 3, "not a number"};
    e.editor->ObjectClick(PanelObject::kSensor, 2, Qt::LeftButton);
    e.Click("imgBtnTrash");
    QVERIFY(e.m().SensorCount == 2 && e.panel().txtAws(2));
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "sensor.txt"), QByteArray("0,0\r\n150,0\r\nbad\r\n"));
    QCOMPARE(e.t.dialogs.Last().text,
             QStringLiteral("The sensors cannot be deleted or put back: %1 (its reading stopped "
                            "at line 3) is kept as it is until it is mended, so it is not "
                            "rewritten.")
                 .arg(e.m().SensorFile));
  }

  void aFileThatCannotBeWrittenKeepsItsObjects() {
    Editing e;
    e.Sensor(1, 0, 0);
    e.Sensor(2, 150, 0);
    const QString file = e.m().SensorFile;
    const auto writable = [&](bool yes) {
      QFile::setPermissions(file, yes ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner);
    };
    kv::test::WriteLayoutFile(e.t, "sensor.txt", "0,0\r\n150,0\r\n");
    writable(false);
    e.editor->ObjectClick(PanelObject::kSensor, 2, Qt::LeftButton);
    e.Click("imgBtnTrash");
    QCOMPARE(int(e.m().SensorCount), 2);
    QCOMPARE(e.t.dialogs.Last().title + "|" + e.t.dialogs.Last().text,
             file + "|You need to uncheck the Read Only box");  // message 4
    QVERIFY(!e.editor->History().CanUndo());
    // Deleted, then undone while the file cannot be written: the deletion stands, undoable still.
    writable(true);
    e.editor->ObjectClick(PanelObject::kSensor, 2, Qt::LeftButton);
    e.Click("imgBtnTrash");
    writable(false);
    e.editor->Undo();
    QCOMPARE(int(e.m().SensorCount), 1);
    QVERIFY(e.editor->History().CanUndo() && !e.editor->History().CanRedo());
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "sensor.txt"), QByteArray("0,0\r\n"));
    writable(true);
    e.editor->Undo();
    QCOMPARE(e.panel().SensorPosition(2), QPointF(150, 0));
    QCOMPARE(kv::test::ReadLayoutFile(e.t, "sensor.txt"), QByteArray("0,0\r\n150,0\r\n"));
  }

  void sensorsAreNumberedOnAndTheirButtonsTipFollowsTheCount() {
    Editing e;
    e.Sensor(1, 0, 0);
    e.Sensor(2, 150, 0);
    e.m().SensorIdx = 1;  // box 1 clicked last: the new box is still number 3
    e.area->hsbScreen()->setValue(450);
    e.Click("imgBtnAws");
    QCOMPARE(e.panel().SensorPosition(3), QPointF(1450, 150));
    QCOMPARE(e.panel().txtAws(3)->toolTip(), QStringLiteral("sensor 3"));
    QTest::mouseMove(e.Find("imgBtnAws"), QPoint(5, 5));
    QTest::mouseMove(e.Find("imgBtnAws"), QPoint(8, 8));
    QCOMPARE(e.Find("imgBtnAws")->toolTip(), QStringLiteral(" 4"));
    e.editor->ObjectClick(PanelObject::kSensor, 1, Qt::LeftButton);
    e.Click("imgBtnTrash");
    QCOMPARE(e.Find("imgBtnAws")->toolTip() + "|" + e.panel().txtAws(1)->toolTip(),
             QStringLiteral("2|sensor 1"));
    QCOMPARE(e.panel().SensorPosition(1), QPointF(150, 0));
  }

  void aPictureLandsAtTheSlideInFrontOrBehind_data() {
    QTest::addColumn<bool>("subordinate");
    QTest::newRow("superimpose") << false;
    QTest::newRow("subordinate") << true;
  }
  void aPictureLandsAtTheSlideInFrontOrBehind() {
    QFETCH(bool, subordinate);
    Editing e;
    e.Tracks(1);
    kv::test::WriteBitmap(e.t, "\\data\\pictures\\shed.bmp");
    if (subordinate) e.Find<kv::OrderCheckBox>("chkOrder")->chkOrder_MouseUp();
    e.area->hsbScreen()->setValue(2000);
    e.area->vsbScreen()->setValue(1000);
    e.t.dialogs.QueueText(e.t.Path("\\data\\pictures\\shed.bmp"));
    e.t.dialogs.QueueText("Goods shed");
    e.Click("imgBtnImg");
    const kv::DialogRecord fetch = e.t.dialogs.Transcript().first();
    QCOMPARE(QStringList({fetch.title, fetch.text, fetch.defaultText}),
             QStringList({"Fetch a picture (e.g. a drawing in MS 'Paint')",
                          "Bitmap files (*.bmp)|*.bmp", e.t.Path("\\data\\pictures")}));
    QCOMPARE(int(e.m().ImageCount), 1);
    QCOMPARE(e.panel().ImagePosition(1), QPointF(2050, 1150));
    QCOMPARE(e.m().ImagePicture[1] + "|" + e.panel().imgImage(1)->toolTip(),
             QStringLiteral("\\data\\pictures\\shed.bmp|Goods shed"));
    QCOMPARE(e.m().ImageOnTop[1], !subordinate);
    QVERIFY(e.m().ImageSel[1]);
    QCOMPARE(e.panel().imgImage(1)->zValue() < e.panel().linBlack(1)->zValue(), subordinate);
  }

  void aPictureFromElsewhereIsCopiedInOrNotAddedAtAll_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");  // "": nothing added
    QTest::addColumn<QString>("said");    // the last dialog's title
    QTest::newRow("yes") << "shed.bmp" << int(kv::msg::kYes) << "\\data\\pictures\\shed (2).bmp"
                         << "My Layout\\image.txt";
    QTest::newRow("no") << "shed.bmp" << int(kv::msg::kNo) << ""
                        << "picture outside the program folder";
    QTest::newRow("path over 100") << QString(90, 'x') + ".bmp" << int(kv::msg::kYes) << ""
                                   << "picture not added";
    QTest::newRow("not a bitmap") << "notes.bmp" << int(kv::msg::kYes) << ""
                                  << "Fetch a picture (e.g. a drawing in MS 'Paint')";
  }
  void aPictureFromElsewhereIsCopiedInOrNotAddedAtAll() {
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    Editing e;
    QTemporaryDir elsewhere;
    const QString file = elsewhere.filePath(name);
    if (name == "notes.bmp") {
      QFile out(file);
      QVERIFY(out.open(QIODevice::WriteOnly) && out.write("not a picture") > 0);
    } else {
      QImage image(4, 4, QImage::Format_RGB32);
      image.fill(Qt::red);
      QVERIFY(image.save(file, "BMP"));
    }
    kv::test::WriteBitmap(e.t, "\\data\\pictures\\shed.bmp");  // another picture of that name
    e.t.dialogs.QueueText(file);
    e.t.dialogs.QueueButton(answer);
    e.t.dialogs.QueueText("tip");
    e.Click("imgBtnImg");
    QCOMPARE(e.t.dialogs.Transcript().at(1).title,
             QStringLiteral("picture outside the program folder"));
    QTEST(e.t.dialogs.Last().title, "said");
    QCOMPARE(QList<int>({e.m().ImageCount, e.m().ImageIdx}),
             QList<int>(2, stored.isEmpty() ? 0 : 1));
    QCOMPARE(e.m().ImagePicture[1], stored);
    QVERIFY(stored.isEmpty() || e.t.Exists(stored));
  }

  // What image.txt cannot hold is not taken: a tool-tip is asked for again, a path refused.
  void aTipOrPathImageFileCannotHoldIsNotTaken_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("tip");  // "": nothing added
    QTest::addColumn<QString>("said");
    QTest::newRow("tip with a double quote")
        << "\\data\\pictures\\shed.bmp"
        << "Flyer shed"
        << "The tool-tip cannot be kept in a layout: the text \"The \"Flyer\" shed\" holds a "
           "double quote, which these files cannot store. Type it again.";
    QTest::newRow("path outside the code page")
        << "\\data\\pictures\\shed \u2192 yard.bmp"
        << ""
        << "The picture's path cannot be kept in a layout: the text \"\\data\\pictures\\shed "
           "\u2192 yard.bmp\" holds the character '\u2192', which these files cannot store. Give "
           "the file another name and fetch it again.";
  }
  void aTipOrPathImageFileCannotHoldIsNotTaken() {
    QFETCH(QString, file);
    QFETCH(QString, tip);
    Editing e;
    kv::test::WriteBitmap(e.t, file);
    e.t.dialogs.QueueText(e.t.Path(file));
    e.t.dialogs.QueueText("The \"Flyer\" shed");
    e.t.dialogs.QueueText("Flyer shed");
    e.Click("imgBtnImg");
    QTEST(e.t.dialogs.Transcript().at(tip.isEmpty() ? 1 : 2).text, "said");
    QCOMPARE(int(e.m().ImageCount), tip.isEmpty() ? 0 : 1);
    QCOMPARE(e.m().ImageTip[1], tip);
  }

  void aTwoHundredFiftySixthObjectIsRefused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("kind");
    for (const char* row : {"imgBtnTrk track units", "imgBtnAws sensors", "imgBtnImg pictures"})
      QTest::newRow(row) << QString(row).section(' ', 0, 0) << QString(row).section(' ', 1);
  }
  void aTwoHundredFiftySixthObjectIsRefused() {
    QFETCH(QString, button);
    QFETCH(QString, kind);
    Editing e;
    e.m().TrackCount = e.m().SensorCount = e.m().ImageCount = 255;
    e.Click(button);
    QCOMPARE(kv::test::Titles(e.t.dialogs), QStringList{"No more " + kind});
    QCOMPARE(e.t.dialogs.Last().text, "This layout already has 255 " + kind +
                                          ", the most it can hold. Delete one of them to make "
                                          "room for another.");
    QCOMPARE(int(e.m().TrackCount) + e.m().SensorCount + e.m().ImageCount, 765);
    QVERIFY(!e.editor->History().CanUndo());
  }

  void undoAndRedoOfAMoveAndOfACreation() {
    Editing e;
    e.Tracks(1);
    e.Click("optMove_3");
    for (int drag = 0; drag < 2; ++drag) {
      e.editor->Move().AnchorX = e.editor->Move().AnchorY = 3000;  // no jump on the press
      e.Drag({3000, 3000}, {3150, 3075});
    }
    QCOMPARE(e.editor->History().Steps(), 2);
    QCOMPARE(Line(e.panel().TrackPosition(1)), QLineF(1050, 750, 1050, 1650));
    e.editor->Undo();
    QCOMPARE(Line(e.panel().TrackPosition(1)), QLineF(900, 675, 900, 1575));
    e.editor->Redo();
    QCOMPARE(Line(e.panel().TrackPosition(1)), QLineF(1050, 750, 1050, 1650));
    e.Click("imgBtnTrk");
    e.editor->Undo();
    QVERIFY(e.m().TrackCount == 1 && !e.panel().linBlack(2));
    e.editor->Redo();
    QCOMPARE(Line(e.panel().TrackPosition(2)), QLineF(6000, 1500, 7000, 2500));
  }
};

KV_TEST_MAIN(EditingTest)
#include "test_editing.moc"
