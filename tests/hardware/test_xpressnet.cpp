#include <QTest>

#include "hardware/xpressnet.h"
#include "hardware/xpressnet_decode.h"
#include "support/test_session.h"

namespace xn = kv::xpressnet;

namespace {
QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }
}  // namespace

// The box's messages byte for byte, and in the words the monitor shows.
class XpressNetTest : public QObject {
  Q_OBJECT

 private slots:
  void everyMessageHasItsExactBytes_data() {
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("bytes");
    const xn::LocoAddress l1234 = *xn::LocoAddressOf(1234), l3 = *xn::LocoAddressOf(3);
    QTest::newRow("version request") << xn::VersionRequest() << Hex("F0F0");
    QTest::newRow("1234 stop forward") << xn::LocoSpeedMessage(l1234, 0x80) << Hex("E412C4D28060");
    QTest::newRow("1234 stop reverse") << xn::LocoSpeedMessage(l1234, 0x00) << Hex("E412C4D200E0");
    QTest::newRow("3 stop") << xn::LocoSpeedMessage(l3, 0x00) << Hex("E412000300F5");
    QTest::newRow("F0 off") << xn::FunctionGroupMessage(0x20, l1234, 0x00) << Hex("E420C4D200D2");
    QTest::newRow("F0 on") << xn::FunctionGroupMessage(0x20, l1234, 0x1F) << Hex("E420C4D21FCD");
    QTest::newRow("F5 off") << xn::FunctionGroupMessage(0x21, l1234, 0x00) << Hex("E421C4D200D3");
    QTest::newRow("F5 on") << xn::FunctionGroupMessage(0x21, l1234, 0x0F) << Hex("E421C4D20FDC");
    QTest::newRow("F9 off") << xn::FunctionGroupMessage(0x22, l1234, 0x00) << Hex("E422C4D200D0");
    QTest::newRow("F9 on") << xn::FunctionGroupMessage(0x22, l1234, 0x0F) << Hex("E422C4D20FDF");
    QTest::newRow("loco 3 F0") << xn::FunctionGroupMessage(0x20, l3, 0x10) << Hex("E420000310D7");
    QTest::newRow("double header")
        << xn::DoubleHeaderMessage(l1234, *xn::LocoAddressOf(4567)) << Hex("E543C4D2D1D7B6");
    QTest::newRow("dissolve") << xn::DoubleHeaderMessage(l1234, {0, 0}) << Hex("E543C4D20000B0");
  }
  void everyMessageHasItsExactBytes() {
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, bytes);
    QCOMPARE(message.toHex(' '), bytes.toHex(' '));
  }

  // Solenoid number and side to the on and off frames of the accessory decoder.
  void accessoryFrames_data() {
    QTest::addColumn<int>("solenoid");
    QTest::addColumn<QString>("pointSide");
    QTest::addColumn<QByteArray>("on");
    QTest::addColumn<QByteArray>("off");
    QTest::newRow("0 L") << 0 << "0L" << Hex("520188DB") << Hex("520180D3");
    QTest::newRow("5 R") << 5 << "5R" << Hex("52028BDB") << Hex("520283D3");
    QTest::newRow("1 R, pair 1") << 1 << "R" << Hex("52018BD8") << Hex("520183D0");
    QTest::newRow("3 L, pair 3") << 3 << "L" << Hex("52018EDD") << Hex("520186D5");
    QTest::newRow("4 L, address 2") << 4 << "4L" << Hex("520288D8") << Hex("520280D0");
    QTest::newRow("255 R, address 64") << 255 << "255R" << Hex("52408F9D") << Hex("52408795");
    QTest::newRow("both letters: R") << 0 << "LR" << Hex("520189DA") << Hex("520181D2");
    QTest::newRow("lower case") << 0 << "0r" << Hex("520189DA") << Hex("520181D2");
  }
  void accessoryFrames() {
    QFETCH(int, solenoid);
    QFETCH(QString, pointSide);
    QFETCH(QByteArray, on);
    QFETCH(QByteArray, off);
    const xn::AccessoryTarget t = xn::AccessoryFor(static_cast<std::uint8_t>(solenoid));
    const auto side = xn::SideOf(pointSide);
    QVERIFY(side.has_value());
    QCOMPARE(xn::AccessoryMessage(t.address, xn::AccessoryData(true, t.pair, *side)).toHex(' '),
             on.toHex(' '));
    QCOMPARE(xn::AccessoryMessage(t.address, xn::AccessoryData(false, t.pair, *side)).toHex(' '),
             off.toHex(' '));
  }

  // Chip numbers 0 to 9999 and their two address bytes; others have none.
  void locoAddressBytes_data() {
    QTest::addColumn<int>("chip");
    QTest::addColumn<QByteArray>("bytes");
    const std::pair<int, const char*> rows[] = {{3, "0003"},    {99, "0063"},   {100, "C064"},
                                                {1234, "C4D2"}, {4567, "D1D7"}, {9999, "E70F"},
                                                {-1, ""},       {10000, ""}};
    for (const auto& [chip, hex] : rows) QTest::addRow("%d", chip) << chip << Hex(hex);
  }
  void locoAddressBytes() {
    QFETCH(int, chip);
    QFETCH(QByteArray, bytes);
    const auto a = xn::LocoAddressOf(chip);
    QCOMPARE(a.has_value(), !bytes.isEmpty());
    if (!a) return;
    QCOMPARE(QByteArray().append(char(a->high)).append(char(a->low)).toHex(), bytes.toHex());
  }

  void functionGroupsByNumber() {
    QList<int> groups;
    for (int f = -1; f <= 13; ++f) groups << xn::FunctionGroupOf(f).value_or(0);
    QCOMPARE(groups, (QList<int>{0, 0x20, 0x20, 0x20, 0x20, 0x20, 0x21, 0x21, 0x21, 0x21, 0x22,
                                 0x22, 0x22, 0x22, 0}));
  }

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

KV_TEST_MAIN(XpressNetTest)
#include "test_xpressnet.moc"
