#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "layout/layout_folders.h"
#include "layout/object_readers.h"
#include "layout/object_writers.h"
#include "support/layout_fixture.h"
#include "support/recording_panel.h"
#include "support/test_session.h"

using kv::LayoutModel;
using kv::test::RecordingPanel;
using kv::test::TestSession;

namespace {

// A known layout: every kind, halves to round, Windows-1252 text, a signal of this run.
void FillKnownLayout(LayoutModel& m, RecordingPanel& p) {
  m.SensorCount = 2;
  p.sensors[1] = {1200, 3450};
  p.sensors[2] = {2250.5, 607.5};

  m.LabelCount = 2;
  m.LabelText[1] = "12L";
  m.LabelColour[1] = 255;
  m.LabelBold[1] = true;
  m.LabelFontName[1] = "Microsoft Sans Serif";
  m.LabelFontSize[1] = 8;
  p.labels[1] = {900, 1800};
  m.LabelText[2] = QStringLiteral("Gare de l'Est \u2013 café");
  m.LabelColour[2] = 0xFF0000;
  m.LabelItalic[2] = true;
  m.LabelFontName[2] = "Arial";
  m.LabelFontSize[2] = 12;
  p.labels[2] = {4500.5, -75};

  m.ImageCount = 2;
  m.ImageTip[1] = "Goods shed";
  m.ImagePicture[1] = "\\shed.bmp";
  m.ImageOnTop[1] = true;
  p.images[1] = {1500, 2250};
  m.ImagePicture[2] = QStringLiteral("\\data\\pictures\\Café.bmp");
  p.images[2] = {3001.5, 0.5};

  m.SignalCount = 2;
  m.SignalCoilA[1] = "20";
  m.SignalCoilB[1] = "22";
  m.SignalPicture[1] = "\\data\\sig\\C3R2x.bmp";
  p.signalTips[1] = "20";
  p.signals_[1] = {6000, 1500};
  m.SignalPicture[2] = "\\data\\sig\\SHRxx.bmp";
  p.signalTips[2] = "5A";
  p.signalTags[2] = "5B";
  p.signals_[2] = {7000.5, 1500};

  m.TrackCount = 3;
  m.TrackName[1] = "siding";
  m.TrackGauge[1] = 10;
  p.tracks[1] = QLineF(120, 450, 720, 450);
  m.TrackGauge[2] = 1;
  p.tracks[2] = QLineF(720, 450, 1395.5, 1125);
  m.TrackGauge[3] = 2;
  p.tracks[3] = QLineF(-75, 0, 0, -75);
}

void CompareWithGolden(const TestSession& t) {
  for (const char* name : {"sensor.txt", "label.txt", "image.txt", "signal.txt", "track.txt"}) {
    QFile golden(QFINDTESTDATA(QStringLiteral("golden/") + name));
    QVERIFY2(golden.open(QIODevice::ReadOnly), name);
    QCOMPARE(kv::test::ReadLayoutFile(t, name), golden.readAll());
  }
}

void WriteKnownBitmaps(const TestSession& t) {
  for (const char* stored : {"\\shed.bmp", "\\data\\pictures\\Caf\xC3\xA9.bmp",
                             "\\data\\sig\\C3R2x.bmp", "\\data\\sig\\SHRxx.bmp"}) {
    kv::test::WriteBitmap(t, QString::fromUtf8(stored));
  }
}

// Reads every object file of the session's layout in the load order.
void ReadAll(TestSession& t, RecordingPanel& p) {
  LayoutModel& m = t.session.model;
  kv::ReadSensors(m, p);
  kv::ReadTracks(m, p);
  kv::ReadImages(m, t.session.folder, p);
  kv::ReadLabels(m, p);
  kv::ReadSignals(m, t.session.folder, p);
}

}  // namespace

class ObjectFilesTest : public QObject {
  Q_OBJECT

 private slots:
  // Written, read back into an empty model and written again, a known layout gives the golden
  // bytes both times: every field is written in its place and read into its table.
  void aKnownLayoutIsWrittenExactlyAndReadsBackTheSame() {
    TestSession t;
    kv::test::UseLayout(t);
    WriteKnownBitmaps(t);
    LayoutModel& m = t.session.model;
    RecordingPanel panel(m);
    FillKnownLayout(m, panel);
    const kv::WriteOutcome outcome = kv::WriteObjectFiles(m, panel);
    QVERIFY2(outcome.Ok(), qPrintable(outcome.reason));
    CompareWithGolden(t);
    // The tables follow what was written: names regenerated, coils from the panel.
    QCOMPARE(m.TrackName[1], QStringLiteral("track 1"));
    QCOMPARE(m.SignalCoilA[2], QStringLiteral("5A"));
    QCOMPARE(m.SignalCoilB[2], QStringLiteral("5B"));
    QCOMPARE(m.TargetFile, m.TrackFile);

    m = LayoutModel();
    kv::test::UseLayout(t);
    RecordingPanel back(m);
    ReadAll(t, back);
    QCOMPARE(m.CurGauge, std::uint8_t(2));  // the width of the last unit read
    // The red label is a points label: hidden, and "12L" marks the layout as DCC.
    QCOMPARE(back.labelVisible, (QHash<int, bool>{{1, false}, {2, true}}));
    QVERIFY(m.HasDccPoints);
    QVERIFY(kv::WriteObjectFiles(m, back).Ok());
    CompareWithGolden(t);
  }

  void badFilesStopAndKeepWhatWasRead_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("quiet");
    const QByteArray good = "\"track 1\",120,450,720,450,10\r\n";
    QTest::newRow("track truncated") << "track.txt" << good + "\"track 2\",720,450,1395\r\n\"track 3\",0,0,75,75,3\r\n"
                                     << 1 << 2 << "the record ends before its number field" << false;
    QTest::newRow("track letter in a number") << "track.txt" << QByteArray("\"track 1\",12O,450,720,450,10\r\n")
                                              << 0 << 1 << "\"12O\" is not a number" << false;
    QTest::newRow("track unterminated quote") << "track.txt" << good + "\r\n\"track 2,720,450,1395,450,10\r\n"
                                              << 1 << 3 << "a quoted text has no closing quote" << false;
    QTest::newRow("track width 0") << "track.txt" << good + "\"track 2\",0,0,75,75,0\r\n"
                                   << 1 << 2 << "a track unit of width 0 cannot be drawn" << false;
    QTest::newRow("track width 300") << "track.txt" << good + "\"track 2\",0,0,75,75,300\r\n"
                                     << 1 << 2 << "300 is outside 0 to 255" << false;
    QTest::newRow("track binary junk") << "track.txt" << good + QByteArray("\x00\x01\xFF\xFE,\x80\x81\r\n", 9)
                                       << 1 << 2 << "\"\u20AC\u0081\" is not a number" << false;
    QTest::newRow("track blank lines") << "track.txt" << "\r\n" + good + "\r\n   \r\n" + good + "\r\n"
                                       << 2 << 0 << "" << false;
    QTest::newRow("sensor bad Y") << "sensor.txt" << QByteArray("1200,3450\r\n1500,x\r\n300,400\r\n")
                                  << 1 << 2 << "\"x\" is not a number" << false;
    QTest::newRow("sensor truncated") << "sensor.txt" << QByteArray("1200,3450\r\n1500\r\n")
                                      << 1 << 2 << "the record ends before its number field" << false;
    QTest::newRow("sensor junk reads as 0,0") << "sensor.txt" << QByteArray("1200,3450\r\nabc,def\r\n300,400\r\n")
                                              << 1 << 2 << "\"abc\" is not a number" << true;
    QTest::newRow("image bad boolean") << "image.txt" << QByteArray("\"a\",\"\\shed.bmp\",1,2,maybe\r\n")
                                       << 0 << 1 << "\"maybe\" is neither #TRUE# nor #FALSE#" << false;
    QTest::newRow("signal truncated") << "signal.txt" << QByteArray("\"20\",\"22\",\"\\shed.bmp\",5,6\r\n\"24\",\"26\"\r\n")
                                      << 1 << 2 << "the record ends before its text field" << false;
  }
  void badFilesStopAndKeepWhatWasRead() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QFETCH(bool, quiet);
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\shed.bmp");
    kv::test::WriteLayoutFile(t, file, bytes);
    LayoutModel& m = t.session.model;
    RecordingPanel panel(m);
    const bool track = file == "track.txt", sensor = file == "sensor.txt";
    const bool image = file == "image.txt";
    const kv::ReadOutcome outcome = track    ? kv::ReadTracks(m, panel)
                                    : sensor ? kv::ReadSensors(m, panel)
                                    : image  ? kv::ReadImages(m, t.session.folder, panel)
                                             : kv::ReadSignals(m, t.session.folder, panel);
    const std::uint8_t counted = track    ? m.TrackCount
                                 : sensor ? m.SensorCount
                                 : image  ? m.ImageCount
                                          : m.SignalCount;
    // The objects before the bad record stay placed and counted: a later save keeps them.
    QCOMPARE(int(counted), count);
    QCOMPARE(panel.placed.size(), count);
    QCOMPARE(outcome.stopped, line > 0);
    QCOMPARE(outcome.line, line);
    QVERIFY2(outcome.reason.contains(reason), qPrintable(outcome.reason));
    QCOMPARE(outcome.quiet, quiet);
    QCOMPARE(kv::test::ReadLayoutFile(t, file), bytes);  // reading never changes a file
    // A stopped file is kept from saves: the records after the bad one were never loaded.
    QCOMPARE(kv::MayRewrite(m, kv::test::LayoutPath(t, file)), line == 0);
  }

  void labelsPassBadFieldsOverAndGoOn() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteLayoutFile(t, "label.txt",
                              "\"12R\",red,#TRUE#,#FALSE#,#FALSE#,\"Arial\",8,900,1800\r\n"
                              "\"PLATFORM 1\",0\r\n"
                              "\"14L,255,#TRUE#\r\n"
                              "\"B\",0,#FALSE#,#FALSE#,#FALSE#,\"Arial\",big,75,150\r\n");
    LayoutModel& m = t.session.model;
    m.ObjX[2] = 4444;  // left by an earlier reading: a label's missing X must not take it
    RecordingPanel panel(m);
    const kv::ReadOutcome outcome = kv::ReadLabels(m, panel);
    QVERIFY(!outcome.stopped);
    QCOMPARE(m.LabelCount, std::uint8_t(4));
    QCOMPARE(m.LabelIdx, std::uint8_t(4));
    // The bad colour is passed over and the fields after it are read.
    QCOMPARE(QStringList({m.LabelText[1], m.LabelFontName[1], m.LabelText[2], m.LabelText[3]}),
             QStringList({"12R", "Arial", "PLATFORM 1", ""}));
    QCOMPARE(QList<int>({m.LabelColour[1], m.LabelBold[1], m.LabelFontSize[2], m.LabelFontSize[4]}),
             QList<int>({0, true, 0, 0}));
    QCOMPARE(QList<QPointF>({panel.labels.value(1), panel.labels.value(2), panel.labels.value(4)}),
             QList<QPointF>({{900, 1800}, {0, 0}, {75, 150}}));
    QVERIFY(!m.HasDccPoints);  // "12R" is red but has no L; "14L" was never read
  }

  void dccPointsAreRedLabelsWithAnL_data() {
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<bool>("dcc");
    QTest::newRow("red 12L") << QByteArray("\"12L\",255") << true;
    QTest::newRow("red 12R alone") << QByteArray("\"12R\",255") << false;
    QTest::newRow("black LONDON") << QByteArray("\"LONDON\",0") << false;
    QTest::newRow("red lower-case l") << QByteArray("\"12l\",255") << false;
  }
  void dccPointsAreRedLabelsWithAnL() {
    QFETCH(QByteArray, label);
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteLayoutFile(t, "label.txt",
                              label + ",#TRUE#,#FALSE#,#FALSE#,\"Arial\",8,0,0\r\n");
    RecordingPanel panel(t.session.model);
    kv::ReadLabels(t.session.model, panel);
    QTEST(t.session.model.HasDccPoints, "dcc");
  }

  void missingFilesAreCreatedEmptyAndEmptyPathsReadNothing() {
    TestSession t;
    kv::test::UseLayout(t);
    LayoutModel& m = t.session.model;
    RecordingPanel panel(m);
    ReadAll(t, panel);
    for (const char* name : {"sensor.txt", "track.txt", "image.txt", "label.txt", "signal.txt"}) {
      QCOMPARE(kv::test::ReadLayoutFile(t, name), QByteArray());
    }
    QVERIFY(!kv::ReadGauge(m));
    QVERIFY(!QFileInfo::exists(m.GaugeFile));  // the gauge file is not created
    QCOMPARE(m.CurGauge, std::uint8_t(0));
    QVERIFY(panel.placed.isEmpty());

    m.SensorFile.clear();
    m.SensorCount = 7;
    QVERIFY(!kv::ReadSensors(m, panel).stopped);
    QCOMPARE(m.SensorCount, std::uint8_t(7));  // no such file: nothing done
  }

  // 1 to 10 is taken; anything else leaves the width the track reading left (4 here).
  void gaugeTakesOnlyAGaugeTheBarCanShow_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("gauge");
    const std::pair<const char*, int> rows[] = {{"6\r\n", 6},  {"1\r\n", 1},  {"", 4},
                                                {"0\r\n", 4},  {"11\r\n", 4}, {"300\r\n", 4},
                                                {"ten\r\n", 4}};
    for (const auto& [bytes, gauge] : rows) {
      QTest::newRow(QByteArray(bytes).simplified().constData()) << QByteArray(bytes) << gauge;
    }
  }
  void gaugeTakesOnlyAGaugeTheBarCanShow() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, gauge);
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteLayoutFile(t, "gauge.txt", bytes);
    LayoutModel& m = t.session.model;
    m.CurGauge = 4;  // as the track reading left it
    QCOMPARE(kv::ReadGauge(m), gauge != 4);
    QCOMPARE(int(m.CurGauge), gauge);
  }

  void aWindowsLayoutLoads() {
    // Folders and files named in other cases, backslash picture paths, Windows-1252 text,
    // CR LF, and no line end after the last record.
    TestSession t;
    t.Write("\\Old Yard.txt", "");
    t.Write("\\DATA\\layout folders\\Old Yard\\Image.TXT",
            "\"Caf\xE9\",\"\\Data\\Pictures\\SHED.bmp\",150,300,#FALSE#");
    kv::test::WriteBitmap(t, "\\data\\pictures\\shed.bmp");
    LayoutModel& m = t.session.model;
    m.ProjectFile = t.Path("\\Old Yard.txt");
    m.LayoutName = kv::TakeLayoutName(m.ProjectFile);
    kv::SetObjectFilePaths(m);
    QCOMPARE(m.LayoutFolder, t.dir.path() + "/data/layout folders/Old Yard");
    QCOMPARE(m.ImageFile, m.LayoutFolder + "/Image.TXT");
    RecordingPanel panel(m);
    QVERIFY(!kv::ReadImages(m, t.session.folder, panel).stopped);
    QCOMPARE(m.ImageCount, std::uint8_t(1));
    QCOMPARE(m.ImageTip[1], QStringLiteral("Café"));
    QCOMPARE(panel.images.value(1), QPointF(150, 300));
  }

  // A quoted field keeps every character between its quotes.
  void blanksInsideQuotesSurviveAReadAndASave() {
    TestSession t;
    kv::test::UseLayout(t);
    kv::test::WriteBitmap(t, "\\shed.bmp");
    const QByteArray labels = "\"  PLATFORM 1 \",0,#TRUE#,#FALSE#,#FALSE#,\" Arial \",8,90,18\r\n";
    const QByteArray images = "\" Goods shed  \",\"\\shed.bmp\",1500,2250,#TRUE#\r\n";
    kv::test::WriteLayoutFile(t, "label.txt", labels);
    kv::test::WriteLayoutFile(t, "image.txt", images);
    LayoutModel& m = t.session.model;
    RecordingPanel panel(m);
    ReadAll(t, panel);
    QCOMPARE(m.LabelText[1], QStringLiteral("  PLATFORM 1 "));
    QVERIFY(kv::WriteObjectFiles(m, panel).Ok());
    QCOMPARE(kv::test::ReadLayoutFile(t, "label.txt") + kv::test::ReadLayoutFile(t, "image.txt"),
             labels + images);
  }
};

KV_TEST_MAIN(ObjectFilesTest)
#include "test_object_files.moc"
