#include <QMutex>
#include <QMutexLocker>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <memory>

#include "hardware/board_choice.h"
#include "hardware/board_protocol.h"
#include "hardware/recording_board.h"
#include "hardware/usb_board.h"
#include "support/test_session.h"

using kv::BoardInputs;
using kv::BoardPacket;
using kv::RecordingBoard;
using kv::UsbBoard;

namespace {

BoardPacket Packet(const QByteArray& hex) {
  const QByteArray raw = QByteArray::fromHex(hex);
  BoardPacket p{};
  for (int i = 0; i < 8; ++i) p[i] = static_cast<std::uint8_t>(raw.at(i));
  return p;
}
QStringList Hex(const QList<BoardPacket>& packets) {
  QStringList out;
  for (const BoardPacket& p : packets) {
    out << QByteArray(reinterpret_cast<const char*>(p.data()), int(p.size())).toHex(' ');
  }
  return out;
}

// A board on a wire that the test controls.
struct Wire {
  QMutex mutex;
  bool present = true;
  QString problem;  // why a board that is there does not open
  bool failWrites = false;
  bool failReads = false;
  int vendor = -1;
  int product = -1;
  int closes = 0;
  QStringList writes;  // hex, report number first
  QList<BoardPacket> inputs;
  QList<Qt::HANDLE> readThreads;

  QStringList Writes() {
    QMutexLocker lock(&mutex);
    return writes;
  }
};

class FakeTransport final : public kv::BoardTransport {
 public:
  explicit FakeTransport(std::shared_ptr<Wire> wire) : wire_(std::move(wire)) {}
  bool Open(int vendorId, int productId) override {
    QMutexLocker lock(&wire_->mutex);
    wire_->vendor = vendorId;
    wire_->product = productId;
    return wire_->present;
  }
  QString OpenProblem() const override {
    QMutexLocker lock(&wire_->mutex);
    return wire_->problem;
  }
  void Close() override {
    QMutexLocker lock(&wire_->mutex);
    ++wire_->closes;
  }
  bool Write(const QByteArray& report) override {
    QMutexLocker lock(&wire_->mutex);
    if (wire_->failWrites) return false;
    wire_->writes << QString::fromLatin1(report.toHex(' '));
    return true;
  }
  int Read(std::uint8_t* buffer, int size, int timeoutMs) override {
    {
      QMutexLocker lock(&wire_->mutex);
      wire_->readThreads << QThread::currentThreadId();
      if (wire_->failReads) return -1;
      if (!wire_->inputs.isEmpty() && size >= 8) {
        const BoardPacket p = wire_->inputs.takeFirst();
        std::copy(p.begin(), p.end(), buffer);
        return 8;
      }
    }
    QThread::msleep(static_cast<unsigned long>(timeoutMs));
    return 0;
  }

 private:
  std::shared_ptr<Wire> wire_;
};

UsbBoard::TransportFactory On(const std::shared_ptr<Wire>& wire) {
  return [wire]() { return std::make_unique<FakeTransport>(wire); };
}

const QString kReset = "00 00 00 00 00 00 00 00 00";

}  // namespace

// The board library: the packets its calls send and the inputs it reads.
class BoardTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCallSendsTheWholeStateWithItsCommand() {
    kv::VirtualScheduler clock;
    RecordingBoard board(clock);
    QCOMPARE(board.OpenDevice(0), 0);
    board.WriteAllDigital(0x55);
    board.OutputAnalogChannel(1, 210);
    board.ResetCounter(1);
    board.SetCounterDebounceTime(1, 10);
    board.SetCounterDebounceTime(2, 1000);
    board.ClearDigitalChannel(1);  // the debounce bytes travel with the outputs from now on
    board.OutputAnalogChannel(2, 255);
    board.ResetCounter(2);
    board.SetDigitalChannel(8);
    board.OutputAllAnalog(1, 2);
    board.SetAllDigital();
    board.ClearAllAnalog();
    QSignalSpy changed(&board, &kv::BoardLibrary::outputsChanged);
    QCOMPARE(board.OpenDevice(0), 0);  // opened again: reset again
    // Opening resets the board; then each packet carries the command and the whole state.
    QCOMPARE(Hex(board.Packets()),
             (QStringList{"00 00 00 00 00 00 00 00", "05 55 00 00 00 00 00 00",
                          "05 55 d2 00 00 00 00 00", "03 55 d2 00 00 00 00 00",
                          "01 55 d2 00 00 00 09 00", "02 55 d2 00 00 00 09 5d",
                          "05 54 d2 00 00 00 09 5d", "05 54 d2 ff 00 00 09 5d",
                          "04 54 d2 ff 00 00 09 5d", "05 d4 d2 ff 00 00 09 5d",
                          "05 d4 01 02 00 00 09 5d", "05 ff 01 02 00 00 09 5d",
                          "05 ff 00 00 00 00 09 5d", "00 00 00 00 00 00 00 00"}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(board.Outputs().digital, std::uint8_t(0));
  }

  void argumentsOutOfRangeChangeNothing() {
    kv::VirtualScheduler clock;
    RecordingBoard board(clock);
    board.OpenDevice(0);
    board.WriteAllDigital(6);
    board.OutputAnalogChannel(2, 100);
    QSignalSpy changed(&board, &kv::BoardLibrary::outputsChanged);
    const int before = int(board.Packets().size());
    board.WriteAllDigital(256);  // cut to a byte it would be 0: another solenoid
    board.WriteAllDigital(-1);
    board.OutputAnalogChannel(3, 10);
    board.OutputAnalogChannel(0, 10);
    board.OutputAnalogChannel(1, 256);
    board.OutputAllAnalog(300, 4);
    board.SetDigitalChannel(0);
    board.SetDigitalChannel(9);
    board.ClearDigitalChannel(9);
    board.SetAnalogChannel(3);
    board.ResetCounter(3);
    board.SetCounterDebounceTime(0, 10);
    QCOMPARE(int(board.Packets().size()), before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(QList<int>({board.Outputs().digital, board.Outputs().analog2}), QList<int>({6, 100}));
    QCOMPARE(board.ReadCounter(3) + board.ReadDigitalChannel(6), 0);
  }

  // round(sqrt(ms / 0.115)), the time held to 1..7450 ms.
  void debounceTimeToByte_data() {
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("byte");
    const std::pair<int, int> rows[] = {{0, 3},     {1, 3},      {2, 4},       {10, 9},
                                        {1000, 93}, {7450, 255}, {60000, 255}, {-5, 3}};
    for (const auto& [ms, byte] : rows) QTest::addRow("%d ms", ms) << ms << byte;
  }
  void debounceTimeToByte() {
    QFETCH(int, ms);
    QTEST(int(kv::DebounceByte(ms)), "byte");
  }

  // Inputs 1 to 5 come in bits 4, 5, 0, 6, 7 (bits 1 to 3 are none).
  void inputPackets_data() {
    QTest::addColumn<QString>("packet");
    QTest::addColumn<QString>("decoded");
    const std::pair<const char*, const char*> rows[] = {
        {"1001000000000000", "1 1 0 0 0 0"},         {"2001000000000000", "2 1 0 0 0 0"},
        {"0102000000000000", "4 2 0 0 0 0"},         {"4003000000000000", "8 3 0 0 0 0"},
        {"8004000000000000", "16 4 0 0 0 0"},        {"0e01000000000000", "0 1 0 0 0 0"},
        {"ff017f8034120200", "31 1 127 128 4660 2"}, {"000100ffffffffff", "0 1 0 255 65535 65535"}};
    for (const auto& [packet, decoded] : rows) QTest::newRow(packet) << packet << decoded;
  }
  void inputPackets() {
    QFETCH(QString, packet);
    const BoardInputs in = kv::DecodeInputs(Packet(packet.toLatin1()));
    QStringList fields;
    for (int v : {in.digital, in.status, in.analog1, in.analog2, in.counter1, in.counter2})
      fields << QString::number(v);
    QTEST(fields.join(' '), "decoded");
  }

  // The board of the card address is opened and reset.
  void packetsReachTheWireInOrderWithTheReportNumber() {
    auto wire = std::make_shared<Wire>();
    UsbBoard board(On(wire));
    QCOMPARE(board.OpenDevice(2), 2);
    QCOMPARE(wire->vendor, 0x10CF);
    QCOMPARE(wire->product, 0x5502);
    board.WriteAllDigital(0x55);
    board.OutputAnalogChannel(1, 210);
    board.ResetCounter(1);
    board.SetCounterDebounceTime(1, 10);
    board.ClearAllDigital();
    QTRY_COMPARE(wire->Writes(),
                 (QStringList{kReset, "00 05 55 00 00 00 00 00 00", "00 05 55 d2 00 00 00 00 00",
                              "00 03 55 d2 00 00 00 00 00", "00 01 55 d2 00 00 00 09 00",
                              "00 05 00 d2 00 00 00 09 00"}));
  }

  void inputsAreReadOffTheWindowThread() {
    auto wire = std::make_shared<Wire>();
    UsbBoard board(On(wire));
    board.OpenDevice(1);
    {
      QMutexLocker lock(&wire->mutex);
      wire->inputs << BoardPacket{0x91, 0x02, 0x7F, 0x80, 0x34, 0x12, 0x02, 0x00};
    }
    // The answer comes back as an event: the window thread never waits for the wire.
    QTRY_COMPARE(board.ReadAllDigital(), 0b10101);  // inputs 1, 3 and 5
    QCOMPARE(board.ReadCounter(1), 0x1234);
    QCOMPARE(board.ReadAnalogChannel(2), 128);
    QMutexLocker lock(&wire->mutex);
    QVERIFY(!wire->readThreads.isEmpty());
    QVERIFY(!wire->readThreads.contains(QThread::currentThreadId()));
  }

  // No board, or one this user may not open (which says why).
  void noBoardAnswersMinusOneAndSendsNothing() {
    auto wire = std::make_shared<Wire>();
    wire->present = false;
    wire->problem = "no access";
    UsbBoard board(On(wire));
    QCOMPARE(board.OpenDevice(3), -1);
    QCOMPARE(wire->product, 0x5503);
    QCOMPARE(board.OpenProblem(), QStringLiteral("no access"));
    board.WriteAllDigital(6);
    QCOMPARE(board.ReadAllDigital(), 0);
    QTest::qWait(20);
    QVERIFY(wire->Writes().isEmpty());
    QCOMPARE(board.OpenDevice(7), -1);  // no such address: not even looked for
    QCOMPARE(wire->product, 0x5503);
    QCOMPARE(board.OpenProblem(), QString());  // a later try has its own answer
    wire->present = true;
    QCOMPARE(board.OpenDevice(0), 0);
    QCOMPARE(board.OpenProblem(), QString());
  }

  void aFailingBoardBecomesNoBoard_data() {
    QTest::addColumn<bool>("writes");
    QTest::newRow("a write fails") << true;
    QTest::newRow("a read fails") << false;
  }
  void aFailingBoardBecomesNoBoard() {
    QFETCH(bool, writes);
    auto wire = std::make_shared<Wire>();
    UsbBoard board(On(wire));
    QCOMPARE(board.OpenDevice(0), 0);
    QTRY_COMPARE(wire->Writes().size(), 1);
    {
      QMutexLocker lock(&wire->mutex);
      (writes ? wire->failWrites : wire->failReads) = true;
    }
    board.WriteAllDigital(4);
    QTRY_VERIFY(!board.IsOpen());
    QCOMPARE(wire->closes, 1);
    {
      QMutexLocker lock(&wire->mutex);
      wire->failWrites = wire->failReads = false;
    }
    board.WriteAllDigital(8);  // silently nothing
    QCOMPARE(board.ReadAllDigital(), 0);
    QTest::qWait(20);
    QVERIFY(!wire->Writes().contains("00 05 08 00 00 00 00 00 00"));
    QCOMPARE(board.OpenDevice(0), 0);  // and it can be connected again
  }

  void closingWritesWhatWasAskedFirst() {
    auto wire = std::make_shared<Wire>();
    {
      UsbBoard board(On(wire));
      board.OpenDevice(0);
      board.WriteAllDigital(7);
      board.ClearAllDigital();
      board.CloseDevice();
      QCOMPARE(wire->closes, 1);
      QCOMPARE(wire->Writes(),
               (QStringList{kReset, "00 05 07 00 00 00 00 00 00", "00 05 00 00 00 00 00 00 00"}));
      board.WriteAllDigital(1);
    }
    QCOMPARE(wire->Writes().size(), 3);
    QCOMPARE(wire->closes, 1);
  }

  void theRealDriverFindsNoBoardHere() {
    if (!kv::HaveUsbBoardSupport()) QSKIP("built without hidapi");
    kv::VirtualScheduler clock;
    auto board = kv::MakeBoardLibrary(kv::BoardChoice::kUsb, clock);
    QVERIFY(qobject_cast<UsbBoard*>(board.get()));
    const int answer = board->OpenDevice(3);
    if (answer == 3) QSKIP("a board with address 3 is plugged in");
    QCOMPARE(answer, -1);
    board->WriteAllDigital(1);
    QCOMPARE(board->ReadAllDigital(), 0);
  }

  void theEnvironmentChoosesTheBoard_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("unknown");
    const QString usual = kv::HaveUsbBoardSupport() ? "kv::UsbBoard" : "kv::NoBoard";
    QTest::newRow("unset") << "" << usual << false;
    QTest::newRow("recording") << "recording" << "kv::RecordingBoard" << false;
    QTest::newRow("any case, spaces") << " Recording " << "kv::RecordingBoard" << false;
    QTest::newRow("none") << "none" << "kv::NoBoard" << false;
    QTest::newRow("usb") << "usb" << usual << false;
    QTest::newRow("a typing error") << "recordnig" << usual << true;
  }
  void theEnvironmentChoosesTheBoard() {
    QFETCH(QString, value);
    QFETCH(bool, unknown);
    bool wasUnknown = !unknown;  // must be written either way
    kv::VirtualScheduler clock;
    auto board = kv::MakeBoardLibrary(kv::ParseBoardChoice(value, &wasUnknown), clock);
    QTEST(QString::fromLatin1(board->metaObject()->className()), "kind");
    QCOMPARE(wasUnknown, unknown);
  }
};

KV_TEST_MAIN(BoardTest)
#include "test_board.moc"
