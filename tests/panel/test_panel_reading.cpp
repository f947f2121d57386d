#include <QTest>

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
  // A picture whose bitmap is missing stands in its place as a crossed box, is counted, and is
  // written back as it was; the reading goes on past it.
  void aPictureThatCannotBeLoadedStandsInAndIsSavedBack() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\shed.bmp");
    const QByteArray imageFile =
        "\"shed\",\"\\shed.bmp\",150,300,#TRUE#\r\n"
        "\" gone \",\"\\gone.bmp\",450,600,#FALSE#\r\n"
        "\"shed again\",\"\\shed.bmp\",750,900,#FALSE#\r\n";
    kv::test::WriteLayoutFile(t, "image.txt", imageFile);
    kv::Panel panel(t.session);
    kv::PanelObjects objects(panel, t.session.model);
    const kv::ReadOutcome outcome = kv::ReadImages(t.session.model, t.session.folder, objects);
    QVERIFY(!outcome.stopped);
    QCOMPARE(outcome.unplaced.size(), 1);
    QCOMPARE(outcome.unplaced[0].line, 2);
    QCOMPARE(outcome.unplaced[0].reason,
             "The picture file " + t.dir.path() + "/gone.bmp does not exist.");
    QCOMPARE(int(t.session.model.ImageCount), 3);
    QVERIFY(panel.imgImage(2)->Missing());
    QVERIFY(panel.imgImage(2)->isVisible());
    QCOMPARE(panel.imgImage(2)->toolTip(), QStringLiteral(" gone "));
    QVERIFY(!panel.imgImage(3)->Missing());
    QVERIFY(kv::WriteObjectFiles(t.session.model, objects).Ok());
    QCOMPARE(kv::test::ReadLayoutFile(t, "image.txt"), imageFile);
  }

  void aSignalWithoutItsPictureKeepsItsPlaceAndIsSavedBack() {
    TestSession t;
    kv::test::UseLayout(t);
    const QByteArray signalFile = "\"24\",\"26\",\"\\data\\sig\\C9R2x.bmp\",7000,1500\r\n";
    kv::test::WriteLayoutFile(t, "signal.txt", signalFile);
    kv::Panel panel(t.session);
    kv::PanelObjects objects(panel, t.session.model);
    const kv::ReadOutcome outcome = kv::ReadSignals(t.session.model, t.session.folder, objects);
    QCOMPARE(outcome.unplaced.size(), 1);
    QCOMPARE(outcome.unplaced[0].index, 1);
    QCOMPARE(int(t.session.model.SignalCount), 1);
    QVERIFY(panel.imgSig(1)->Missing());
    QCOMPARE(panel.SignalPosition(1), QPointF(7000, 1500));
    QVERIFY(kv::WriteObjectFiles(t.session.model, objects).Ok());
    QCOMPARE(kv::test::ReadLayoutFile(t, "signal.txt"), signalFile);
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
