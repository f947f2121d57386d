#include <QDir>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "app/application.h"
#include "app/help_opener.h"
#include "app/info_toolbar.h"
#include "app/launcher.h"
#include "app/main_window.h"
#include "base/sounds.h"
#include "help/help_window.h"
#include "layout/sundry_files.h"
#include "panel/image_button.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::test::Find;
using kv::test::TestSession;

namespace {

struct FakePlayer final : kv::SoundPlayer {
  explicit FakePlayer(QStringList* calls) : calls(calls) {}
  void Close() override { *calls << QStringLiteral("close"); }
  void Play(const QString& file) override { *calls << QStringLiteral("play ") + file; }
  QStringList* calls;
};

struct FakeLauncher final : kv::Launcher {
  bool StartProgram(const QString& program, qint64* pid) override {
    calls << QStringLiteral("start ") + program;
    *pid = 4242;
    return starts;
  }
  bool OpenFolder(const QString& folder) override { return (calls << "open " + folder, opens); }
  bool starts = true;
  bool opens = true;
  QStringList calls;
};

// The main window operating a layout, its sounds and launcher replaced by recording fakes.
struct InfoRig {
  InfoRig() {
    t.session.model.ControlSystem = QStringLiteral("DC");
    t.session.model.ProgMode = kv::kOperate;
    t.session.model.LayoutFolder = t.dir.filePath(QStringLiteral("Data/Layout Folders/Yard"));
    main = std::make_unique<kv::MainWindow>(t.session);
    main->ShowModeToolbars();
    main->show();
    info().sounds().SetPlayer(std::make_unique<FakePlayer>(&sounds));
    auto owned = std::make_unique<FakeLauncher>();
    launcher = owned.get();
    info().SetLauncher(std::move(owned));
  }
  kv::InfoToolbar& info() { return main->info(); }
  kv::ImageButton* Button(const char* name) {
    return Find<kv::ImageButton>(main.get(), QLatin1String(name));
  }

  TestSession t;
  std::unique_ptr<kv::MainWindow> main;
  QStringList sounds;
  FakeLauncher* launcher = nullptr;
};

}  // namespace

class InfoToolbarTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutTogglesItsPanelAndRingsOnOpening() {
    InfoRig r;
    QTextEdit* about = r.info().txtAbout();
    QVERIFY(!about->isVisible());
    const QString ring = QStringLiteral("play ") + r.t.Path(kv::kTelephoneSound);
    QTest::mousePress(r.Button("imgBtnAbout"), Qt::LeftButton);
    QVERIFY(about->isVisible());
    QCOMPARE(r.sounds, (QStringList{QStringLiteral("close"), ring}));
    const QStringList lines = about->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(QRegularExpression(QStringLiteral(R"(^Kelvarne \d+\.\d+\.\d+$)"))
                .match(lines[0])
                .hasMatch());
    QVERIFY(lines[2].startsWith(QStringLiteral("Licence: ")));
    // The whole text shows: the panel is as high as its text and lies inside the window.
    QCOMPARE(about->verticalScrollBar()->maximum(), 0);
    QVERIFY(about->parentWidget()->rect().contains(about->geometry()));

    QTest::mousePress(r.Button("imgBtnAbout"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QCOMPARE(r.sounds.size(), 2);  // closing is silent
    QTest::mousePress(r.Button("imgBtnAbout"), Qt::RightButton);
    QVERIFY(about->isVisible());
    QCOMPARE(r.sounds, (QStringList{QStringLiteral("close"), ring, QStringLiteral("close"), ring}));

    // Modify mode hides the button, and the panel with it; back in Operate one press opens it.
    for (const auto mode : {kv::kModify, kv::kOperate}) {
      r.t.session.model.ProgMode = mode;
      r.main->ShowModeToolbars();
      QVERIFY(!about->isVisible());
    }
    QTest::mousePress(r.Button("imgBtnAbout"), Qt::LeftButton);
    QVERIFY(about->isVisible());
    QCOMPARE(r.sounds.size(), 6);
  }

  void theWordProcessorButton_data() {
    QTest::addColumn<bool>("wordPadThere");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QStringList>("calls");  // "@" is the program folder, "#" the layout folder
    QTest::addColumn<bool>("message");
    QTest::newRow("wordpad.exe of a folder from Windows")
        << true << true << true << QStringList{"start @/WordPad.EXE"} << false;
    QTest::newRow("wordpad.exe that does not start")
        << true << false << true << QStringList{"start @/WordPad.EXE", "open #"} << false;
    QTest::newRow("the layout folder with the desktop's application")
        << false << true << true << QStringList{"open #"} << false;
    QTest::newRow("nothing to start") << false << true << false << QStringList{"open #"} << true;
  }
  void theWordProcessorButton() {
    QFETCH(bool, wordPadThere);
    QFETCH(bool, starts);
    QFETCH(bool, opens);
    QFETCH(QStringList, calls);
    QFETCH(bool, message);
    InfoRig r;
    if (wordPadThere) r.t.Write(QStringLiteral("\\WordPad.EXE"), "MZ");
    r.launcher->starts = starts;
    r.launcher->opens = opens;
    QTest::mouseClick(r.Button("imgBtnWordPad"), Qt::LeftButton);
    const QString folder = r.t.session.model.LayoutFolder;
    calls.replaceInStrings(QStringLiteral("@"), r.t.session.folder.Root());
    calls.replaceInStrings(QStringLiteral("#"), folder);
    QCOMPARE(r.launcher->calls, calls);
    QCOMPARE(r.info().WordPadTask(), wordPadThere && starts ? QStringLiteral("4242") : QString());
    QCOMPARE(r.t.dialogs.Transcript().size(), message ? 1 : 0);
    if (message) {
      QCOMPARE(r.t.dialogs.Last().title, QStringLiteral("word processor"));
      QVERIFY(r.t.dialogs.Last().text.contains(folder));
    }
  }

  // The picture of the start window and the help button of the main window open the one help
  // window of the run; closing it and opening it again shows it where it was left.
  void helpOpensFromBothWindowsAndKeepsItsPlace() {
    qputenv("KELVARNE_BOARD", "none");
    TestSession t;
    t.Write(kv::kVersionFile, "\"DC\"\r\n");
    t.Write(QStringLiteral("\\Yard.txt"), "");
    QDir().mkpath(t.dir.filePath(QStringLiteral("Data/Layout Folders/Yard")));
    const QString manual = t.dir.filePath(QStringLiteral("data/kelvarnehelp/kelvarnehelp.rtf"));
    QDir().mkpath(QFileInfo(manual).absolutePath());
    QVERIFY(QFile::copy(QFINDTESTDATA("../../data/kelvarnehelp/kelvarnehelp.rtf"), manual));
    kv::Application app({QStringLiteral("kelvarne"), QStringLiteral("--program-folder"),
                         t.dir.path(), QStringLiteral("--operate"), t.Path("\\Yard.txt")});
    QVERIFY(app.Start());
    QTRY_VERIFY(app.mainWindow() && app.mainWindow()->isVisible());

    QWidget* imgIcon = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QLatin1String("Form0")) imgIcon = Find<QWidget>(w, "imgIcon");
    }
    QVERIFY(imgIcon);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5),
                        imgIcon->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(imgIcon, &release);
    kv::HelpWindow* help = app.help().window();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->HelpFile(), manual);
    help->mnuContent_Click(16);
    const int place = help->RichTextBox()->verticalScrollBar()->value();
    QVERIFY(place > 0);
    const QTextDocument* document = help->RichTextBox()->document();
    help->close();
    QVERIFY(!help->isVisible());

    QTest::mouseClick(Find<kv::ImageButton>(app.mainWindow(), "imgBtnHelp"), Qt::LeftButton);
    QCOMPARE(app.help().window(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->RichTextBox()->document(), document);
    QCOMPARE(help->RichTextBox()->verticalScrollBar()->value(), place);
  }
};

KV_TEST_MAIN(InfoToolbarTest)
#include "test_info_toolbar.moc"
