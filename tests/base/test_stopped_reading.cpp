#include <QTest>

#include "base/load_steps.h"
#include "base/save_layout.h"
#include "support/layout_fixture.h"
#include "support/recording_panel.h"
#include "support/test_session.h"

using kv::test::LayoutPath;
using kv::test::ReadLayoutFile;
using kv::test::TestSession;

// A reading that stops, then a save: no record the reading did not load is lost.
class StoppedReadingTest : public QObject {
  Q_OBJECT

 private slots:
  void aSaveKeepsEveryRecordOnDisk() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\shed.bmp");
    const QByteArray images =
        "\"shed\",\"\\shed.bmp\",150,300,#TRUE#\r\n"
        "\"gone\",\"\\stick\\gone.bmp\",450,600,#FALSE#\r\n"
        "\"shed again\",\"\\shed.bmp\",750,900,#FALSE#\r\n";
    const QByteArray tracks =
        "\"track 1\",0,0,750,0,10\r\n\"track 2\",750,0,x,0,10\r\n"
        "\"track 3\",1500,0,2250,0,10\r\n";
    const QByteArray sensors = "1200,3450\r\nabc\r\n300,400\r\n";
    kv::test::WriteLayoutFile(t, "image.txt", images);
    kv::test::WriteLayoutFile(t, "track.txt", tracks);
    kv::test::WriteLayoutFile(t, "sensor.txt", sensors);
    kv::test::WriteLayoutFile(t, "label.txt",
                              "\"A\",0,#FALSE#,#FALSE#,#FALSE#,\"Arial\",8,0,0\r\n");
    kv::test::RecordingPanel panel(t.session.model);
    kv::ReadSensorFile(t.session, panel);  // stops quietly on a record that reads as 0,0
    kv::ReadTrackFile(t.session, panel);
    kv::ReadImageFile(t.session, panel);
    kv::ReadLabelFile(t.session, panel);
    const kv::LayoutModel& m = t.session.model;
    QCOMPARE((QList<int>{m.SensorCount, m.TrackCount, m.ImageCount}), (QList<int>{1, 1, 3}));
    const auto& log = t.dialogs.Transcript();
    QCOMPARE(log.size(), 2);
    QCOMPARE(log[0].text, LayoutPath(t, "track.txt") +
                              "\nline 2: \"x\" is not a number\nThe file is kept as it is until "
                              "it is mended: saving the layout does not rewrite it.");
    QVERIFY(log[1].text.startsWith(LayoutPath(t, "image.txt") + "\nline 2: "));
    QVERIFY(
        log[1].text.endsWith("/stick/gone.bmp cannot be loaded\nEach stands on the panel as "
                             "a crossed box in its place and is saved as it was."));

    panel.labels[1] = {75, 150};  // the user moves a label: the other kinds still save
    QVERIFY(kv::SaveLayout(t.session, panel, {}));
    QCOMPARE(ReadLayoutFile(t, "image.txt"), images);
    QCOMPARE(ReadLayoutFile(t, "track.txt"), tracks);
    QCOMPARE(ReadLayoutFile(t, "sensor.txt"), sensors);
    QCOMPARE(ReadLayoutFile(t, "label.txt"),
             QByteArray("\"A\",0,#FALSE#,#FALSE#,#FALSE#,\"Arial\",8,75,150\r\n"));
    QCOMPARE(log.last().title, QStringLiteral("some files were not saved"));
    QCOMPARE(log.last().text,
             "These files were not saved: their reading stopped at the line named, so that record "
             "and the ones after it are not on the panel. Each is kept as it is until it is "
             "mended:\n" +
                 LayoutPath(t, "sensor.txt") + ", line 2: \"abc\" is not a number\n" +
                 LayoutPath(t, "track.txt") + ", line 2: \"x\" is not a number");
  }
};

KV_TEST_MAIN(StoppedReadingTest)
#include "test_stopped_reading.moc"
