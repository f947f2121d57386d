#include <QTest>

#include "hardware/xpressnet_decode.h"
#include "support/test_session.h"

namespace xn = kv::xpressnet;

namespace {
QByteArray Hex(const char* text) {
  return QByteArray::fromHex(text);
}
}  // namespace

// Frames both ways in the words the monitor and the box simulator show.
class XpressNetWordsTest : public QObject {
  Q_OBJECT

 private slots:
  void framesToTheBox_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("text");
    QTest::newRow("version") << Hex("F0F0") << "version request";
    QTest::newRow("acc 0 L on") << Hex("520188DB") << "accessory 0 L on";
    QTest::newRow("acc 5 R off") << Hex("520283D3") << "accessory 5 R off";
    QTest::newRow("acc 12 L") << Hex("520488DE") << "accessory 12 L on";
    QTest::newRow("acc 255 R") << xn::AccessoryMessage(64, 0x8F) << "accessory 255 R on";
    QTest::newRow("acc address 0")
        << xn::AccessoryMessage(0, 0x8B) << "accessory address 0 pair 1 R on";
    QTest::newRow("acc malformed")
        << xn::AccessoryMessage(1, 0x08) << "accessory with a malformed data byte";
    QTest::newRow("stop") << Hex("E412C4D28060") << "loco 1234 speed stop forward";
    QTest::newRow("e-stop") << Hex("E412000301F4") << "loco 3 speed emergency stop reverse";
    QTest::newRow("step 5") << Hex("E412C4D28464") << "loco 1234 speed step 5 forward";
    QTest::newRow("step 28") << xn::LocoSpeedMessage({0, 3}, 0x9F)
                             << "loco 3 speed step 28 forward";
    QTest::newRow("F0 F2") << Hex("E420C4D212C0") << "loco 1234 functions F0-F4: F0 F2";
    QTest::newRow("F5-F8 off") << Hex("E421C4D200D3") << "loco 1234 functions F5-F8: all off";
    QTest::newRow("F9 F12") << xn::FunctionGroupMessage(0x22, {0, 3}, 0x09)
                            << "loco 3 functions F9-F12: F9 F12";
    QTest::newRow("double") << Hex("E543C4D2D1D7B6") << "double header loco 1234 with loco 4567";
    QTest::newRow("dissolve") << Hex("E543C4D20000B0") << "double header of loco 1234 dissolved";
    QTest::newRow("bad check") << Hex("520188DC") << "bad check byte DC, should be DB";
    QTest::newRow("stale zeros") << Hex("0000") << "unknown command";
  }
  void framesToTheBox() {
    QFETCH(QByteArray, frame);
    QTEST(xn::Describe(frame), "text");
  }

  void answersFromTheBox_data() {
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("text");
    QTest::newRow("version") << Hex("02103624") << "interface version: hardware 1.0, software 3.6";
    QTest::newRow("sent") << Hex("010405") << "command sent";
    QTest::newRow("from PC") << Hex("010100") << "transfer error from the PC";
    QTest::newRow("buffer") << Hex("010607") << "interface buffer full";
    QTest::newRow("power off") << Hex("610061") << "track power off";
    QTest::newRow("busy") << Hex("6181E0") << "command station busy";
    QTest::newRow("unsupported") << Hex("6182E3") << "command not supported";
    QTest::newRow("e-stop") << Hex("810081") << "emergency stop";
    QTest::newRow("unknown code") << Hex("010908") << "unknown answer";
    QTest::newRow("bad check") << Hex("010404") << "bad check byte 04, should be 05";
  }
  void answersFromTheBox() {
    QFETCH(QByteArray, frame);
    QTEST(xn::DescribeReply(frame), "text");
  }
};

KV_TEST_MAIN(XpressNetWordsTest)
#include "test_xpressnet_words.moc"
