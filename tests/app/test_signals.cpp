#include <QFile>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>

#include "app/layout_commands.h"
#include "base/save_layout.h"
#include "layout/object_writers.h"
#include "operating_rig.h"
#include "operation/signal_creation.h"
#include "operation/signal_operation.h"
#include "panel/panel_area.h"
#include "support/layout_fixture.h"

using kv::test::OperatingRig;

namespace {
const QString kSig = QStringLiteral("\\data\\sig\\");

// Signal i showing `code` (or a picture path) with its coils, `codes` in the signal library.
void AddSignal(OperatingRig& r, int i, const QString& code, const QString& a, const QString& b,
               const QStringList& codes) {
  for (const QString& c : codes) kv::test::WriteBitmap(r.t, kSig + c + ".bmp");
  kv::LayoutModel& m = r.t.session.model;
  m.SignalCoilA[i] = a;
  m.SignalCoilB[i] = b;
  m.SignalPicture[i] = code.startsWith('\\') ? code : kSig + code + ".bmp";
  r.main->picScreen().LoadSignal(i, m.SignalPicture[i], a, b, 1500.0 * i, 1500, nullptr);
  m.SignalCount = static_cast<std::uint8_t>(std::max<int>(i, m.SignalCount));
}

void ClickSignal(OperatingRig& r, int i, Qt::MouseButton button = Qt::LeftButton) {
  kv::Panel& panel = r.main->picScreen();
  const QPoint at = panel.mapFromScene(panel.imgSig(i)->sceneBoundingRect().center());
  QTest::mouseClick(panel.viewport(), button, {}, at);
}

QString Shown(OperatingRig& r, int i) {
  const kv::ImageControl* s = r.main->picScreen().imgSig(i);
  return s->PicturePath().section('/', -1) + ' ' + s->toolTip();
}

QByteArray SignalRecords(OperatingRig& r) {
  QByteArray bytes;
  kv::ComposeSignalFile(r.t.session.model, r.main->layoutCommands().Objects(), &bytes, nullptr);
  return bytes;
}

// imgBtnSig choosing `file` of the signal library or a real path elsewhere ("" cancels).
bool Create(OperatingRig& r, const QString& file) {
  const int before = r.t.session.model.SignalCount;
  r.t.dialogs.QueueText(file.isEmpty() || file.startsWith('/') ? file : r.t.Path(kSig + file));
  r.Click(QStringLiteral("imgBtnSig"));
  return r.t.session.model.SignalCount == before + 1;
}
}  // namespace

class SignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  // A click fires the coil of the tool-tip, then the picture and the tool-tip change.
  void relayStackClicksFireTheCoilsInTurn() {
    OperatingRig r("DC");
    AddSignal(r, 1, "C3R2x", "20", "22", {"C3R2x", "C3Y2x"});
    ClickSignal(r, 1);
    QCOMPARE(Shown(r, 1), QStringLiteral("C3Y2x.bmp 22"));
    kv::LayoutModel& m = r.t.session.model;
    QVERIFY(m.SignalOff[1]);
    // In Modify it is not selected (the dustbin takes nothing), and the save is refused.
    r.Click("imgBtnTog_1");
    r.Click("imgBtnTrash");
    QCOMPARE(m.SignalCount, 1);
    QVERIFY(!kv::SaveLayout(r.t.session, r.main->layoutCommands().Objects(), {}));
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("write permit suspended"));
    QCOMPARE(SignalRecords(r), "\"20\",\"22\",\"\\data\\sig\\C3R2x.bmp\",1500,1500\r\n");
    r.Click("imgBtnTog_2");
    r.t.scheduler.Advance(1500);
    ClickSignal(r, 1);
    QCOMPARE(Shown(r, 1), QStringLiteral("C3R2x.bmp 20"));
    QVERIFY(!m.SignalOff[1]);
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.BoardLog().filter("Write").join(' ').remove("WriteAllDigital"),
             "0 (20) 1000 (21) 1500 (22) 2500 (23)");

    // The right button repeats the coil; the picture changes once.
    ClickSignal(r, 1, Qt::RightButton);
    r.t.scheduler.Advance(3200);
    QCOMPARE(r.BoardLog().mid(6).filter("Write").join(' ').remove("WriteAllDigital"),
             "6500 (20) 7500 (21) 8000 (20) 9000 (21) 9500 (20)");
    QCOMPARE(Shown(r, 1), QStringLiteral("C3Y2x.bmp 22"));

    // A derived bitmap missing from the library: message 15 names it, the signal stays.
    AddSignal(r, 2, "C4Rxx", "30", "32", {"C4Rxx"});
    ClickSignal(r, 2);
    QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("data error, or check signal library"));
    QCOMPARE(r.t.dialogs.Last().text, r.t.session.folder.Root() + "\\data\\sig\\C4Yxx.bmp");
    QCOMPARE(Shown(r, 2), QStringLiteral("C4Rxx.bmp 30"));
    QVERIFY(!m.SignalOff[2] && !kv::ShowsOtherAspect(m, 2));
    // Nor is one whose picture holds no aspect code; the save keeps its coil A.
    kv::test::WriteBitmap(r.t, "\\s.bmp");
    AddSignal(r, 3, "\\s.bmp", "40", "42", {});
    ClickSignal(r, 3);
    QCOMPARE(SignalRecords(r).split('\n').value(2), "\"40\",\"42\",\"\\s.bmp\",4500,1500\r");
  }

  // On "DCC" coil A works the accessory's first output and coil B its second.
  void dccCoilsWorkTheTwoOutputs() {
    OperatingRig r("DCC", 1);
    AddSignal(r, 1, "SHRxx", "fixed", "", {"SHRxx", "SHGxx"});
    AddSignal(r, 2, "SHRxx", "12A", "12B", {});
    ClickSignal(r, 1);
    QCOMPARE(Shown(r, 1), QStringLiteral("SHRxx.bmp fixed"));
    ClickSignal(r, 2);
    QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 12L"));
    QCOMPARE(Shown(r, 2), QStringLiteral("SHGxx.bmp 12B"));
    r.t.scheduler.Advance(5000);
    ClickSignal(r, 2);
    QCOMPARE(r.Title("fraLenzNo"), QStringLiteral("solenoid 12R"));
    QCOMPARE(Shown(r, 2), QStringLiteral("SHRxx.bmp 12A"));
    r.t.scheduler.Advance(5000);
    QCOMPARE(r.Frames(), (QStringList{"0 52 04 88 de", "1000 52 04 80 d6", "5000 52 04 89 df",
                                      "6000 52 04 81 d7"}));
    QCOMPARE(r.t.dialogs.Transcript().size(), 0);
  }

  // New relay-stack coils are free numbers, the two differ, until none is left: message 17.
  void newCoilsAreFreeUntilNoneIsLeft() {
    OperatingRig r("DC", 0, kv::kModify);
    kv::test::UseLayout(r.t, "Yard");
    AddSignal(r, 1, "C3R2x", "6", "8", {"C3R2x"});
    AddSignal(r, 2, "C3R2x", "12", "14", {});
    r.AddLabel(1, "2", kv::kRed, 0, 0);
    r.AddLabel(2, "4", kv::kRed, 0, 0);
    r.AddLabel(3, "10", kv::kRed, 0, 0);
    QRandomGenerator generator(12);
    r.main->operation().signalCreation().SetRandom(
        [&](int bound) { return int(generator.bounded(bound)); });
    r.main->panelArea().hsbScreen()->setValue(3000);
    QSet<int> used = {2, 4, 6, 8, 10, 12, 14};
    for (int n = 3; n <= 30; ++n) {  // 63 - 7 numbers: 28 signals
      QVERIFY(Create(r, "C3R2x.bmp"));
      const kv::ImageControl* s = r.main->picScreen().imgSig(n);
      const int a = s->toolTip().toInt(), b = s->Tag().toInt();
      QVERIFY2(a != b && !used.contains(a) && !used.contains(b), qPrintable(s->toolTip()));
      used << a << b;
    }
    QCOMPARE(r.main->picScreen().SignalPosition(30), QPointF(4000, 150));
    QVERIFY(r.t.session.model.SignalOff[30]);
    QVERIFY(!Create(r, "C3R2x.bmp"));
    QCOMPARE(r.t.dialogs.Last().title + r.t.dialogs.Last().text,
             QStringLiteral("all 64 solenoid numbers allocatedfit larger solenoid relay stack"));
    QVERIFY(!r.main->picScreen().imgSig(31));

    // A fixed signal needs no coil, and the save writes what was created.
    kv::test::WriteBitmap(r.t, kSig + "C3Fxx.bmp");
    QVERIFY(Create(r, "C3Fxx.bmp"));
    QCOMPARE(SignalRecords(r).split('\n').at(30),
             "\"fixed\",\"\",\"\\data\\sig\\C3Fxx.bmp\",4000,150\r");
  }

  // On "DCC" both coils take coilno.txt's number, one that no points label or signal uses,
  // and the file is raised past it; a missing file starts at 0. A cancelled dialog, and
  // bitmaps no signal can be made from, create nothing and take no number.
  void dccCoilsComeFromCoilNoTxt() {
    OperatingRig r("DCC", 1, kv::kModify);
    kv::test::UseLayout(r.t, "Yard");
    kv::test::WriteLayoutFile(r.t, "coilno.txt", "7\r\n");
    kv::test::WriteBitmap(r.t, kSig + "red.bmp");
    QFile bad(r.t.Path(kSig + "C3Rxx.bmp"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("BM?"));
    bad.close();
    QTemporaryDir outside;
    QFile::copy(r.t.Path(kSig + "red.bmp"), outside.path() + "/C3R2x.bmp");
    for (const QString& file :
         {QString(), QString("red.bmp"), QString("C3Rxx.bmp"), outside.path() + "/C3R2x.bmp"}) {
      QVERIFY(!Create(r, file));
    }
    const QString fetch = "Fetch a signal in 'ON' position/aspect, e.g. drawn in MS 'Paint'";
    const QString refused = "signal not added";
    QCOMPARE(kv::test::Titles(r.t.dialogs),
             (QStringList{fetch, fetch, refused, fetch, refused, fetch, refused}));
    QCOMPARE(r.t.dialogs.Transcript().first().text, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "coilno.txt"), "7\r\n");
    kv::test::WriteBitmap(r.t, kSig + "C2Rxx.bmp");
    r.AddLabel(1, "8L", kv::kRed, 0, 0);
    QVERIFY(Create(r, "C2Rxx.bmp") && Create(r, "C2Rxx.bmp"));
    const kv::Panel& panel = r.main->picScreen();
    QCOMPARE(panel.imgSig(1)->toolTip() + panel.imgSig(1)->Tag(), QStringLiteral("7A7B"));
    QCOMPARE(panel.imgSig(2)->toolTip() + panel.imgSig(2)->Tag(), QStringLiteral("9A9B"));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "coilno.txt"), "10\r\n");
    QFile::remove(kv::test::LayoutPath(r.t, "coilno.txt"));
    QVERIFY(Create(r, "C2Rxx.bmp"));
    QCOMPARE(panel.imgSig(3)->toolTip(), QStringLiteral("0A"));
    QCOMPARE(kv::test::ReadLayoutFile(r.t, "coilno.txt"), "1\r\n");

    // Created in this run, it works at once, as read signals do.
    r.t.session.model.ProgMode = kv::kOperate;
    kv::test::WriteBitmap(r.t, kSig + "C2Yxx.bmp");
    r.main->operation().signalOperation().imgSig_MouseDown(2, Qt::LeftButton);  // under 3
    QCOMPARE(Shown(r, 2), QStringLiteral("C2Yxx.bmp 9B"));
  }
};

KV_TEST_MAIN(SignalsTest)
#include "test_signals.moc"
