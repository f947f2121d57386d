#include <QTest>

#include "operation/signal_aspects.h"
#include "support/test_session.h"

class SignalRulesTest : public QObject {
  Q_OBJECT

 private slots:
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

KV_TEST_MAIN(SignalRulesTest)
#include "test_signal_rules.moc"
