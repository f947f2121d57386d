#include "base/scripted_dialogs.h"

namespace kv {

void ScriptedDialogs::QueueButton(int answer) {
  replies_.append(Reply{false, answer, {}, false, {}});
}

void ScriptedDialogs::QueueText(const QString& text) {
  replies_.append(Reply{true, 0, text, false, {}});
}

void ScriptedDialogs::QueueFont(const FontChoice& font) {
  replies_.append(Reply{false, 0, {}, true, font});
}

bool ScriptedDialogs::TakeReply(Reply* reply) {
  if (replies_.isEmpty()) {
    ++unscripted_;
    return false;
  }
  *reply = replies_.takeFirst();
  return true;
}

int ScriptedDialogs::MessageBox(const QString& text, int style, const QString& title) {
  DialogRecord record{DialogRecord::kMessage, title, text, style, {}, msg::kOk, {}, {}};
  if (onShow) onShow(record);
  const int buttons = msg::Buttons(style);
  if (buttons != msg::kOkOnly) {
    Reply reply;
    if (TakeReply(&reply) && !reply.isText) {
      record.answer = reply.button;
    } else {
      record.answer = buttons == msg::kYesNo ? msg::kNo : msg::kCancel;
    }
  }
  transcript_.append(record);
  return record.answer;
}

QString ScriptedDialogs::InputBox(const QString& prompt, const QString& title,
                                  const QString& defaultAnswer) {
  return AnswerText({DialogRecord::kInput, title, prompt, 0, defaultAnswer, msg::kCancel, {}, {}});
}

QString ScriptedDialogs::OpenFileName(const QString& title, const QString& filter, int filterIndex,
                                      const QString& folder) {
  return AnswerText(
      {DialogRecord::kOpenFile, title, filter, filterIndex, folder, msg::kCancel, {}, {}});
}

QString ScriptedDialogs::SaveFileName(const QString& title, const QString& filter,
                                      const QString& suggested) {
  return AnswerText({DialogRecord::kSaveFile, title, filter, 0, suggested, msg::kCancel, {}, {}});
}

QString ScriptedDialogs::AnswerText(DialogRecord record) {
  if (onShow) onShow(record);
  Reply reply;
  if (TakeReply(&reply)) {
    record.answerText = reply.text;
    record.answer = msg::kOk;
  }
  transcript_.append(record);
  return record.answerText;
}

bool ScriptedDialogs::ChooseFont(FontChoice* font, bool effects) {
  DialogRecord record{DialogRecord::kFont, {}, {}, effects ? 1 : 0, {}, msg::kCancel, {}, *font};
  if (onShow) onShow(record);
  Reply reply;
  const bool chosen = TakeReply(&reply) && reply.isFont;
  if (chosen) {
    *font = reply.font;
    record.answer = msg::kOk;
  }
  transcript_.append(record);
  return chosen;
}

void ScriptedDialogs::Beep() {
  DialogRecord record;
  record.kind = DialogRecord::kBeep;
  if (onShow) onShow(record);
  transcript_.append(record);
}

int ScriptedDialogs::Beeps() const {
  int n = 0;
  for (const DialogRecord& r : transcript_) n += r.kind == DialogRecord::kBeep ? 1 : 0;
  return n;
}

}  // namespace kv
