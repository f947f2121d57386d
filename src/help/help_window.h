#pragma once

#include <QMainWindow>
#include <QString>
#include <QTextCursor>

class QTextEdit;
class QTextDocument;

namespace kv {

// Form1a, "3D-Kelvarne HELP": the help document as formatted text, with a Contents menu whose
// items jump to its chapters. Its close box only hides it (Qt keeps a closed window and its
// document); the next opening shows it as it was.
class HelpWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Form_Load: HelpFile = `path`, loaded and shown.
  void Load(const QString& path);

  QString HelpFile() const { return helpFile_; }
  // Reads the document anew from `path`; a file that cannot be read is named in the window.
  void SetHelpFile(const QString& path);
  // The length of the document's plain text, in characters.
  int TextLength() const { return textLength_; }

  // Jumps to chapter `index` of the Contents menu: its heading is selected at the top of the
  // window. A chapter the document lacks leaves the view at the end of the text.
  void mnuContent_Click(int index);

  QTextEdit* RichTextBox() const { return richTextBox_; }

 private:
  void LayOutWhole();

  QString helpFile_;
  int textLength_ = 0;
  QTextEdit* richTextBox_ = nullptr;
};

// Finds a chapter's heading: the first paragraph whose whole text is `caption` (case and the
// blanks around it ignored), else the first place the text holds it anywhere. The cursor
// selects the caption; it is null when the document lacks it.
QTextCursor FindChapter(const QTextDocument& document, const QString& caption);

}  // namespace kv
