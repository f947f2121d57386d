#include <QTest>

#include "hardware/dc_knobs.h"
#include "support/test_session.h"

using kv::DcKnobs;

namespace {
struct Rig {
  QList<QPair<int, int>> analogue;  // (channel, value) as sent
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

class DcKnobsTest : public QObject {
  Q_OBJECT

 private slots:
  void rightClicksTurnUpTwoNotchesAndOnePictureEach() {
    Rig r;
    QStringList percents;
    for (int i = 0; i < 7; ++i) {
      r.Click(1, 2);
      percents << r.knobs.PercentText(1);
    }
    QCOMPARE(percents, (QStringList{"14", "28", "43", "57", "72", "86", "100"}));
    QCOMPARE(r.knobs.Notch(1), 14);
    QCOMPARE(r.knobs.Position(1), 7);
    QCOMPARE(r.analogue.last(), (QPair<int, int>{1, 210}));
    QCOMPARE(r.knobs.PicturePath(1), QStringLiteral("\\Data\\VM110\\KnobFwd7.bmp"));
    // The notch after each press and release: 15, 30, 45 ... 210.
    QCOMPARE(r.analogue.size(), 14);
    for (int i = 0; i < 14; ++i) QCOMPARE(r.analogue.at(i).second, (i + 1) * 15);

    r.analogue.clear();
    r.Click(1, 2);  // at the top: nothing moves, the same value goes out again
    QCOMPARE(r.knobs.Notch(1), 14);
    QCOMPARE(r.knobs.Position(1), 7);
    QCOMPARE(r.analogue, (QList<QPair<int, int>>{{1, 210}, {1, 210}}));
  }

  void aLeftClickOnAStoppedKnobSendsZero() {
    Rig r;
    r.Click(2, 1);
    QCOMPARE(r.analogue, (QList<QPair<int, int>>{{2, 0}, {2, 0}}));
    QCOMPARE(r.knobs.PercentText(2), QStringLiteral("0"));
    QCOMPARE(r.knobs.Position(2), 0);
  }

  void otherButtonsStepNothing() {
    Rig r;
    r.Click(1, 4);  // middle button
    QCOMPARE(r.knobs.Notch(1), 0);
    QCOMPARE(r.knobs.Position(1), 0);
  }

  void eachKnobDrivesOnlyItsOwnChannel() {
    Rig r;
    r.Click(1, 2);
    r.analogue.clear();
    r.Click(2, 2);
    r.Click(2, 1);
    for (const auto& sent : r.analogue) QCOMPARE(sent.first, 2);
    QCOMPARE(r.knobs.Pwm(1), 30);
    QCOMPARE(r.knobs.Pwm(2), 0);
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
    r.knobs.MouseDown(knob, 1);
    r.knobs.MouseUp();
    r.knobs.DoubleClick(knob);
    QCOMPARE(r.relays, QList<int>{reverseRelay});
    QVERIFY(r.knobs.Reverse(knob));
    QCOMPARE(r.knobs.DirectionText(knob), QStringLiteral("Rev"));
    r.knobs.MouseUp();  // the release after the double-click shows the new picture
    QCOMPARE(r.knobs.PicturePath(knob), QStringLiteral("\\Data\\VM110\\KnobRev0.bmp"));
    r.DoubleClick(knob, 1);
    QCOMPARE(r.relays, (QList<int>{reverseRelay, forwardRelay}));
    QCOMPARE(r.knobs.PicturePath(knob), QStringLiteral("\\Data\\VM110\\KnobFwd0.bmp"));
  }

  void aRunningKnobIsNeverReversed() {
    Rig r;
    r.Click(1, 2);
    r.Click(1, 2);          // notch 4, picture 2
    // Steps down instead: press 3, release 2 (picture 1), double-click 1, release 0 (picture 0).
    r.DoubleClick(1, 1);
    QVERIFY(r.relays.isEmpty());
    QVERIFY(!r.knobs.Reverse(1));
    QCOMPARE(r.knobs.Notch(1), 0);
    QCOMPARE(r.knobs.Position(1), 0);
    QCOMPARE(r.analogue.last(), (QPair<int, int>{1, 0}));
    r.DoubleClick(1, 1);  // stopped now: this one reverses
    QCOMPARE(r.relays, QList<int>{6});
  }

  void reversingIsRefusedWhileOutputRunsAtRestPicture() {
    Rig r;
    // A right press without release: the output runs while the picture still shows rest.
    r.knobs.MouseDown(1, 2);
    QCOMPARE(r.knobs.Pwm(1), 15);
    QCOMPARE(r.knobs.Position(1), 0);
    r.knobs.DoubleClick(1);
    QVERIFY(r.relays.isEmpty());
    QVERIFY(!r.knobs.Reverse(1));
  }

  void directionTextsStartAsForward() {
    Rig r;
    QCOMPARE(r.knobs.DirectionText(1), QStringLiteral(" Fwd"));
    r.DoubleClick(1, 1);
    r.knobs.ResetDirectionTexts();
    QCOMPARE(r.knobs.DirectionText(1), QStringLiteral(" Fwd"));
    QCOMPARE(r.knobs.DirectionText(2), QStringLiteral(" Fwd"));
  }
};

KV_TEST_MAIN(DcKnobsTest)
#include "test_dc_knobs.moc"
