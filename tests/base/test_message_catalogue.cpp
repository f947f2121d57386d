#include <QElapsedTimer>
#include <QTest>

#include "base/box_text.h"
#include "base/message_catalogue.h"
#include "base/scheduler.h"
#include "layout/sundry_files.h"
#include "support/test_session.h"

using kv::DialogRecord;
using kv::IntervalTimer;
using kv::test::TestSession;

namespace {
void FillValues(kv::LayoutModel& m) {
  m.LayoutName = QStringLiteral("My Layout");
  m.ControlSystem = QStringLiteral("DC");
  m.TargetFile = QStringLiteral("/rail/Data/Layout Folders/My Layout/track.txt");
  m.PathRec[1] = QStringLiteral("UP MAIN to BAY ");
  m.EntryName = QStringLiteral("UP MAIN");
  m.ExitName = QStringLiteral("BAY");
  m.SigMore = QStringLiteral("more ");
  m.ObjIdx = 2;
  m.SignalPicture[2] = QStringLiteral("\\data\\sig\\C3R2x.bmp");
  m.SigPathLength = 9;
}
}  // namespace

class MessageCatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  // A row whose tag ends in "DCC" runs on "DCC"; "<root>" stands for the program folder.
  void everyMessageBox_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("style");
    const QString seven(7, QLatin1Char(' '));
    const QString track = "/rail/Data/Layout Folders/My Layout/track.txt";
    QTest::newRow("2") << 2 << "check data in text file shown below" << track << 64;
    QTest::newRow("3") << 3 << "select matching directory" << "mismatching program and data" << 1;
    QTest::newRow("4") << 4 << track << "You need to uncheck the Read Only box" << 64;
    QTest::newRow("5") << 5 << "UP MAIN to BAY " << seven + "click red points numbers" << 4;
    QTest::newRow("6") << 6 << "signal aspect numbers to input"
                       << seven + "any more signals on this path?" << 4;
    QTest::newRow("7") << 7 << "UP MAIN to BAY " << "click line numbers to file Path?" << 4;
    QTest::newRow("10") << 10 << "UP MAIN to BAY " << seven + "Write this path to file?" << 4;
    QTest::newRow("11") << 11 << "  My Layout : error in file <path.txt>"
                        << "suggestion : check for missing characters" << 0;
    QTest::newRow("12") << 12 << "If 'UP MAIN to BAY ' is unlisted in ENTRY to EXIT"
                        << "click 'modify', then click UP MAIN and BAY labels again" << 64;
    QTest::newRow("13") << 13 << "locomotive/multiple unit" << "no train engine selected" << 32;
    QTest::newRow("14") << 14 << "write permit suspended"
                        << "reset all signals to permit write" << 16;
    QTest::newRow("15") << 15 << "data error, or check signal library"
                        << "<root>\\data\\sig" << 16;
    QTest::newRow("17") << 17 << "all 64 solenoid numbers allocated"
                        << "fit larger solenoid relay stack" << 64;
    QTest::newRow("18") << 18 << "new path aborted" << "uncheck paths in ENTRY to EXIT menu" << 16;
    QTest::newRow("19") << 19 << "back up all object files?" << seven + "Are you sure?" << 4;
    QTest::newRow("20") << 20 << "  'My Layout' won't work in DC"
                        << "to view, click OK and restart in DCC" << 16;
    QTest::newRow("20 DCC") << 20 << "  'My Layout' won't work in DCC"
                            << "to view, click OK and restart in DCC + DC, or DC" << 16;
  }
  void everyMessageBox() {
    QFETCH(int, number);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, style);
    TestSession t;
    FillValues(t.session.model);
    if (QByteArray(QTest::currentDataTag()).endsWith("DCC")) t.session.model.ControlSystem = "DCC";
    text.replace("<root>", t.session.folder.Root());
    if (kv::msg::Buttons(style) != 0) t.dialogs.QueueButton(style == 4 ? kv::msg::kYes : kv::msg::kOk);
    kv::ShowMessage(t.session, number);
    QCOMPARE(t.dialogs.Transcript().size(), 1);
    const DialogRecord& r = t.dialogs.Last();
    QCOMPARE(r.kind, DialogRecord::kMessage);
    QCOMPARE(QStringList({r.title, r.text}), QStringList({title, text}));
    QCOMPARE(r.style, style);
    QCOMPARE(QStringList({t.session.model.MsgTitle, t.session.model.MsgPrompt}),
             QStringList({title, text}));
    QCOMPARE(t.session.model.MsgStyle, std::uint8_t(0));
    QCOMPARE(t.dialogs.Unscripted(), 0);
    QVERIFY(!t.session.Ended());
  }

  // The button pressed is left in MsgAnswer (No 7, Yes 6, OK 1, Cancel 2).
  void questionsLeaveTheirAnswer_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("answer");
    QTest::newRow("19 No") << 19 << 7;
    QTest::newRow("10 Yes") << 10 << 6;
    QTest::newRow("3 OK") << 3 << 1;
    QTest::newRow("3 Cancel") << 3 << 2;
  }
  void questionsLeaveTheirAnswer() {
    QFETCH(int, number);
    QFETCH(int, answer);
    TestSession t;
    FillValues(t.session.model);
    t.dialogs.QueueButton(answer);
    kv::ShowMessage(t.session, number);
    QCOMPARE(int(t.session.model.MsgAnswer), answer);
    QCOMPARE(t.session.Ended(), answer == 2);
  }

  void message1StoresTheToolTip() {
    TestSession t;
    FillValues(t.session.model);
    t.dialogs.QueueText(QStringLiteral("Goods shed"));
    t.session.model.ImageIdx = 4;
    kv::ShowMessage(t.session, 1);
    QCOMPARE(t.session.model.ImageTip[4], QStringLiteral("Goods shed"));
    QCOMPARE(t.dialogs.Last().kind, DialogRecord::kInput);
    QCOMPARE(t.dialogs.Last().title, QStringLiteral("My Layout\\image.txt"));
    QCOMPARE(t.dialogs.Last().text, QStringLiteral("type the tool-tip-text you want below"));
    QCOMPARE(t.dialogs.Last().defaultText, QString());
  }

  void controlSystemChoiceLoopsUntilValidOrEmpty() {
    TestSession t;
    t.dialogs.QueueText(QStringLiteral("dc"));     // not exact: asked again
    t.dialogs.QueueText(QStringLiteral("Steam"));  // asked again
    t.dialogs.QueueText(QStringLiteral("DC"));
    kv::ShowMessage(t.session, 16);
    QCOMPARE(t.session.model.ControlSystem, QStringLiteral("DC"));
    QVERIFY(!t.session.Ended());
    const QString ask = "~\\Kelvarne-3D\\Data\\Sundries\\version.txt";
    QCOMPARE(kv::test::Titles(t.dialogs), (QStringList{ask, ask, ask, "Kelvarne-3D software"}));
    const auto& log = t.dialogs.Transcript();
    QCOMPARE(log.at(2).kind, DialogRecord::kInput);  // each time the same prompt
    QCOMPARE(log.at(2).text + "|" + log.at(2).defaultText, kv::ControlSystemPrompt() + "|DCC + DC");
    QCOMPARE(log.at(3).text + "|" + QString::number(log.at(3).style),
             QStringLiteral("DC version|64"));
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DC\"\r\n"));
  }

  void controlSystemPromptIsExact() {
    QCOMPARE(kv::ControlSystemPrompt(), "please select a control system :-" + QString(125, ' ') +
                                            "DC   computer-controlled" + QString(48, ' ') +
                                            "DCC with accessory modules or intelligent motors" +
                                            QString(10, ' ') + "DCC + computer-controlled DC");
    // Shown in a box that does not wrap, each choice stands on its own line.
    QCOMPARE(kv::BoxText(kv::ControlSystemPrompt()).split('\n'),
             (QStringList{"please select a control system :-", "DC   computer-controlled",
                          "DCC with accessory modules or intelligent motors",
                          "DCC + computer-controlled DC"}));
  }

  void unwritableVersionFileIsReportedNotHidden() {
    TestSession t;
    t.Write(kv::kVersionFile, "\"DCC\"\r\n");
    QFile(t.Path(kv::kVersionFile)).setPermissions(QFileDevice::ReadOwner);
    t.dialogs.QueueText(QStringLiteral("DC"));
    kv::ShowMessage(t.session, 16);
    QCOMPARE(t.session.model.ControlSystem, QStringLiteral("DC"));  // holds for this run
    QCOMPARE(t.dialogs.Transcript().size(), 3);
    QVERIFY(t.dialogs.Transcript().at(1).text.contains(QStringLiteral("read-only")));
    QCOMPARE(t.dialogs.Transcript().at(2).text, QStringLiteral("DC version"));
    QCOMPARE(t.Read(kv::kVersionFile), QByteArray("\"DCC\"\r\n"));
  }

  // It ticks only while enabled with an interval, and a tick may stop its own timer.
  void intervalTimerTicksWhileEnabledWithAnInterval() {
    kv::VirtualScheduler s;
    QList<qint64> ticks;
    IntervalTimer* self = nullptr;
    IntervalTimer timer(s, [&]() {
      ticks << s.NowMs();
      if (ticks.size() == 5) self->SetInterval(0);
    });
    self = &timer;
    s.Advance(100);  // interval 0: off
    timer.SetInterval(40);
    s.Advance(130);
    timer.SetEnabled(false);
    s.Advance(200);
    timer.SetEnabled(true);
    s.Advance(1000);
    QCOMPARE(ticks, (QList<qint64>{140, 180, 220, 470, 510}));
    QCOMPARE(s.PendingTasks(), 0);
  }

  void realSchedulerRunsTasksAfterTheirDelay() {
    kv::RealScheduler s;
    QElapsedTimer clock;
    clock.start();
    qint64 ranAt = -1;
    s.After(30, [&]() { ranAt = clock.elapsed(); });
    s.Cancel(s.After(10, [&]() { ranAt = -99; }));
    QVERIFY(s.WaitFor(1000, [&]() { return ranAt >= 0; }));
    QVERIFY2(ranAt >= 29 && ranAt < 200, qPrintable(QString::number(ranAt)));
    QVERIFY(!s.WaitFor(20));
  }
};

KV_TEST_MAIN(MessageCatalogueTest)
#include "test_message_catalogue.moc"
