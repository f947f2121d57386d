#include <unistd.h>

#include <QFile>
#include <QTest>

#include "base/box_text.h"
#include "hardware/dcc_link.h"
#include "hardware/port_access.h"
#include "support/fake_dcc_line.h"
#include "support/test_session.h"

using kv::DccLink;
using kv::test::FakeDccPorts;
using kv::test::FakeLineLog;
using kv::test::TestSession;

namespace {

const QString kPrompt = QStringLiteral(
    "use zero for offline operation\nu.s.b. port connected below\n1 = /dev/fake0\n2 = /dev/fake1");

bool RunningAsRoot() {
  return ::geteuid() == 0;
}

}  // namespace

// A serial port that is there but may not be opened is not a box switched off.
class PortAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void aPortThisUserMayNotOpenNamesTheFix() {
    TestSession t;
    auto log = std::make_shared<FakeLineLog>();
    log->refuse << "/dev/fake0"
                << "/dev/fake1";
    DccLink link(t.session);
    link.SetPorts(std::make_unique<FakeDccPorts>(t.scheduler, log));
    link.SetAccessCheck([](const QString& device) { return device == "/dev/fake0"; });
    t.session.model.BoxPort = 1;
    t.dialogs.QueueText("2");  // there is nothing at 2: an absent box again
    t.dialogs.QueueText("0");
    link.OpenDccBox();
    QCOMPARE(kv::test::Titles(t.dialogs),
             (QStringList{"No access to the DCC box's port", "DCC Box disconnected"}));
    QCOMPARE(kv::BoxText(t.dialogs.Transcript().at(0).text),
             "Port 1 (/dev/fake0) is there, but this user may not open it.\n"
             "Join the dialout group (sudo adduser $USER dialout), then log out and in again.\n" +
                 kPrompt);
    QCOMPARE(kv::BoxText(t.dialogs.Transcript().at(1).text), kPrompt);
    QVERIFY(!link.Online());
    QVERIFY(log->opened.isEmpty());
  }

  void accessIsReadFromTheFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("denied");
    QTest::newRow("mode 000") << "locked" << true;
    QTest::newRow("read and write") << "open" << false;
    QTest::newRow("missing") << "missing" << false;
  }
  void accessIsReadFromTheFile() {
    QFETCH(QString, kind);
    QFETCH(bool, denied);
    // Permissions do not bind root; the seam above covers the prompt for that case.
    if (denied && RunningAsRoot()) QSKIP("root may open any file");
    TestSession t;
    const QString device = t.dir.filePath("ttyLocked");
    if (kind != "missing") {
      QFile file(device);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.close();
      if (kind == "locked") QVERIFY(file.setPermissions({}));
    }
    QCOMPARE(kv::AccessDenied(device), denied);
    QCOMPARE(kv::DeviceGroup(device), QStringLiteral("dialout"));

    // The system's own ports: a locked device file asks with the fix, the others as absent.
    DccLink link(t.session);
    link.SetPorts(std::make_unique<kv::SystemDccPorts>(QStringList{device}));
    t.session.model.BoxPort = 1;
    t.dialogs.QueueText("0");
    link.OpenDccBox();
    QCOMPARE(t.dialogs.Last().title, denied ? QStringLiteral("No access to the DCC box's port")
                                            : QStringLiteral("DCC Box disconnected"));
  }
};

KV_TEST_MAIN(PortAccessTest)
#include "test_port_access.moc"
