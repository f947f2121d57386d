#include <QAction>
#include <QTest>

#include "hardware/ui/loco_window.h"
#include "layout/sundry_files.h"
#include "operating_rig.h"
#include "support/layout_fixture.h"

using kv::test::Find;
using kv::test::OperatingRig;

class LocoWiringTest : public QObject {
  Q_OBJECT

 private slots:
  // On the DCC systems the connection loads Form2a.
  void theLocoWindowDrivesThroughTheMainWindowsLink() {
    OperatingRig dc("DC");
    QVERIFY(!dc.main->LocoWindow());
    OperatingRig r("DCC + DC", 1);
    auto* form = Find<kv::LocoWindow>(r.main.get(), "Form2a");
    QCOMPARE(r.main->LocoWindow(), form);
    kv::test::UseLayout(r.t);
    kv::test::WriteLayoutFile(r.t, "loco.txt", "\"0003\",\"D3\"\r\n");
    r.main->LoadLocoList();
    r.t.Write(kv::kCoordFile, "1500,750\r\n");
    r.main->ReadCoordFile();
    QVERIFY(!form->isVisible());
    r.main->ShowLocoWindow();
    QVERIFY(form->isVisible() && form->testAttribute(Qt::WA_ShowWithoutActivating));
    // The place stored is the place the window comes back to, whether or not the window system
    // knew the frame when it was placed (it does not before a first show): no creeping.
    QTRY_COMPARE(form->geometry().topLeft(), QPoint(100, 50));
    form->setGeometry(QRect(QPoint(200, 100), form->size()));
    r.main->WriteCoordFile();
    QCOMPARE(r.t.Read(kv::kCoordFile), QByteArray("3000,1500\r\n"));
    form->findChild<QAction*>("mnuUnitA_0")->trigger();
    QTest::mouseClick(Find<QWidget>(form, "cmdLoco_4"), Qt::RightButton);
    QCOMPARE(r.Frames(), QStringList{"0 e4 12 00 03 00 f5"});
  }
};

KV_TEST_MAIN(LocoWiringTest)
#include "test_loco_wiring.moc"
