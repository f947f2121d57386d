#include <QTest>

#include "hardware/dc_knobs.h"
#include "support/test_session.h"

using kv::DcKnobs;
using Sent = QList<QPair<int, int>>;  // (channel, value) as sent

namespace {
struct Rig {
  Sent analogue;
  QList<int> relays;
  DcKnobs knobs{{[this](int c, int v) { analogue.append({c, v}); },
                 [this](int s, auto written) { return relays.append(s), written(), true; }}};
  void Click(int knob, int button) {
    knobs.MouseDown(knob, button);
    knobs.MouseUp();
  }
  // The events of a double-click: press, release, double-click, release.
  void DoubleClick(int knob, int button) {
    Click(knob, button);
    knobs.DoubleClick(knob);
    knobs.MouseUp();
  }
};
}  // namespace

// The DC knobs' own logic; how the box shows them is tested with the box.
class DcKnobsTest : public QObject {
  Q_OBJECT

 private slots:
  // A right click turns up a notch on the press and one on the release, and one picture.
  void rightClicksTurnUpTwoNotchesAndOnePictureEach() {
    Rig r;
    QStringList percents;
    for (int i = 0; i < 8; ++i) {
      r.Click(1, 2);
      percents << r.knobs.PercentText(1);
    }
    QCOMPARE(percents, (QStringList{"14", "28", "43", "57", "72", "86", "100", "100"}));
    QCOMPARE(QList<int>({r.knobs.Notch(1), r.knobs.Position(1)}), QList<int>({14, 7}));
    QCOMPARE(r.knobs.PicturePath(1), QStringLiteral("\\Data\\VM110\\KnobFwd7.bmp"));
    Sent expected;
    for (int i = 1; i <= 16; ++i) expected.append({1, qMin(i, 14) * 15});
    QCOMPARE(r.analogue, expected);
  }

  // A left click on a stopped knob sends 0 on press and release, another button steps nothing,
  // and each knob drives only its own channel.
  void eachKnobDrivesItsOwnChannel() {
    Rig r;
    r.Click(1, 2);
    r.analogue.clear();
    r.Click(2, 1);
    r.Click(2, 4);  // middle button
    r.Click(2, 2);
    QCOMPARE(r.analogue, (Sent{{2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 15}, {2, 30}}));
    QCOMPARE(QList<int>({r.knobs.Pwm(1), r.knobs.Position(2)}), QList<int>({30, 1}));
  }

  void doubleClickOnAStoppedKnobReversesItThroughItsRelay_data() {
    QTest::addColumn<int>("knob");
    QTest::addColumn<int>("reverseRelay");
    QTest::addColumn<int>("forwardRelay");
    QTest::newRow("knob 1") << 1 << 6 << 2;
    QTest::newRow("knob 2") << 2 << 8 << 4;
  }
  void doubleClickOnAStoppedKnobReversesItThroughItsRelay() {
    QFETCH(int, knob);
    QFETCH(int, reverseRelay);
    QFETCH(int, forwardRelay);
    Rig r;
    QCOMPARE(r.knobs.DirectionText(knob), QStringLiteral(" Fwd"));
    r.Click(knob, 1);
    r.knobs.DoubleClick(knob);
    QCOMPARE(r.relays, QList<int>{reverseRelay});
    QVERIFY(r.knobs.Reverse(knob));
    QCOMPARE(r.knobs.DirectionText(knob), QStringLiteral("Rev"));
    r.knobs.MouseUp();  // the release after the double-click shows the new picture
    QCOMPARE(r.knobs.PicturePath(knob), QStringLiteral("\\Data\\VM110\\KnobRev0.bmp"));
    r.DoubleClick(knob, 1);
    QCOMPARE(r.relays, (QList<int>{reverseRelay, forwardRelay}));
    QCOMPARE(r.knobs.PicturePath(knob), QStringLiteral("\\Data\\VM110\\KnobFwd0.bmp"));
    r.DoubleClick(knob, 1);
    r.knobs.ResetDirectionTexts();  // coord.txt read
    QCOMPARE(r.knobs.DirectionText(1) + r.knobs.DirectionText(2), QStringLiteral(" Fwd Fwd"));
  }

  void aRunningKnobIsNeverReversed() {
    Rig r;
    r.Click(1, 2);
    r.Click(1, 2);  // notch 4, picture 2
    // Steps down instead: press 3, release 2 (picture 1), double-click 1, release 0 (picture 0).
    r.DoubleClick(1, 1);
    QVERIFY(r.relays.isEmpty());
    QVERIFY(!r.knobs.Reverse(1));
    QCOMPARE(QList<int>({r.knobs.Notch(1), r.knobs.Position(1)}), QList<int>({0, 0}));
    QCOMPARE(r.analogue.last(), (QPair<int, int>{1, 0}));
    r.DoubleClick(1, 1);  // stopped now: this one reverses
    QCOMPARE(r.relays, QList<int>{6});
  }

  void reversingIsRefusedWhileOutputRunsAtRestPicture() {
    Rig r;
    // A right press without release: the output runs while the picture still shows rest.
    r.knobs.MouseDown(1, 2);
    QCOMPARE(QList<int>({r.knobs.Pwm(1), r.knobs.Position(1)}), QList<int>({15, 0}));
    r.knobs.DoubleClick(1);
    QVERIFY(r.relays.isEmpty());
    QVERIFY(!r.knobs.Reverse(1));
  }
};

KV_TEST_MAIN(DcKnobsTest)
#include "test_dc_knobs.moc"
