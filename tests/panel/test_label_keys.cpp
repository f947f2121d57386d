#include <QTest>

#include "panel/label_keys.h"
#include "support/test_session.h"

using kv::LabelKeyContext;
using kv::LabelKeyState;
using kv::LabelOkVerdict;

namespace {

// Types `keys` ('\b' is Backspace) into an empty text, as the dialog feeds them one by one.
struct Typed {
  QString text;
  int refused = 0;
  LabelKeyState state;
};
Typed Type(const QString& keys, const LabelKeyContext& where) {
  Typed typed;
  for (QChar key : keys) {
    const kv::LabelKeyResult r = kv::LabelKeyPress(typed.text, key, where, typed.state);
    typed.refused += r.refused ? 1 : 0;
    typed.text = r.text;
    typed.state = r.state;
  }
  return typed;
}

constexpr std::int32_t kNavy = 0x800000;

}  // namespace

class TestLabelKeys : public QObject {
  Q_OBJECT

 private slots:
  void keys_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("purpose");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refused");
    // clang-format off
    // DCC points: a number of at most two digits, then L or R.
    QTest::newRow("DCC 1 2 L") << "DCC" << 1 << 255 << "12L" << "12L" << 0;
    QTest::newRow("DCC l is L") << "DCC" << 1 << 255 << "7l" << "7L" << 0;
    QTest::newRow("DCC L first") << "DCC" << 1 << 255 << "L" << "" << 1;
    QTest::newRow("DCC side twice") << "DCC" << 1 << 255 << "12LR" << "12L" << 1;
    QTest::newRow("DCC third digit empties") << "DCC" << 1 << 255 << "123" << "" << 0;
    QTest::newRow("DCC digit after side") << "DCC" << 1 << 255 << "12L4" << "" << 0;
    QTest::newRow("DCC other keys") << "DCC" << 1 << 255 << "1 x-" << "1" << 3;
    // Relay stack: even numbers up to 254, no sides.
    QTest::newRow("DC 12") << "DC" << 1 << 255 << "12" << "12" << 0;
    QTest::newRow("DC 123 odd") << "DC" << 1 << 255 << "123" << "12" << 1;
    QTest::newRow("DC 126") << "DC" << 1 << 255 << "126" << "126" << 0;
    QTest::newRow("DC 256 past 254") << "DC" << 1 << 255 << "256" << "25" << 1;
    QTest::newRow("DC 254") << "DC" << 1 << 255 << "254" << "254" << 0;
    QTest::newRow("DC fourth digit") << "DC" << 1 << 255 << "1264" << "126" << 1;
    QTest::newRow("DC L and R") << "DC" << 1 << 255 << "12LRlr" << "12" << 4;
    QTest::newRow("DC 13 may grow") << "DC" << 1 << 255 << "13" << "13" << 0;
    QTest::newRow("DC 35 cannot") << "DC" << 1 << 255 << "35" << "3" << 1;
    QTest::newRow("DCC + DC 12L") << "DCC + DC" << 1 << 255 << "12L" << "12" << 1;
    QTest::newRow("backspace") << "DC" << 1 << 255 << "12\b6" << "16" << 0;
    // Entrance and exit: upper case. General purpose: black upper case is theirs.
    QTest::newRow("NX upper") << "DCC" << 0 << 0 << "nx 1a" << "NX 1A" << 0;
    QTest::newRow("GP black A B") << "DC" << 2 << 0 << "AB" << "Ab" << 0;
    QTest::newRow("GP black digits first") << "DC" << 2 << 0 << "42AB" << "42aB" << 0;
    QTest::newRow("GP navy A B") << "DC" << 2 << kNavy << "AB" << "AB" << 0;
    // Free text keeps its numbers on a relay-stack system.
    QTest::newRow("GP 15 mph on DC") << "DC" << 2 << kNavy << "15 mph 300" << "15 mph 300" << 0;
    QTest::newRow("NX 15 on DC") << "DC" << 0 << 0 << "15" << "15" << 0;
    // What the label file cannot hold.
    QTest::newRow("quote") << "DC" << 2 << kNavy << "a\"b" << "ab" << 1;
    QTest::newRow("outside 1252") << "DC" << 2 << kNavy << QStringLiteral("caf\u00e9\u20ac\u4e2d")
                                  << QStringLiteral("caf\u00e9\u20ac") << 1;
    QTest::newRow("no purpose") << "DC" << -1 << 0 << "a" << "" << 1;
    // clang-format on
  }
  void keys() {
    QFETCH(QString, system);
    QFETCH(int, purpose);
    QFETCH(int, colour);
    QFETCH(QString, keys);
    const Typed typed = Type(keys, LabelKeyContext{purpose, system, colour});
    QTEST(typed.text, "text");
    QTEST(typed.refused, "refused");
  }

  // OK on what was typed (the dialog's messages are its own test's).
  void ok_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<int>("purpose");
    QTest::addColumn<int>("colour");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("verdict");
    const int accept = int(LabelOkVerdict::kAccept);
    // clang-format off
    QTest::newRow("GP black digits") << "DCC" << 2 << 0 << "42" << int(LabelOkVerdict::kToLowerCase);
    QTest::newRow("GP navy A") << "DCC" << 2 << kNavy << "A" << accept;
    QTest::newRow("DCC 12L") << "DCC" << 1 << 255 << "12L" << accept;
    QTest::newRow("DC 12 back to 1") << "DC" << 1 << 255 << "12\b" << int(LabelOkVerdict::kOddNumber);
    QTest::newRow("DC 3 refused") << "DC" << 1 << 255 << "123" << accept;
    QTest::newRow("DC GP 15") << "DC" << 2 << kNavy << "15" << accept;
    // clang-format on
  }
  void ok() {
    QFETCH(QString, system);
    QFETCH(int, purpose);
    QFETCH(int, colour);
    QFETCH(QString, keys);
    const LabelKeyContext where{purpose, system, colour};
    const Typed typed = Type(keys, where);
    QTEST(int(kv::CheckLabelOk(typed.text, where, typed.state)), "verdict");
  }
};

KV_TEST_MAIN(TestLabelKeys)
#include "test_label_keys.moc"
