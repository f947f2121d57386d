#include <QApplication>
#include <QInputDialog>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "base/session.h"
#include "layout/sundry_files.h"
#include "support/dialog_hand.h"
#include "support/layout_fixture.h"
#include "support/test_session.h"

using kv::test::DialogHand;
using kv::test::TestSession;

namespace {

QStringList Arguments(const TestSession& t, const QStringList& more = {}) {
  return QStringList{"kelvarne", "--program-folder", t.dir.path()} + more;
}

bool StartWindowShown() {
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "Form0" && w->isVisible()) return true;
  }
  return false;
}

// Runs the event loop until the program leaves it; -1 when it is still running after 5 s.
int RunUntilQuit() {
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  guard.start(5000);
  return QCoreApplication::exec();
}

}  // namespace

// A run of the program with its real dialogs, from the start window to the end.
class ApplicationStartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("KELVARNE_BOARD", "recording"); }

  void noControlSystemEndsBeforeTheStartWindow_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("empty") << false;
  }
  void noControlSystemEndsBeforeTheStartWindow() {
    QFETCH(bool, cancel);
    TestSession t;
    DialogHand hand([&](QWidget* dialog) {
      auto* input = qobject_cast<QInputDialog*>(dialog);
      if (cancel) {
        input->close();
      } else {
        input->setTextValue(QString());
        input->accept();
      }
    });
    kv::Application app(Arguments(t));
    QVERIFY(!app.Start());
    QCOMPARE(hand.titles, QStringList{"~\\Kelvarne-3D\\Data\\Sundries\\version.txt"});
    QVERIFY(!StartWindowShown());
    QCOMPARE(RunUntilQuit(), 0);  // the end handler leaves the event loop
    QVERIFY(!t.Exists(kv::kVersionFile));
  }

  void operateOpensTheNamedLayoutAndTheExitButtonQuits() {
    TestSession t;
    t.Write(kv::kVersionFile, "\"DC\"\r\n");
    kv::test::UseLayout(t, "Yard");
    kv::test::WriteLayoutFile(t, "track.txt", "\"track 1\",0,0,750,0,6\r\n");
    DialogHand hand([](QWidget* dialog) { dialog->close(); });
    kv::Application app(Arguments(t, {"--operate", t.dir.path() + "/Yard.txt"}));
    QVERIFY(app.Start());
    QTRY_VERIFY(app.mainWindow() && app.mainWindow()->isVisible());
    QVERIFY(!StartWindowShown());
    QVERIFY(hand.titles.isEmpty());  // no load dialog, nothing to complain of
    const kv::LayoutModel& m = app.session().model;
    QCOMPARE(m.ProgMode, std::uint8_t(kv::kOperate));
    QCOMPARE(m.LayoutName, QStringLiteral("Yard"));
    QCOMPARE(m.TrackCount, std::uint8_t(1));
    app.mainWindow()->imgBtnExit_MouseUp(Qt::LeftButton);
    QCOMPARE(RunUntilQuit(), 0);
    QVERIFY(!app.mainWindow()->isVisible());
  }
};

KV_TEST_MAIN(ApplicationStartTest)
#include "test_application_start.moc"
