#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QTest>

#include "app/editing_controls.h"
#include "app/info_toolbar.h"
#include "app/route_controls.h"
#include "app/route_menu.h"
#include "operating_rig.h"
#include "operation/route_recorder.h"
#include "operation/routes.h"
#include "panel/panel_editor.h"
#include "panel/panel_texts.h"
#include "support/layout_fixture.h"

using kv::test::OperatingRig;

namespace {

constexpr int kYes = kv::msg::kYes;
constexpr int kNo = kv::msg::kNo;

struct FakePlayer final : kv::SoundPlayer {
  explicit FakePlayer(QStringList* calls) : calls(calls) {}
  void Close() override {}
  void Play(const QString& file) override { *calls << file.section('/', -3); }
  QStringList* calls;
};

QByteArray Route(const QByteArray& title, const QByteArray& tracks, const QByteArray& points = "",
                 const QByteArray& coils = "") {
  return "\"" + title + "\"\r\n\"line track units are " + tracks + "\"\r\n\"points solenoids are " +
         points + "\"\r\n\"signal solenoids are " + coils + "\"\r\n";
}

// "Yard": units 1-8 (8 a tunnel), labels A-D, points 12L/14R (12/14 on the relay stack),
// signal 1 with coils 20/22 (5A/5B), signal 2 fixed, and path.txt holding `paths`.
void BuildYard(OperatingRig& r, const QByteArray& paths) {
  kv::test::UseLayout(r.t, "Yard");
  kv::LayoutModel& m = r.t.session.model;
  kv::Panel& panel = r.main->picScreen();
  for (int i = 1; i <= 8; ++i)
    panel.LoadTrack(i, {1500.0 * i, 3000, 1500.0 * i + 1500, 3000}, i == 8 ? 1 : 6);
  m.TrackCount = 8;
  const bool dcc = m.ControlSystem == QLatin1String("DCC");
  r.AddLabel(1, "A", kv::kBlack, 600, 2000);
  r.AddLabel(2, "B", kv::kBlack, 9600, 2000);
  r.AddLabel(3, dcc ? "12L" : "12", kv::kRed, 4500, 3600);
  r.AddLabel(4, dcc ? "14R" : "14", kv::kRed, 7500, 3600);
  r.AddLabel(5, "C", kv::kBlack, 600, 4500);
  r.AddLabel(6, "D", kv::kBlack, 9600, 4500);
  for (const char* code : {"C3R2x", "C3Y2x", "C3G2x", "C3Fxx"})
    kv::test::WriteBitmap(r.t, QStringLiteral("\\data\\sig\\%1.bmp").arg(code));
  const QString a = dcc ? "5A" : "20", b = dcc ? "5B" : "22";
  for (int i : {1, 2}) {
    m.SignalCoilA[i] = i == 1 ? a : "fixed";
    m.SignalCoilB[i] = i == 1 ? b : "";
    m.SignalPicture[i] = i == 1 ? "\\data\\sig\\C3R2x.bmp" : "\\data\\sig\\C3Fxx.bmp";
    panel.LoadSignal(i, m.SignalPicture[i], m.SignalCoilA[i], m.SignalCoilB[i], 3000.0 * i, 1200,
                     nullptr);
  }
  m.SignalCount = 2;
  kv::test::WriteLayoutFile(r.t, "path.txt", paths);
  r.main->LoadPaths();
}

void Click(OperatingRig& r, QGraphicsItem* item, Qt::MouseButton button = Qt::LeftButton) {
  kv::Panel& panel = r.main->picScreen();
  QTest::mouseClick(panel.viewport(), button, {},
                    panel.mapFromScene(item->sceneBoundingRect().center()));
}
void Units(OperatingRig& r, std::initializer_list<int> units) {
  for (int k : units) Click(r, r.main->picScreen().lblTrk(k));
}
kv::RouteMenu& Menu(OperatingRig& r) {
  return r.main->routes().menu();
}
QStringList Entries(OperatingRig& r) {
  QStringList out;
  for (QAction* a : Menu(r).mnuNTX()->actions()) {
    out << a->text() + (a->isChecked() ? " ticked" : "") + (a->isEnabled() ? "" : " blocked");
  }
  return out;
}
QString Tag(OperatingRig& r, int i) {
  return r.main->routes().routes().Table().Entry(i).tag;
}
std::int32_t Core(OperatingRig& r, int unit) {
  return r.main->picScreen().linColor(unit)->BorderColor();
}
QString Signal1(OperatingRig& r) {
  const kv::ImageControl* s = r.main->picScreen().imgSig(1);
  return s->PicturePath().section('/', -1) + ' ' + s->toolTip();
}

}  // namespace

class RoutesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  // Recording with the mouse: A, B, Yes; 3, 4, 5, 5 (a right click taking 5 back on the way);
  // Yes to points, 12L, 14R, 14R; No to signals; Yes. The record is filed between the titles
  // around it, the menu read again, the chime played; a second recording in the same run,
  // with signals, reaches the file too.
  void aRouteIsRecordedWithTheMouseAndFiled() {
    OperatingRig r("DCC", 1, kv::kModify);
    BuildYard(r, Route("A to A ", "1,") + Route("X to Y ", "2,"));
    QStringList sounds;
    r.main->info().sounds().SetPlayer(std::make_unique<FakePlayer>(&sounds));
    for (int answer : {kYes, kYes, kNo, kYes}) r.t.dialogs.QueueButton(answer);
    r.ClickLabel(1, Qt::LeftButton);
    r.ClickLabel(2, Qt::LeftButton);
    QCOMPARE(r.t.dialogs.Last().title + '|' + r.t.dialogs.Last().text,
             QStringLiteral("A to B |click line numbers to file Path?"));
    QCOMPARE(r.main->windowTitle(), QStringLiteral("click line number"));
    QAction* record = Menu(r).mnuPathRec();
    QVERIFY(record->isVisible() && r.main->picScreen().lblTrk(7)->isVisible());
    QCOMPARE(record->text(), QStringLiteral("A to B "));
    Click(r, r.main->picScreen().lblTrk(7), Qt::RightButton);  // nothing to take back yet
    Units(r, {3, 4, 5});
    QCOMPARE(r.main->windowTitle(), QStringLiteral("double-click final line number"));
    QCOMPARE(record->text(), QStringLiteral("A to B  line track units are 3,4,5,  "));
    QCOMPARE(r.main->picScreen().lblTrk(5)->BackColor(), 0x00FF00);
    Click(r, r.main->picScreen().lblTrk(5), Qt::RightButton);
    Click(r, r.main->picScreen().lblTrk(4), Qt::RightButton);  // one step back only
    QCOMPARE(r.main->windowTitle(), QStringLiteral("deleting line and number"));
    QCOMPARE(record->text(), QStringLiteral("A to B  line track units are 3,4,  "));
    QCOMPARE(r.main->picScreen().lblTrk(5)->BackColor(), kv::kTrackNumberBack);
    QCOMPARE(r.main->picScreen().lblTrk(4)->BackColor(), 0x00FF00);
    Units(r, {5, 5});
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("       click red points numbers"));
    QCOMPARE(r.main->windowTitle(), QStringLiteral("double-click final points number"));
    QVERIFY(r.main->picScreen().Label(3)->isVisible() &&
            !r.main->picScreen().lblTrk(7)->isVisible());
    r.ClickLabel(3, Qt::LeftButton);
    r.ClickLabel(4, Qt::LeftButton);
    r.ClickLabel(4, Qt::LeftButton);
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             (QStringList{"A to B ", "A to B ", "signal aspect numbers to input", "A to B "}));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"),
             Route("A to A ", "1,") +
                 "\"A to B \"\r\n\"line track units are 3,4,5,\"\r\n\"points solenoids are "
                 "12L,14R,\"\r\n\"signal solenoids are \"\r\n" +
                 Route("X to Y ", "2,"));
    QCOMPARE(Entries(r), (QStringList{"A to A ", "A to B ", "X to Y "}));
    QCOMPARE(sounds, QStringList{"data/sundries/sound27.wav"});
    QVERIFY(!record->isVisible() && r.t.session.model.ClockOn && !r.t.session.model.Recording);
    QVERIFY2(r.main->windowTitle().contains("Yard in Kelvarne DCC"),
             qPrintable(r.main->windowTitle()));
    QVERIFY(!r.main->picScreen().Label(3)->isVisible());
    QCOMPARE(r.main->picScreen().lblTrk(4)->BackColor(), kv::kTrackNumberBack);

    // C to D: unit 6, No to points, the signal with the left and the right button (a fixed
    // one beeps; coil 130A, read back as coil 2 reversed, is refused), a double-click ending
    // the units.
    r.t.dialogs.ClearTranscript();
    for (int answer : {kYes, kNo, kYes, kYes, kYes, kNo, kYes}) r.t.dialogs.QueueButton(answer);
    r.ClickLabel(5, Qt::LeftButton);
    r.ClickLabel(6, Qt::LeftButton);
    kv::Panel& panel = r.main->picScreen();
    Units(r, {6});  // a double click: a press, then the double click's own event
    QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {},
                       panel.mapFromScene(panel.lblTrk(6)->sceneBoundingRect().center()));
    QCOMPARE(r.main->windowTitle(), QStringLiteral("click [unlock] route signals"));
    Click(r, panel.imgSig(2));
    panel.imgSig(2)->setToolTip("130A");
    Click(r, panel.imgSig(2));
    QCOMPARE(r.t.dialogs.Transcript().at(4).title + '|' + r.t.dialogs.Last().text,
             QStringLiteral("signal not taken|       any signals on this path?"));
    Click(r, panel.imgSig(1));
    QCOMPARE(r.t.dialogs.Last().text, QStringLiteral("       any more signals on this path?"));
    Click(r, panel.imgSig(1), Qt::RightButton);
    QCOMPARE(r.t.dialogs.Beeps(), 1);
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt")
                 .mid((Route("A to A ", "1,") + Route("A to B ", "3,4,5,", "12L,14R,")).size()),
             Route("C to D ", "6,", "", "5A,133,") + Route("X to Y ", "2,"));
    QCOMPARE(Entries(r).size(), 4);
    QCOMPARE(r.t.dialogs.Unscripted(), 0);
  }

  // Escape, the mode picture, the dustbin and undo end a recording at any step: nothing is
  // filed, the numbers and points labels are as they were, and the caption is the clock's again.
  void aRecordingIsAbandonedCleanly() {
    OperatingRig r("DC", 0, kv::kModify);
    BuildYard(r, "");
    r.t.dialogs.QueueButton(kYes);
    r.ClickLabel(1, Qt::LeftButton);
    r.ClickLabel(2, Qt::LeftButton);
    Units(r, {3});
    QVERIFY(QTest::qWaitForWindowActive(r.main.get()));
    QTest::keyClick(r.main.get(), Qt::Key_Escape);
    kv::RouteRecorder& recorder = r.main->routes().recorder();
    QCOMPARE(recorder.CurrentPhase(), kv::RouteRecorder::Phase::kIdle);
    QVERIFY(!r.main->picScreen().lblTrk(3)->isVisible() && r.t.session.model.ClickRole == 0);
    QCOMPARE(r.main->picScreen().lblTrk(3)->BackColor(), kv::kTrackNumberBack);
    QVERIFY(r.main->windowTitle().endsWith("Yard in Kelvarne DC"));

    for (const char* step : {"imgBtnTrash", "keyUndo"}) {
      r.t.dialogs.QueueButton(kYes);
      r.ClickLabel(1, Qt::LeftButton);
      r.ClickLabel(2, Qt::LeftButton);
      QCOMPARE(recorder.CurrentPhase(), kv::RouteRecorder::Phase::kLines);
      if (QByteArray(step) == "keyUndo")
        emit r.main->findChild<QShortcut*>(step)->activated();
      else
        r.Click(step);
      QCOMPARE(recorder.CurrentPhase(), kv::RouteRecorder::Phase::kIdle);
    }
    for (int answer : {kYes, kYes}) r.t.dialogs.QueueButton(answer);
    r.ClickLabel(1, Qt::LeftButton);
    r.ClickLabel(2, Qt::LeftButton);
    Units(r, {3, 3});
    QCOMPARE(recorder.CurrentPhase(), kv::RouteRecorder::Phase::kPoints);
    r.Click("imgBtnTog_2");
    QCOMPARE(recorder.CurrentPhase(), kv::RouteRecorder::Phase::kIdle);
    QVERIFY(!r.main->picScreen().Label(3)->isVisible() && !Menu(r).mnuPathRec()->isVisible());
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), QByteArray());
    QCOMPARE(r.t.dialogs.Unscripted(), 0);
  }

  // Routes P (3,4,5) and Q (5,6) share unit 5, R (1) shares nothing. Setting P blocks Q (Tag
  // "1", its tool-tip naming P) and colours P's units; clearing P frees Q and leaves P's own
  // Tag. Routes are set only in Operate mode.
  void routesThatShareTrackBlockEachOther() {
    OperatingRig r("DC");
    BuildYard(r, Route("P to X ", "3,4,5,") + Route("Q to X ", "5,6,") + Route("R to X ", "1,"));
    Menu(r).mnuList(0)->trigger();
    QCOMPARE(Entries(r), (QStringList{"P to X  ticked", "Q to X  blocked", "R to X "}));
    QCOMPARE(Tag(r, 1), QStringLiteral("1"));
    QCOMPARE(Menu(r).mnuList(1)->toolTip(), QStringLiteral("blocked by P to X"));
    QCOMPARE(Core(r, 4), 0x00FFFF);  // entry 0 takes colour 14, yellow
    Menu(r).mnuList(2)->trigger();
    QCOMPARE(Core(r, 1), 0x008000);  // entry 2 takes colour 2, dark green
    Menu(r).mnuList(0)->trigger();
    QCOMPARE(Entries(r), (QStringList{"P to X ", "Q to X ", "R to X  ticked"}));
    QCOMPARE(Tag(r, 1) + '|' + Tag(r, 0), QStringLiteral("0|"));
    QCOMPARE(Core(r, 4), kv::kWhite);
    r.t.session.model.ProgMode = kv::kModify;
    Menu(r).mnuList(1)->trigger();
    QCOMPARE(Entries(r).at(1), QStringLiteral("Q to X "));
  }

  // Colour 14 for entries 0 and 14, 1 for entry 1; a cleared unit takes its own core again,
  // black on a tunnel.
  void entriesCycleThroughFourteenColours_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("colour");
    QTest::newRow("first") << 0 << 0x00FFFF;
    QTest::newRow("second") << 1 << 0x800000;
    QTest::newRow("fifteenth") << 14 << 0x00FFFF;
  }
  void entriesCycleThroughFourteenColours() {
    QFETCH(int, entry);
    QFETCH(int, colour);
    OperatingRig r("DC");
    QByteArray paths;
    for (int i = 0; i < 15; ++i) paths += Route("E" + QByteArray::number(10 + i) + " to X ", "8,");
    BuildYard(r, paths);
    Menu(r).mnuList(entry)->trigger();
    QCOMPARE(Core(r, 8), colour);
    Menu(r).mnuList(entry)->trigger();
    QCOMPARE(Core(r, 8), kv::kBlack);
  }

  // Setting fires the points in their order with the outputs held between them, then clears
  // the signal; clearing puts the signal back and throws no points. A line without its last
  // comma loses that item, and the user is told.
  void settingAndClearingWorkTheHardware_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QStringList>("set");
    QTest::addColumn<QStringList>("clear");
    QTest::newRow("DC") << "DC"
                        << QStringList{"0 WriteAllDigital(12)",    "1000 WriteAllDigital(13)",
                                       "1500 WriteAllDigital(14)", "2500 WriteAllDigital(15)",
                                       "3000 ClearAllDigital()",   "3000 WriteAllDigital(20)",
                                       "4000 WriteAllDigital(21)", "4500 ClearAllDigital()"}
                        << QStringList{"10000 WriteAllDigital(22)", "11000 WriteAllDigital(23)",
                                       "11500 ClearAllDigital()"};
    QTest::newRow("DCC") << "DCC"
                         << QStringList{"0 52 04 88 de",    "1000 52 04 80 d6", "1250 52 04 8d db",
                                        "2250 52 04 85 d3", "2500 52 02 8a da", "3500 52 02 82 d2"}
                         << QStringList{"10000 52 02 8b db", "11000 52 02 83 d3"};
  }
  void settingAndClearingWorkTheHardware() {
    QFETCH(QString, system);
    QFETCH(QStringList, set);
    QFETCH(QStringList, clear);
    const bool dcc = system == "DCC";
    OperatingRig r(system, 1);
    BuildYard(r, Route("A to B ", "3,4,5", dcc ? "12L,14R," : "12,14,", dcc ? "5A," : "20,"));
    const auto log = [&]() { return dcc ? r.Frames() : r.BoardLog(); };
    Menu(r).mnuList(0)->trigger();
    QCOMPARE(Signal1(r), dcc ? QStringLiteral("C3Y2x.bmp 5B") : QStringLiteral("C3Y2x.bmp 22"));
    QCOMPARE(QString::number(Core(r, 4)) + ' ' + QString::number(Core(r, 5)),
             QStringLiteral("65535 16777215"));
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("  Yard : error in file <path.txt>"));
    QCOMPARE(r.t.dialogs.Last().text,
             QStringLiteral("'A to B': \"5\" left out, for want of a closing comma.\n"
                            "suggestion : check for missing characters"));
    r.t.scheduler.Advance(10'000 - r.Now());
    QCOMPARE(log(), set);
    Menu(r).mnuList(0)->trigger();
    r.t.scheduler.Advance(5000);
    QCOMPARE(log().mid(set.size()), clear);
    QCOMPARE(Signal1(r), dcc ? QStringLiteral("C3R2x.bmp 5A") : QStringLiteral("C3R2x.bmp 20"));
  }

  // In Operate mode the entrance and the exit set the route between them, and clear it again;
  // a blocked or unknown pair shows message 12. In Modify or Create mode with a route set,
  // message 18 and back to Operate.
  void labelPairsSetRoutesOutsideModify() {
    OperatingRig r("DC");
    BuildYard(r, Route("A to B ", "3,4,") + Route("C to D ", "4,3,"));
    const auto pair = [&r](int entry, int exit) {
      r.ClickLabel(entry, Qt::LeftButton);
      r.ClickLabel(exit, Qt::LeftButton);
    };
    pair(1, 2);
    QCOMPARE(Entries(r), (QStringList{"A to B  ticked", "C to D  blocked"}));
    QCOMPARE(Tag(r, 1), QStringLiteral("2"));
    pair(5, 6);
    pair(2, 1);
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             (QStringList{"If 'C to D ' is unlisted in ENTRY to EXIT",
                          "If 'B to A ' is unlisted in ENTRY to EXIT"}));
    QCOMPARE(r.t.dialogs.Last().text,
             QStringLiteral("click 'modify', then click B and A labels again"));
    for (int mode : {kv::kModify, kv::kCreate}) {
      r.t.session.model.ProgMode = static_cast<std::uint8_t>(mode);
      pair(5, 6);
      QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("new path aborted"));
      QCOMPARE(r.t.session.model.ProgMode, kv::kOperate);
    }
    pair(1, 2);
    QCOMPARE(Entries(r), (QStringList{"A to B ", "C to D "}));
  }

  // A path.txt that cannot be read whole keeps the routes before the bad line, says where it
  // stopped, and takes no new route until it is mended; a full one takes none either.
  void filingIsRefusedWhereItWouldLoseRoutes_data() {
    QTest::addColumn<QByteArray>("paths");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("refusal");
    QByteArray full;
    for (int i = 0; i < 255; ++i) full += Route("R" + QByteArray::number(i) + " to X ", "1,");
    QTest::newRow("a bad record at line 5")
        << Route("A to A ", "1,") + "\"M to N \"\r\n\"line track units are 5,\"\r\n" +
               Route("X to Y ", "2,")
        << 1 << "could not be read whole";
    QTest::newRow("255 routes") << full << 255 << "as many as the ENTRY to EXIT menu can hold";
  }
  void filingIsRefusedWhereItWouldLoseRoutes() {
    QFETCH(QByteArray, paths);
    QFETCH(int, entries);
    QFETCH(QString, refusal);
    OperatingRig r("DC", 0, kv::kModify);
    BuildYard(r, paths);
    QCOMPARE(Entries(r).size(), entries);
    if (entries == 1) {
      QCOMPARE(r.t.dialogs.Last().text,
               kv::test::LayoutPath(r.t, "path.txt") +
                   "\nline 5: line 7 does not begin \"points solenoids are \"\n"
                   "The routes before that line are in the ENTRY to EXIT menu. No new route is "
                   "filed until the file is mended, so that the routes after it are not lost.");
    }
    for (int answer : {kYes, kNo, kNo, kYes}) r.t.dialogs.QueueButton(answer);
    r.ClickLabel(1, Qt::LeftButton);
    r.ClickLabel(2, Qt::LeftButton);
    Units(r, {3, 3});
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("route not filed"));
    QVERIFY(r.t.dialogs.Last().text.contains(refusal));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), paths);
  }

  // Deleting unit 4 renumbers the routes' units in path.txt and the menu follows; undo puts the
  // file back byte for byte. A path.txt not read whole refuses the deletion.
  void deletedUnitsRenumberTheRoutes_data() {
    QTest::addColumn<QByteArray>("paths");
    QTest::addColumn<QByteArray>("renumbered");  // empty: refused
    QTest::newRow("renumbered") << Route("A to B ", "3,4,5,", "12L,") + Route("C to D ", "5,8,")
                                << Route("A to B ", "3,4,", "12L,") + Route("C to D ", "4,7,");
    QTest::newRow("not read whole") << Route("A to B ", "4,") + "\"M to N \"\r\n" << QByteArray();
  }
  void deletedUnitsRenumberTheRoutes() {
    QFETCH(QByteArray, paths);
    QFETCH(QByteArray, renumbered);
    OperatingRig r("DC", 0, kv::kModify);
    BuildYard(r, paths);
    kv::PanelEditor& editor = r.main->editing().editor();
    editor.optMove_MouseUp(1);
    editor.ObjectClick(kv::PanelObject::kTrackNumber, 4, Qt::LeftButton);
    editor.imgBtnTrash_MouseUp(Qt::LeftButton);
    if (renumbered.isEmpty()) {
      QCOMPARE(r.t.dialogs.Last().text,
               kv::texts::RoutesNotRenumbered(kv::test::LayoutPath(r.t, "path.txt")));
      QCOMPARE(int(r.t.session.model.TrackCount), 8);
      QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), paths);
      return;
    }
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), renumbered);
    QCOMPARE(r.main->routes().routes().Table().Entry(1).units, QList<int>({4, 7}));
    editor.Undo();
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), paths);
    QCOMPARE(r.main->routes().routes().Table().Entry(1).units, QList<int>({5, 8}));
    editor.Redo();
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), renumbered);
    // Undone after a route was filed: the others get back what the deletion took.
    QVERIFY(r.main->routes().routes().FilePath({"X to Y ", "line track units are 4,7,", "", ""}));
    editor.Undo();
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "path.txt"), paths + Route("X to Y ", "5,8,"));
  }
};

KV_TEST_MAIN(RoutesTest)
#include "test_routes.moc"
