#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "hardware/dcc_link.h"
#include "hardware/ui/loco_window.h"
#include "support/fake_dcc_line.h"
#include "support/find_control.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::LocoWindow;
using kv::test::Find;

namespace {

// The window over a layout with two locos and labelled functions, on line to a fake box.
struct Rig {
  explicit Rig(bool online = true) {
    kv::test::UseLayout(t);
    kv::test::WriteLayoutFile(t, "loco.txt", "\"4567\",\"4567\"\r\n\"1234\",\"1234\"\r\n");
    kv::test::WriteLayoutFile(t, "function.txt",
                              "\"F0   OFF lights\",-1\r\n\"F1   ON  bell\",0\r\n");
    link.SetPorts(std::make_unique<kv::test::FakeDccPorts>(t.scheduler, log));
    t.session.model.BoxPort = online ? 1 : 0;
    if (online) link.OpenDccBox();
    w.LoadLocoList();
    w.LoadFunctionNames();
    w.show();
    log->writes.clear();
  }
  template <typename T = QWidget>
  T* Get(const QString& name) {
    return Find<T>(&w, name);
  }
  void Trigger(const QString& action) { w.findChild<QAction*>(action)->trigger(); }
  QStringList Frames() {
    t.scheduler.RunUntilIdle();
    QStringList out;
    for (const auto& write : log->writes) out << write.bytes.toHex(' ');
    log->writes.clear();
    return out;
  }
  kv::test::TestSession t;
  std::shared_ptr<kv::test::FakeLineLog> log = std::make_shared<kv::test::FakeLineLog>();
  kv::DccLink link{t.session};
  LocoWindow w{t.session, link};
};

}  // namespace

class LocoWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void addLocoBoxesTakeOnlyTheirKeys_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* row : {"d first becomes D|d123|D123", "no D after a digit|12D3|123",
                            "one letter only|Ee5|E5", "nothing else|4 7x1.|471"}) {
      const QStringList cells = QString(row).split('|');
      QTest::newRow(row) << cells[1] << cells[2];
    }
  }
  void addLocoBoxesTakeOnlyTheirKeys() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Rig r;
    r.Trigger("mnuAdd_0");
    QVERIFY(r.w.AddMode() && !r.Get("fraControl")->isVisible());
    auto* chip = r.Get<QLineEdit>("txtChip");
    auto* loco = r.Get<QLineEdit>("txtLoco");
    QTest::keyClicks(chip, "0a1 005");
    QCOMPARE(chip->text(), QStringLiteral("0100"));
    QCOMPARE(r.w.focusWidget(), loco);  // four digits: on to the number
    QTest::keyClicks(loco, typed);
    QCOMPARE(loco->text() + "|" + loco->toolTip(), shown + "|Write Loco");
    QTest::keyClick(loco, Qt::Key_Return);
    QVERIFY(!r.w.AddMode() && r.Get("fraControl")->isVisible());
    auto* list = r.Get<QListWidget>("lstLoco");
    QVERIFY(list->currentItem()->text() == shown + " 0100" && list->count() == 3);
  }

  // A refused loco must not keep the throttle hidden: Escape gives it up.
  void escapeLeavesAddModeWithoutAdding() {
    Rig r;
    r.Trigger("mnuAdd_0");
    QTest::keyClicks(r.Get("txtChip"), "12");
    r.Trigger("mnuAdd_1");
    QTest::keyClick(r.Get("txtChip"), Qt::Key_Escape);
    QVERIFY(!r.w.AddMode() && r.Get("fraControl")->isVisible());
    QVERIFY(r.Get<QLineEdit>("txtChip")->text().isEmpty() &&
            r.Get<QListWidget>("lstLoco")->count() == 2);
  }

  void functionBoxes() {
    Rig r(false);
    QCOMPARE(r.w.windowTitle(), QStringLiteral("DCC Loco Control   modem OFF"));
    auto* f0 = r.Get<QCheckBox>("chkFunc_0");
    QVERIFY(!f0->isEnabled() && f0->text() == "F0   OFF lights");
    r.Trigger("mnuUnitA_0");
    QTest::mouseClick(f0, Qt::LeftButton);
    QVERIFY(f0->isChecked() && f0->text() == "F0   ON  lights");
    QCOMPARE(r.w.findChild<QAction*>("mnuFuncTot")->text(), QStringLiteral("FT 16"));
    QTest::mousePress(r.Get("chkFunc_1"), Qt::LeftButton);
    QCOMPARE(r.Get<QCheckBox>("chkFunc_1")->text(), QStringLiteral("F1   ON  bell"));
    QTest::mouseRelease(r.Get("chkFunc_1"), Qt::LeftButton);
    QCOMPARE(r.Get<QCheckBox>("chkFunc_1")->text(), QStringLiteral("F1   OFF bell"));
    QCOMPARE(r.Frames(), QStringList());  // off-line: nothing leaves

    QTest::mouseClick(r.Get("imgBtnFunc_1"), Qt::LeftButton);
    QTest::mouseClick(r.Get("imgBtnFunc_1"), Qt::LeftButton);
    QCOMPARE(r.w.FirstShownFunction(), 10);
    QVERIFY(r.Get("chkFunc_12")->isVisible() && !r.Get("chkFunc_9")->isVisible() &&
            !r.Get("imgBtnFunc_1")->isEnabled());
    QTest::mouseClick(r.Get("imgBtnFunc_0"), Qt::LeftButton);
    QCOMPARE(r.w.FirstShownFunction(), 5);
  }
};

KV_TEST_MAIN(LocoWindowTest)
#include "test_loco_window.moc"
