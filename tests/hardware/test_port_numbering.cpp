#include <QTest>

#include "hardware/dcc_link.h"
#include "hardware/dcc_texts.h"
#include "layout/port_file.h"
#include "support/fake_dcc_line.h"
#include "support/test_session.h"

namespace {

// A link over two fake lines, /dev/fake0 (port 1) and /dev/fake1 (port 2), both answering,
// with port.txt and the device remembered beside it as given.
struct Rig {
  kv::test::TestSession t;
  std::shared_ptr<kv::test::FakeLineLog> log = std::make_shared<kv::test::FakeLineLog>();
  kv::DccLink link{t.session};

  Rig(const QByteArray& port, const QByteArray& device) {
    link.SetPorts(std::make_unique<kv::test::FakeDccPorts>(t.scheduler, log));
    t.session.model.ControlSystem = QStringLiteral("DCC");
    t.Write(kv::kPortFile, port);
    if (!device.isNull()) t.Write(kv::kPortDeviceFile, device);
    link.ReadPortFile();
  }
};

}  // namespace

class PortNumberingTest : public QObject {
  Q_OBJECT

 private slots:
  // Adapters with a persistent name are numbered first, in the order of those names, whatever
  // order the system found them in; the rest follow as before.
  void persistentNamesComeFirstInTheirOrder() {
    const QString byId = QStringLiteral("/dev/serial/by-id/");
    QCOMPARE(kv::StableSerialOrder({{byId + "usb-FTDI_B-if00", "/dev/ttyUSB0"},
                                    {byId + "usb-FTDI_A-if00", "/dev/ttyUSB1"}},
                                   {"/dev/ttyS0", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyUSB0"}),
             (QStringList{byId + "usb-FTDI_A-if00", byId + "usb-FTDI_B-if00", "/dev/ttyACM0",
                          "/dev/ttyS0"}));
  }

  // The device a number meant is opened even where the number now leads elsewhere; when it is
  // gone the user is asked, nothing else is opened, and both files stay as they were.
  void theRememberedDeviceOrAQuestion() {
    Rig moved("1\r\n", "\"/dev/fake1\"\r\n");
    moved.link.OpenDccBox();
    QCOMPARE(moved.log->opened, QStringList{"/dev/fake1"});
    QVERIFY(moved.link.Online());

    Rig gone("1\r\n", "\"/dev/fake7\"\r\n");
    gone.link.OpenDccBox();  // the scripted prompt answers Cancel
    QVERIFY(gone.log->opened.isEmpty());
    QCOMPARE(gone.t.dialogs.Transcript().size(), 1);
    QCOMPARE(gone.t.dialogs.Last().text,
             kv::texts::BoxPortPrompt(
                 {kv::texts::BoxDeviceGone("/dev/fake7"), "1 = /dev/fake0", "2 = /dev/fake1"}));
    QCOMPARE(gone.t.Read(kv::kPortFile), QByteArray("1\r\n"));
    QCOMPARE(gone.t.Read(kv::kPortDeviceFile), QByteArray("\"/dev/fake7\"\r\n"));
  }

  // A number answered, or found working on a first start, is remembered with its device.
  void theDeviceIsRememberedBesidePortTxt() {
    Rig asked("0\r\n", QByteArray());
    asked.t.dialogs.QueueText("2");
    asked.link.OpenDccBox();
    QCOMPARE(asked.t.Read(kv::kPortFile), QByteArray("2\r\n"));
    QCOMPARE(asked.t.Read(kv::kPortDeviceFile), QByteArray("\"/dev/fake1\"\r\n"));

    Rig first("1\r\n", QByteArray());
    first.link.OpenDccBox();
    QCOMPARE(first.t.Read(kv::kPortDeviceFile), QByteArray("\"/dev/fake0\"\r\n"));
  }
};

KV_TEST_MAIN(PortNumberingTest)
#include "test_port_numbering.moc"
