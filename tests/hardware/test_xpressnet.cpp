#include <QTest>

#include "hardware/xpressnet.h"
#include "support/test_session.h"

namespace xn = kv::xpressnet;

namespace {
QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }
}  // namespace

// The box's messages, byte for byte.
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
};

KV_TEST_MAIN(XpressNetTest)
#include "test_xpressnet.moc"
