#include <QTest>

#include "base/load_steps.h"
#include "base/save_layout.h"
#include "layout/object_readers.h"
#include "layout/object_writers.h"
#include "panel/panel.h"
#include "panel/panel_objects.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::test::TestSession;

// The object files read onto a real panel, and written back from it.
class PanelReadingTest : public QObject {
  Q_OBJECT

 private slots:
  // A layout with every kind of trouble, loaded as the program loads it and then saved.
  void aSaveKeepsEveryRecordOnDisk() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\shed.bmp");
    const QByteArray images =
        "\"shed\",\"\\shed.bmp\",150,300,#TRUE#\r\n"
        "\" gone \",\"\\stick\\gone.bmp\",450,600,#FALSE#\r\n"
        "\"shed again\",\"\\shed.bmp\",750,900,#FALSE#\r\n";
    const QByteArray tracks =
        "\"track 1\",0,0,750,0,10\r\n\r\n\"track 2\",750,0,x,0,10\r\n\"track 3\",0,0,5,0,10\r\n";
    const QByteArray sensors = "1200,3450\r\nabc\r\n300,400\r\n";
    const QByteArray signalFile = "\"24\",\"26\",\"\\data\\sig\\C9R2x.bmp\",7000,1500\r\n";
    kv::test::WriteLayoutFile(t, "image.txt", images);
    kv::test::WriteLayoutFile(t, "track.txt", tracks);
    kv::test::WriteLayoutFile(t, "sensor.txt", sensors);
    kv::test::WriteLayoutFile(t, "signal.txt", signalFile);
    kv::test::WriteLayoutFile(t, "label.txt",
                              "\"A\",0,#FALSE#,#FALSE#,#FALSE#,\"Arial\",8,0,0\r\n");
    const kv::LayoutModel& m = t.session.model;
    kv::Panel panel(t.session);
    kv::PanelObjects objects(panel, t.session.model);
    kv::ReadSensorFile(t.session, objects);
    kv::ReadTrackFile(t.session, objects);
    kv::ReadImageFile(t.session, objects);
    kv::ReadLabelFile(t.session, objects);
    kv::ScanSignals(t.session, objects);
    QCOMPARE((QList<int>{m.SensorCount, m.TrackCount, m.ImageCount, m.SignalCount}),
             (QList<int>{1, 1, 3, 1}));
    QVERIFY(panel.imgImage(2)->Missing() && panel.imgImage(2)->isVisible());
    QCOMPARE(panel.imgImage(2)->toolTip(), QStringLiteral(" gone "));
    QVERIFY(!panel.imgImage(3)->Missing() && panel.imgSig(1)->Missing());
    QCOMPARE(kv::test::Titles(t.dialogs).join('|'),
             "check data in text file shown below|check data in text file shown below|data "
             "error, or check signal library");
    const auto& log = t.dialogs.Transcript();
    QCOMPARE(log[0].text, kv::test::LayoutPath(t, "track.txt") +
                              "\nline 3: \"x\" is not a number\nThe file is kept as it is until "
                              "it is mended: saving the layout does not rewrite it.");
    QCOMPARE(log[1].text, kv::test::LayoutPath(t, "image.txt") + "\nline 2: The picture file " +
                              t.dir.path() +
                              "/stick/gone.bmp does not exist.\nEach stands on the panel as a "
                              "crossed box in its place and is saved as it was.");
    QCOMPARE(log[2].text, t.session.folder.Root() + "\\data\\sig\\C9R2x.bmp");

    panel.Label(1)->setPos(75, 150);  // the user moves a label
    QVERIFY(kv::SaveLayout(t.session, objects, {}));
    QCOMPARE(kv::test::ReadLayoutFile(t, "image.txt"), images);
    QCOMPARE(kv::test::ReadLayoutFile(t, "track.txt"), tracks);
    QCOMPARE(kv::test::ReadLayoutFile(t, "sensor.txt"), sensors);
    QCOMPARE(kv::test::ReadLayoutFile(t, "signal.txt"), signalFile);
    QCOMPARE(kv::test::ReadLayoutFile(t, "label.txt"),
             QByteArray("\"A\",0,#FALSE#,#FALSE#,#FALSE#,\"Arial\",8,75,150\r\n"));
    QCOMPARE(log.last().title, QStringLiteral("some files were not saved"));
    QCOMPARE(log.last().text,
             "These files were not saved: their reading stopped at the line named, so that record "
             "and the ones after it are not on the panel. Each is kept as it is until it is "
             "mended:\n" +
                 kv::test::LayoutPath(t, "sensor.txt") + ", line 2: \"abc\" is not a number\n" +
                 kv::test::LayoutPath(t, "track.txt") + ", line 3: \"x\" is not a number");
  }

  void whatWasReadIsWrittenBackFromTheControls() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\data\\sig\\C3R2x.bmp");
    const QByteArray labels =
        "\"12\",255,#TRUE#,#FALSE#,#FALSE#,\"Arial\",8,900,1800\r\n"
        "\"B\",0,#FALSE#,#TRUE#,#TRUE#,\"\",0,75,150\r\n";
    const QByteArray tracks = "\"track 1\",0,0,750,0,10\r\n\"track 2\",750,0,1500,75,2\r\n";
    kv::test::WriteLayoutFile(t, "label.txt", labels);
    kv::test::WriteLayoutFile(t, "track.txt", tracks);
    kv::test::WriteLayoutFile(t, "sensor.txt", "1200,3450\r\n");
    kv::test::WriteLayoutFile(t, "signal.txt", "\"20\",\"22\",\"\\data\\sig\\C3R2x.bmp\",600,0\r\n");
    kv::LayoutModel& m = t.session.model;
    kv::Panel panel(t.session);
    kv::PanelObjects objects(panel, m);
    kv::ReadSensors(m, objects);
    kv::ReadTracks(m, objects);
    kv::ReadLabels(m, objects);
    kv::ReadSignals(m, t.session.folder, objects);
    QVERIFY(!panel.Label(1)->isVisible());

    // The user drags the sensor and a track end; a new coil B was given to the signal.
    panel.txtAws(1)->setPos(1237.5, 3450);
    panel.linBlack(2)->SetEnds(750, 0, 1500, 150);
    panel.linColor(2)->SetEnds(750, 0, 1500, 150);
    panel.imgSig(1)->SetTag("30");
    QVERIFY(kv::WriteObjectFiles(m, objects).Ok());
    QCOMPARE(kv::test::ReadLayoutFile(t, "sensor.txt"), QByteArray("1238,3450\r\n"));
    QCOMPARE(kv::test::ReadLayoutFile(t, "label.txt"), labels);
    QCOMPARE(kv::test::ReadLayoutFile(t, "track.txt"),
             QByteArray("\"track 1\",0,0,750,0,10\r\n\"track 2\",750,0,1500,150,2\r\n"));
    QCOMPARE(kv::test::ReadLayoutFile(t, "signal.txt"),
             QByteArray("\"20\",\"30\",\"\\data\\sig\\C3R2x.bmp\",600,0\r\n"));
  }
};

KV_TEST_MAIN(PanelReadingTest)
#include "test_panel_reading.moc"
