#pragma once

#include <QString>

namespace kv {

class Session;

// The numbered messages. Shows message `number` with its title, text, buttons and icon composed
// from the session's values; a question leaves its answer in MsgAnswer, an input box stores its
// answer where the message says. A number that is not a message shows nothing.
// Message 3 answered Cancel, and message 16 answered empty, end the program (Session::Ended).
void ShowMessage(Session& session, int number);

// A plain box of MsgPrompt, MsgStyle and MsgTitle; MsgStyle is 0 again afterwards.
void ShowMsgBox(Session& session);

// The three control systems, and the prompt that offers them.
bool IsControlSystem(const QString& value);
QString ControlSystemPrompt();

}  // namespace kv
