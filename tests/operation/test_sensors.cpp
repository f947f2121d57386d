#include <QTest>

#include "base/session.h"
#include "operation/sensors.h"
#include "operation/signal_aspects.h"
#include "panel/panel.h"
#include "support/test_session.h"

using kv::test::TestSession;

namespace {

// Three sensor boxes along the top of a shown panel, at 0, 1500 and 3000 twips across.
struct Boxes {
  explicit Boxes(std::uint8_t mode) {
    t.session.model.ProgMode = mode;
    for (int i = 1; i <= 3; ++i) panel.LoadSensor(i, 1500.0 * (i - 1), 0);
    t.session.model.SensorCount = 3;
    panel.resize(600, 300);
    panel.show();
  }
  // Which boxes are lit, as "1 3".
  QString Lit() {
    QStringList lit;
    for (int i = 1; i <= 3; ++i) {
      if (panel.txtAws(i)->Lit()) lit << QString::number(i);
    }
    return lit.join(' ');
  }
  QPoint On(int i) { return QPoint(100 * (i - 1) + 5, 5); }

  TestSession t;
  kv::Panel panel{t.session};
  kv::Sensors sensors{t.session, panel};
};

}  // namespace

class SensorsTest : public QObject {
  Q_OBJECT

 private slots:
  void aPressedBoxLightsAndTheReleaseActsInOperateOnly_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("released");
    QTest::newRow("operate") << int(kv::kOperate) << "2"
                             << "";
    QTest::newRow("create: stays lit") << int(kv::kCreate) << "2"
                                       << "2";
    QTest::newRow("modify: selects instead") << int(kv::kModify) << ""
                                             << "";
  }
  void aPressedBoxLightsAndTheReleaseActsInOperateOnly() {
    QFETCH(int, mode);
    Boxes b(static_cast<std::uint8_t>(mode));
    QTest::mousePress(b.panel.viewport(), Qt::LeftButton, {}, b.On(2));
    QTEST(b.Lit(), "pressed");
    QCOMPARE(int(b.t.session.model.SensorIdx), 2);
    QTest::mouseRelease(b.panel.viewport(), Qt::LeftButton, {}, b.On(2));
    QTEST(b.Lit(), "released");
  }

  void theEventLightsBoxSensorIdxForHalfASecond() {
    Boxes b(kv::kOperate);
    b.t.session.model.SensorIdx = 3;
    b.sensors.SensorEvent();
    QCOMPARE(b.Lit(), QStringLiteral("3"));
    b.t.scheduler.Advance(499);
    QCOMPARE(b.Lit(), QStringLiteral("3"));
    b.t.scheduler.Advance(1);
    QCOMPARE(b.Lit(), QString());
    QCOMPARE(b.sensors.timAws().Interval(), 0);
  }

  void eachEventEndsHalfASecondAfterItself() {
    Boxes b(kv::kOperate);
    b.t.session.model.SensorIdx = 1;
    b.sensors.SensorEvent();
    b.t.scheduler.Advance(300);
    b.t.session.model.SensorIdx = 2;
    b.sensors.SensorEvent();
    QCOMPARE(b.Lit(), QStringLiteral("1 2"));
    b.t.scheduler.Advance(200);
    QCOMPARE(b.Lit(), QStringLiteral("2"));
    b.t.scheduler.Advance(299);
    QCOMPARE(b.Lit(), QStringLiteral("2"));
    b.t.scheduler.Advance(1);
    QCOMPARE(b.Lit(), QString());
  }

  // Readings of the board's inputs 50 ms apart; which boxes are lit after the last.
  void aRisingBoardInputLightsItsBox_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("readings");
    QTest::addColumn<QString>("lit");
    QTest::newRow("first reading taken as it stands")
        << int(kv::kOperate) << QList<int>{0b101} << "";
    QTest::newRow("input 2 rises") << int(kv::kOperate) << QList<int>{0, 0b10} << "2";
    QTest::newRow("inputs 1 and 3 rise together")
        << int(kv::kOperate) << QList<int>{0b10, 0b111} << "1 3";
    QTest::newRow("a held input lights once")
        << int(kv::kOperate) << QList<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1} << "";
    QTest::newRow("input 5: no such box") << int(kv::kOperate) << QList<int>{0, 0b10000} << "";
    QTest::newRow("modify") << int(kv::kModify) << QList<int>{0, 0b10} << "";
  }
  void aRisingBoardInputLightsItsBox() {
    QFETCH(int, mode);
    QFETCH(QList<int>, readings);
    Boxes b(static_cast<std::uint8_t>(mode));
    for (int bits : readings) {
      b.t.scheduler.Advance(50);
      b.sensors.BoardInputs(bits);
    }
    QTEST(b.Lit(), "lit");
  }

  // Each rule of the other aspect, through the picture names.
  void otherAspects_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<QString>("off");
    const struct {
      const char *stored, *exit, *off;
      bool reverse;
    } rows[] = {
        {"C3R2x", "", "C3Y2x", false},
        {"C3R2x", "", "C3G2x", true},
        {"C4Rxx", "", "C4Yxx", false},
        {"C2D1x", "", "C2G1x", false},
        {"C2Rxx", "", "C2Gxx", true},
        {"C2Gxx", "", "C2Gxx", false},
        {"CFR#x", "to PLATFORM 3 ", "CFW3x", false},  // a platform number wins
        {"CFR#x", "to B ", "CFWBx", false},
        {"CGY#x", "to BAY 42 ", "CGY2x", false},
        {"CFR#x", "", "CFW x", false},
        {"CFD#x", "to B ", "CFD#x", false},
        {"CFB#x", "to PLATFORM 3 ", "CFW3x", false},  // B read as W
        {"C2Bxx", "", "C2Wxx", false},
        {"CFRxx", "to B ", "CFYxx", false},
        {"C3R#x", "to B ", "C3GBx", true},
        {"L3Rxx", "", "L3Yxx", false},
        {"L3Rxx", "", "L3Gxx", true},
        {"SHRxx", "", "SHGxx", false},
        {"UDYxx", "", "UDGxx", true},
        {"S2Rxx", "", "S2Rxx", false},
        {"XZRxx", "to B ", "XZRxx", true},
    };
    for (const auto& r : rows) {
      QTest::addRow("%s %s%s", r.stored, r.exit, r.reverse ? " r" : "")
          << r.stored << r.reverse << r.exit << r.off;
    }
  }
  void otherAspects() {
    QFETCH(QString, stored);
    QFETCH(bool, reverse);
    QFETCH(QString, exit);
    QFETCH(QString, off);
    const QString picture = "\\data\\sig\\" + stored + ".bmp";
    const QString derived = kv::SetOffAspect(picture, reverse, exit);
    QCOMPARE(derived, "\\data\\sig\\" + off + ".bmp");
    QCOMPARE(kv::SetOnAspect(derived, kv::AspectCodeOf(picture)), picture);
  }
};

KV_TEST_MAIN(SensorsTest)
#include "test_sensors.moc"
