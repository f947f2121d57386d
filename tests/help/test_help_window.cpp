#include <sys/stat.h>

#include <QMenu>
#include <QSaveFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include "help/help_window.h"
#include "support/find_control.h"
#include "support/test_session.h"

using kv::HelpWindow;
using kv::test::Find;

namespace {

const QStringList kContents =
    QStringLiteral(
        "What is 3D-Kelvarne?|Connecting the PC Mimic to your railway|Hardware|"
        "Off-line|Scroll layout|Squares|trash|Save|Move objects|Create track|Image|Data|"
        "Signals|Section|Label|Entry Exit|Text files|Collision aversion|"
        "Setting up a route|Loco control form|Control buttons and systems")
        .split(QLatin1Char('|'));

QString ShippedManual() {
  return QFINDTESTDATA("../../data/kelvarnehelp/kelvarnehelp.rtf");
}

// `rtf` as help.rtf in `dir`; its path.
QString WriteHelp(const QTemporaryDir& dir, const QByteArray& rtf) {
  QSaveFile file(dir.filePath(QStringLiteral("help.rtf")));
  if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit()) {
    qFatal("help.rtf not written");
  }
  return file.fileName();
}

// Picks Contents item `index` as a user does.
void Choose(HelpWindow& w, int index) {
  Find<QMenu>(&w, QStringLiteral("mnuContents"))->actions().at(index)->trigger();
}

// Where the selection shows in the text area: its top, in pixels from the area's top.
int SelectionTop(HelpWindow& w) {
  return w.RichTextBox()->cursorRect().top();
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The shipped manual: each Contents item selects its heading at the top of the window.
  void everyContentsItemReachesItsHeadingInTheManual() {
    HelpWindow w;
    w.Load(ShippedManual());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* menu = Find<QMenu>(&w, QStringLiteral("mnuContents"));
    QCOMPARE(w.windowTitle() + "|" + menu->title(), QStringLiteral("3D-Kelvarne HELP|Contents"));
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text();
    QCOMPARE(items, kContents);
    QVERIFY(w.TextLength() > 20000);

    int previous = -1;
    for (int pass = 0; pass < 2; ++pass) {
      for (int n = 0; n < kContents.size(); ++n) {
        const int i = pass == 0 ? n : int(kContents.size()) - 1 - n;
        Choose(w, i);
        const QTextCursor selected = w.RichTextBox()->textCursor();
        QCOMPARE(QStringList({selected.selectedText(), selected.block().text()}),
                 QStringList(2, kContents[i]));
        QCOMPARE(selected.block().blockFormat().headingLevel(), 2);
        QVERIFY2(SelectionTop(w) >= 0 && SelectionTop(w) < 40, qPrintable(kContents[i]));
        if (pass == 0) QVERIFY(selected.position() > previous);
        previous = selected.position();
      }
    }
    // "save" is in the text long before its chapter, which the jump still finds.
    Choose(w, 7);
    const int heading = w.RichTextBox()->textCursor().selectionStart();
    QVERIFY(w.RichTextBox()->document()->find(QStringLiteral("save")).selectionStart() < heading);
  }

  // A paragraph that is the whole caption wins in any case.
  void theJumpPrefersTheHeadingParagraph() {
    QTemporaryDir dir;
    QByteArray rtf = "{\\rtf1 The trash is emptied. Data are kept.\\par";
    for (int i = 0; i < 80; ++i) rtf += "Line " + QByteArray::number(i) + "\\par ";
    HelpWindow w;
    w.Load(WriteHelp(dir, rtf + "  TRASH \\par The end\\par}"));
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    Choose(w, 6);
    QCOMPARE(w.RichTextBox()->textCursor().selectedText(), QStringLiteral("TRASH"));
    QVERIFY(SelectionTop(w) >= 0 && SelectionTop(w) < 40);
    Choose(w, 11);
    QCOMPARE(w.RichTextBox()->textCursor().selectedText() +
                 QString::number(w.RichTextBox()->textCursor().selectionStart()),
             QStringLiteral("Data22"));
    Choose(w, 5);
    QVERIFY(!w.RichTextBox()->textCursor().hasSelection() &&
            w.RichTextBox()->verticalScrollBar()->value() > 0);
    QCOMPARE(w.RichTextBox()->textCursor().position(), w.TextLength());
  }

  // The whole text is laid out as the window opens, so that a jump to the last chapter at once
  // finds its heading placed rather than waiting for the layout.
  void aLongDocumentIsLaidOutWholeAsTheWindowOpens() {
    QTemporaryDir dir;
    HelpWindow w;
    w.Load(WriteHelp(dir, "{\\rtf1 " + QByteArray("A line of the manual.\\par ").repeated(2000) +
                              "Control buttons and systems\\par}"));
    const QTextBlock last = w.RichTextBox()->document()->lastBlock().previous();
    QCOMPARE(last.text(), QStringLiteral("Control buttons and systems"));
    QVERIFY(last.layout()->lineCount() > 0);
  }

  void theTextAreaFillsTheWindowAndCloseOnlyHides() {
    HelpWindow w;
    w.Load(QStringLiteral("/no/such/kelvarnehelp.rtf"));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.RichTextBox()->toPlainText().startsWith(
        QStringLiteral("The help document /no/such/kelvarnehelp.rtf cannot be read: ")));
    QTemporaryDir dir;  // a pipe in its place is refused, not waited on for ever
    QVERIFY(mkfifo(qPrintable(dir.filePath("pipe.rtf")), 0644) == 0);
    w.Load(dir.filePath("pipe.rtf"));
    QVERIFY(w.RichTextBox()->toPlainText().endsWith(": it is not a plain file"));
    w.resize(600, 500);
    QCoreApplication::processEvents();
    const QSize small = w.RichTextBox()->size();
    w.resize(900, 800);
    QCoreApplication::processEvents();
    QCOMPARE(w.RichTextBox()->size(), small + QSize(300, 300));
    QVERIFY(w.close() && !w.isVisible());
  }
};

KV_TEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
