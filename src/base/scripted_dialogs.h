#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "base/dialogs.h"

namespace kv {

// What a dialog showed and what it answered.
struct DialogRecord {
  enum Kind { kMessage, kInput, kOpenFile, kBeep, kSaveFile, kFont };
  Kind kind = kMessage;
  QString title;
  QString text;        // message or prompt; the filter for a file dialog
  int style = 0;       // message box buttons + icon; filter index for a file dialog
  QString defaultText; // input box default; folder (or suggested file) for a file dialog
  int answer = 0;      // the button answered
  QString answerText;  // the text answered
  FontChoice font;     // a font dialog: the font it started from (style 1: effects offered)
};

// Dialogs answered from a queue, in order. A message box with an OK button only answers OK by
// itself; questions, input boxes and file dialogs take the next queued reply. With the queue
// empty they answer Cancel / "" and count as unscripted, which a test can assert is zero. A font
// dialog takes the next queued font; anything else queued cancels it.
class ScriptedDialogs final : public Dialogs {
 public:
  void QueueButton(int answer);
  void QueueText(const QString& text);
  void QueueFont(const FontChoice& font);

  int MessageBox(const QString& text, int style, const QString& title) override;
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& defaultAnswer) override;
  QString OpenFileName(const QString& title, const QString& filter, int filterIndex,
                       const QString& folder) override;
  QString SaveFileName(const QString& title, const QString& filter,
                       const QString& suggested) override;
  bool ChooseFont(FontChoice* font, bool effects) override;
  void Beep() override;

  const QList<DialogRecord>& Transcript() const { return transcript_; }
  const DialogRecord& Last() const { return transcript_.last(); }
  void ClearTranscript() { transcript_.clear(); }
  int Unscripted() const { return unscripted_; }
  int Pending() const { return static_cast<int>(replies_.size()); }
  int Beeps() const;

  // Called as each dialog is shown, before it answers.
  std::function<void(const DialogRecord&)> onShow;

 private:
  struct Reply {
    bool isText = false;
    int button = 0;
    QString text;
    bool isFont = false;
    FontChoice font;
  };
  bool TakeReply(Reply* reply);
  // Shows a dialog that answers a text (input box, file dialogs): the next queued reply, or "".
  QString AnswerText(DialogRecord record);
  QList<Reply> replies_;
  QList<DialogRecord> transcript_;
  int unscripted_ = 0;
};

}  // namespace kv
