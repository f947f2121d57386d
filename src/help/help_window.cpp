#include "help/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

#include "help/help_contents.h"
#include "help/help_texts.h"
#include "help/rtf/rtf_reader.h"

namespace kv {

namespace {
// About 2 MB of text, laid out in some 200 ms.
constexpr int kLayOutWholeUpTo = 2'000'000;
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1a"));
  setWindowTitle(texts::HelpCaption());
  QMenu* contents = menuBar()->addMenu(texts::ContentsMenu());
  contents->setObjectName(QStringLiteral("mnuContents"));
  for (int i = 0; i < int(kHelpChapters.size()); ++i) {
    QAction* item = contents->addAction(QString::fromUtf8(kHelpChapters[i]));
    item->setObjectName(QStringLiteral("mnuContent_%1").arg(i));
    connect(item, &QAction::triggered, this, [this, i]() { mnuContent_Click(i); });
  }
  // The text area is the central widget, so it fills the window as the window is resized.
  richTextBox_ = new QTextEdit(this);
  richTextBox_->setObjectName(QStringLiteral("RichTextBox"));
  richTextBox_->setReadOnly(true);
  richTextBox_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // The text, with the room below its end, is always taller than the window: a scroll bar that
  // came and went would lay the whole text out again at the other width.
  richTextBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(richTextBox_);
  resize(760, 720);
}

void HelpWindow::Load(const QString& path) {
  SetHelpFile(path);
  show();
  LayOutWhole();
}

// The text area lays out what it shows first and the rest in the background, so a jump to a
// late chapter at once would wait for all of it. Laid out whole as the window opens (at the
// width it shows), every jump finds its heading placed already. A document far larger than
// any manual is left to the background, so the window still opens at once.
void HelpWindow::LayOutWhole() {
  QTextDocument* document = richTextBox_->document();
  if (isVisible() && document->characterCount() <= kLayOutWholeUpTo) {
    document->documentLayout()->documentSize();
  }
}

void HelpWindow::SetHelpFile(const QString& path) {
  helpFile_ = path;
  // Read into a document of its own, which no view lays out while it fills.
  auto* document = new QTextDocument(richTextBox_);
  QFile file(path);
  // A plain file only: a named pipe in its place would wait for a writer for ever.
  const bool plain = !QFileInfo::exists(path) || QFileInfo(path).isFile();
  if (plain && file.open(QIODevice::ReadOnly)) {
    ReadRtf(file.readAll(), document);
  } else {
    document->setPlainText(
        texts::HelpUnreadable(path, plain ? file.errorString() : texts::HelpNotAPlainFile()));
  }
  document->setUndoRedoEnabled(false);
  // A margin round the text, and room below its end as high as the screen, so that the
  // headings of the last chapters reach the top of the window too.
  QTextFrameFormat root = document->rootFrame()->frameFormat();
  root.setMargin(12);
  root.setBottomMargin(screen() ? screen()->availableGeometry().height() : 1080);
  document->rootFrame()->setFrameFormat(root);
  // The text area deletes the document it made itself; one read earlier is ours to delete.
  QTextDocument* old = richTextBox_->document();
  const bool ours = old && old->parent() == richTextBox_;
  richTextBox_->setDocument(document);
  if (ours) old->deleteLater();
  textLength_ = document->characterCount() - 1;
  LayOutWhole();
}

QTextCursor FindChapter(const QTextDocument& document, const QString& caption) {
  const QString wanted = caption.trimmed();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.length() - 1 < wanted.size()) continue;
    const QString text = block.text();
    if (text.trimmed().compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const int at = int(text.indexOf(wanted, 0, Qt::CaseInsensitive));
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + at);
    cursor.setPosition(block.position() + at + int(wanted.size()), QTextCursor::KeepAnchor);
    return cursor;
  }
  return document.find(wanted);
}

void HelpWindow::mnuContent_Click(int index) {
  if (index < 0 || index >= int(kHelpChapters.size())) return;
  QTextDocument* document = richTextBox_->document();
  const QTextCursor found = FindChapter(*document, QString::fromUtf8(kHelpChapters[index]));
  if (found.isNull()) {
    // The caret goes to the end of the text, and the view with it.
    QTextCursor end(document);
    end.setPosition(textLength_);
    richTextBox_->setTextCursor(end);
    richTextBox_->ensureCursorVisible();
    return;
  }
  richTextBox_->setTextCursor(found);
  const QRectF block = document->documentLayout()->blockBoundingRect(found.block());
  // The heading at the top, with the same room above it as the first line of the text has.
  const qreal room = document->rootFrame()->frameFormat().topMargin();
  richTextBox_->verticalScrollBar()->setValue(qRound(block.top() - room));
}

}  // namespace kv
