#include <QTest>

#include "panel/move_rules.h"

using kv::MoveState;
using kv::TrackEnds;

Q_DECLARE_METATYPE(TrackEnds)

namespace {

// A press at (px, py) then a drag to (dx, dy), the anchor at (1000, 2000).
MoveState Press(int mode, int button, int px, int py) {
  MoveState s;
  s.MoveMode = static_cast<std::uint8_t>(mode);
  s.MouseBtn = button;
  s.AnchorX = 1000;
  s.AnchorY = 2000;
  s.MouseX = px;
  s.MouseY = py;
  s.PanelMouseDown = true;
  kv::ComputeMoveDelta(s);
  s.PanelMouseDown = false;
  return s;
}

void Drag(MoveState& s, int x, int y) {
  s.MouseX = x;
  s.MouseY = y;
  kv::ComputeMoveDelta(s);
}

}  // namespace

class MoveRulesTest : public QObject {
  Q_OBJECT

 private slots:
  // An object at (1000, 2000), the anchor; a press at (1500, 2300), then a drag to (1600, 2250).
  void objectsFollowTheirMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QPointF>("afterPress");
    QTest::addColumn<QPointF>("afterDrag");
    QTest::newRow("none") << 0 << true << QPointF(1000, 2000) << QPointF(1000, 2000);
    QTest::newRow("one: to the pointer") << 1 << true << QPointF(1500, 2300) << QPointF(1600, 2250);
    QTest::newRow("one, not selected") << 1 << false << QPointF(1000, 2000) << QPointF(1000, 2000);
    QTest::newRow("some: by the step") << 2 << true << QPointF(1500, 2300) << QPointF(1600, 2250);
    QTest::newRow("some, not selected") << 2 << false << QPointF(1000, 2000) << QPointF(1000, 2000);
    QTest::newRow("all, selected or not")
        << 3 << false << QPointF(1500, 2300) << QPointF(1600, 2250);
  }
  void objectsFollowTheirMode() {
    QFETCH(int, mode);
    QFETCH(bool, selected);
    MoveState s = Press(mode, 1, 1500, 2300);
    const QPointF pressed = kv::MovedTopLeft(s, selected, QPointF(1000, 2000));
    QTEST(pressed, "afterPress");
    Drag(s, 1600, 2250);
    QCOMPARE(QPoint(s.MoveDX, s.MoveDY), QPoint(-100, 50));
    QTEST(kv::MovedTopLeft(s, selected, pressed), "afterDrag");
  }

  // A unit from (1000, 2000) to (3000, 2000); a press at (1500, 2300).
  void trackUnitsMoveByEndOrWhole_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<TrackEnds>("ends");
    const TrackEnds still{1000, 2000, 3000, 2000};
    QTest::newRow("one, left: first end")
        << 1 << 1 << true << true << TrackEnds{1500, 2300, 3000, 2000};
    QTest::newRow("one, right: second end")
        << 1 << 2 << true << true << TrackEnds{1000, 2000, 1500, 2300};
    QTest::newRow("one, not selected") << 1 << 1 << false << false << still;
    QTest::newRow("one, middle button") << 1 << 4 << true << false << still;
    QTest::newRow("some, right: whole")
        << 2 << 2 << true << true << TrackEnds{1500, 2300, 3500, 2300};
    QTest::newRow("some, not selected") << 2 << 1 << false << false << still;
    QTest::newRow("all, left: whole")
        << 3 << 1 << false << true << TrackEnds{1500, 2300, 3500, 2300};
    QTest::newRow("all, both buttons") << 3 << 3 << false << false << still;
    QTest::newRow("none") << 0 << 1 << true << false << still;
  }
  void trackUnitsMoveByEndOrWhole() {
    QFETCH(int, mode);
    QFETCH(int, button);
    QFETCH(bool, selected);
    QFETCH(TrackEnds, ends);
    const MoveState s = Press(mode, button, 1500, 2300);
    TrackEnds e{1000, 2000, 3000, 2000};
    QTEST(kv::MoveTrackEnds(s, selected, &e), "moved");
    QCOMPARE(QLineF(e.x1, e.y1, e.x2, e.y2), QLineF(ends.x1, ends.y1, ends.x2, ends.y2));
  }
};

QTEST_APPLESS_MAIN(MoveRulesTest)
#include "test_move_rules.moc"
