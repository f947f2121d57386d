#include "base/new_layout.h"

#include "base/layout_texts.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/layout_folders.h"

namespace kv {

namespace {

// Why the name cannot be used, or "" when it can.
QString NameProblem(const Session& s, const QString& name) {
  QChar bad;
  switch (CheckLayoutName(s.folder, name, &bad)) {
    case LayoutNameProblem::kNone: return {};
    case LayoutNameProblem::kTaken: return texts::NameTaken(name);
    case LayoutNameProblem::kTooLong: return texts::NameTooLong(name, kMaxLayoutName);
    case LayoutNameProblem::kBadCharacter: return texts::NameBadCharacter(bad);
    case LayoutNameProblem::kBadEnd: return texts::NameBadEnd();
  }
  return {};
}

}  // namespace

bool CreateLayout(Session& s) {
  LayoutModel& m = s.model;
  ShowMessage(s, 9);
  while (true) {
    if (m.LayoutName.isEmpty()) {
      s.EndProgram();
      return false;
    }
    QString why = NameProblem(s, m.LayoutName);
    if (why.isEmpty()) {
      QString error;
      if (CreateLayoutFolder(s.folder, m, &error) && CreateObjectFiles(m, &error)) return true;
      why = texts::LayoutNotCreated(error);
    }
    m.MsgTitle = QStringLiteral("New Layout");
    m.MsgPrompt = texts::NewLayoutAgain(why);
    m.LayoutName = s.dialogs.InputBox(m.MsgPrompt, m.MsgTitle, m.LayoutName);
  }
}

}  // namespace kv
