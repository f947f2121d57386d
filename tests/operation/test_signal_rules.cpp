#include <QRandomGenerator>
#include <QTest>

#include "operation/points_caption.h"
#include "operation/signal_aspects.h"
#include "operation/signal_coils.h"
#include "support/test_session.h"

namespace {
const QString kLibrary = QStringLiteral("\\data\\sig\\");
}  // namespace

class SignalRulesTest : public QObject {
  Q_OBJECT

 private slots:
  // Each rule of the other aspect, through the picture names: the stored picture, switched off
  // (a B in place 3 read as W), and switched on again.
  void otherAspects_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<QString>("off");
    QTest::newRow("3 aspects clear to yellow") << "C3R2x" << false << ""
                                               << "C3Y2x";
    QTest::newRow("3 aspects reversed: green") << "C3R2x" << true << ""
                                               << "C3G2x";
    QTest::newRow("4 aspects") << "C4Rxx" << false << ""
                               << "C4Yxx";
    QTest::newRow("2 aspects D to G") << "C2D1x" << false << ""
                                      << "C2G1x";
    QTest::newRow("2 aspects R clears") << "C2Rxx" << true << ""
                                        << "C2Gxx";
    QTest::newRow("2 aspects G unchanged") << "C2Gxx" << false << ""
                                           << "C2Gxx";
    QTest::newRow("indicator: platform number") << "CFR#x" << false << "to PLATFORM 3 "
                                                << "CFW3x";
    QTest::newRow("indicator: exit's letter") << "CFR#x" << false << "to B "
                                              << "CFWBx";
    QTest::newRow("indicator: lowest digit first") << "CGY#x" << false << "to BAY 42 "
                                                   << "CGY2x";
    QTest::newRow("indicator: no exit") << "CFR#x" << false << ""
                                        << "CFW x";
    QTest::newRow("indicator: D stays dark") << "CFD#x" << false << "to B "
                                             << "CFD#x";
    QTest::newRow("B read as W") << "CFB#x" << false << "to PLATFORM 3 "
                                 << "CFW3x";
    QTest::newRow("B read as W, no rule") << "C2Bxx" << false << ""
                                          << "C2Wxx";
    QTest::newRow("F without indicator") << "CFRxx" << false << "to B "
                                         << "CFYxx";
    QTest::newRow("3 aspects with indicator") << "C3R#x" << true << "to B "
                                              << "C3GBx";
    QTest::newRow("L3 clears") << "L3Rxx" << false << ""
                               << "L3Yxx";
    QTest::newRow("L3 reversed") << "L3Rxx" << true << ""
                                 << "L3Gxx";
    QTest::newRow("semaphore home") << "SHRxx" << false << ""
                                    << "SHGxx";
    QTest::newRow("distant") << "UDYxx" << true << ""
                             << "UDGxx";
    QTest::newRow("S2 unchanged") << "S2Rxx" << false << ""
                                  << "S2Rxx";
    QTest::newRow("other family unchanged") << "XZRxx" << true << "to B "
                                            << "XZRxx";
  }
  void otherAspects() {
    QFETCH(QString, stored);
    QFETCH(bool, reverse);
    QFETCH(QString, exit);
    QFETCH(QString, off);
    const QString picture = kLibrary + stored + ".bmp";
    const QString derived = kv::SetOffAspect(picture, reverse, exit);
    QCOMPARE(derived, kLibrary + off + ".bmp");
    QCOMPARE(kv::SetOnAspect(derived, kv::AspectCodeOf(picture)), picture);
  }

  void namesTooShortAndRouteItems() {
    QCOMPARE(kv::SetOffAspect("\\R.bmp", false, ""), QStringLiteral("\\R.bmp"));
    QCOMPARE(kv::AspectCodeOf("\\R.bmp"), QString());
    const kv::SignalItem plain = kv::SplitSignalNo(126);
    const kv::SignalItem reversed = kv::SplitSignalNo(148);
    QCOMPARE((QList<int>{plain.coil, plain.sigReverse, reversed.coil, reversed.sigReverse}),
             (QList<int>{126, false, 20, true}));
  }

  // What a coil names: its number for matching, and on "DCC" the accessory output it works.
  void coilsAsTheyRead() {
    QCOMPARE(kv::LeadingNumberOf(" 20"), 20);
    QCOMPARE(kv::LeadingNumberOf("12B"), 12);
    QCOMPARE(kv::LeadingNumberOf("fixed"), std::nullopt);
    QCOMPARE(kv::LeadingNumberOf("256"), std::nullopt);
    const auto a = kv::DccCoilOf("12A");
    const auto b = kv::DccCoilOf("0b");
    const auto l = kv::DccCoilOf("7R");
    QVERIFY(a && b && l);
    QCOMPARE((QList<int>{a->number, a->side.unicode(), b->number, b->side.unicode(), l->number,
                         l->side.unicode()}),
             (QList<int>{12, 'L', 0, 'R', 7, 'R'}));
    QVERIFY(!kv::DccCoilOf("256A") && !kv::DccCoilOf("A") && !kv::DccCoilOf("fixed"));
  }

  // A random coil comes from the free even numbers only; none when none is free.
  void randomCoilsAreFree() {
    QRandomGenerator generator(7);
    const kv::RandomNumber random = [&](int bound) { return int(generator.bounded(bound)); };
    QSet<int> allButOne;
    for (int n = 2; n <= 126; n += 2) allButOne << n;
    allButOne.remove(40);
    QCOMPARE(kv::PickRandomCoil(allButOne, random), 40);
    QCOMPARE(kv::PickRandomCoil(allButOne + QSet<int>{40}, random), std::nullopt);
    QSet<int> drawn;
    for (int k = 0; k < 1000; ++k) drawn << *kv::PickRandomCoil(kv::kKnobRelays, random);
    QCOMPARE(drawn.size(), kv::kCoilChoices - 4);  // every free number, and only those
    QVERIFY(!drawn.intersects(kv::kKnobRelays));

    QCOMPARE(kv::PickDccCoil(5, {5, 6, 8}), 7);
    QCOMPARE(kv::PickDccCoil(-3, {}), 0);
    QCOMPARE(kv::PickDccCoil(255, {255}), std::nullopt);
  }
};

KV_TEST_MAIN(SignalRulesTest)
#include "test_signal_rules.moc"
