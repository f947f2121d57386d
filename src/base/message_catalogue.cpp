#include "base/message_catalogue.h"

#include "base/dialog_texts.h"
#include "base/session.h"
#include "layout/sundry_files.h"

namespace kv {

namespace {

const QString kSeven = QString(7, QLatin1Char(' '));

void Ask(Session& s, const QString& title, const QString& prompt, int style) {
  LayoutModel& m = s.model;
  m.MsgTitle = title;
  m.MsgPrompt = prompt;
  m.MsgAnswer = static_cast<std::uint8_t>(s.dialogs.MessageBox(m.MsgPrompt, style, m.MsgTitle));
  m.MsgStyle = 0;
}

void Tell(Session& s, const QString& title, const QString& prompt, int style) {
  s.model.MsgTitle = title;
  s.model.MsgPrompt = prompt;
  s.model.MsgStyle = static_cast<std::uint8_t>(style);
  ShowMsgBox(s);
}

QString Input(Session& s, const QString& title, const QString& prompt, const QString& def) {
  s.model.MsgTitle = title;
  s.model.MsgPrompt = prompt;
  return s.dialogs.InputBox(prompt, title, def);
}

// Message 16: asks until the answer is a control system or empty; empty ends the program.
void ChooseControlSystem(Session& s) {
  LayoutModel& m = s.model;
  while (true) {
    m.ControlSystem = Input(s, QStringLiteral("~\\Kelvarne-3D\\Data\\Sundries\\version.txt"),
                            ControlSystemPrompt(), QStringLiteral("DCC + DC"));
    if (m.ControlSystem.isEmpty()) {
      s.EndProgram();
      return;
    }
    if (IsControlSystem(m.ControlSystem)) break;
  }
  QString error;
  if (!WriteVersionFile(s.folder, m.ControlSystem, &error)) {
    s.dialogs.MessageBox(texts::SettingNotSaved(error), msg::kCritical,
                         texts::SettingNotSavedTitle());
  }
  Tell(s, QStringLiteral("Kelvarne-3D software"), m.ControlSystem + QStringLiteral(" version"),
       msg::kInformation);
}

}  // namespace

bool IsControlSystem(const QString& value) {
  return value == QLatin1String("DC") || value == QLatin1String("DCC") ||
         value == QLatin1String("DCC + DC");
}

QString ControlSystemPrompt() {
  return QStringLiteral("please select a control system :-") + QString(125, QLatin1Char(' ')) +
         QStringLiteral("DC   computer-controlled") + QString(48, QLatin1Char(' ')) +
         QStringLiteral("DCC with accessory modules or intelligent motors") +
         QString(10, QLatin1Char(' ')) + QStringLiteral("DCC + computer-controlled DC");
}

void ShowMsgBox(Session& session) {
  LayoutModel& m = session.model;
  session.dialogs.MessageBox(m.MsgPrompt, m.MsgStyle, m.MsgTitle);
  m.MsgStyle = 0;
}

void ShowMessage(Session& s, int number) {
  LayoutModel& m = s.model;
  switch (number) {
    case 1:
      m.ImageTip[m.ImageIdx] =
          Input(s, m.LayoutName + QStringLiteral("\\image.txt"),
                QStringLiteral("type the tool-tip-text you want below"), QString());
      break;
    case 2:
      Tell(s, QStringLiteral("check data in text file shown below"), m.TargetFile,
           msg::kInformation);
      break;
    case 3:
      Ask(s, QStringLiteral("select matching directory"),
          QStringLiteral("mismatching program and data"), msg::kOkCancel);
      if (m.MsgAnswer == msg::kCancel) s.EndProgram();
      break;
    case 4:
      Tell(s, m.TargetFile, QStringLiteral("You need to uncheck the Read Only box"),
           msg::kInformation);
      break;
    case 5:
      Ask(s, m.PathRec[1], kSeven + QStringLiteral("click red points numbers"), msg::kYesNo);
      break;
    case 6:
      Ask(s, QStringLiteral("signal aspect numbers to input"),
          kSeven + QStringLiteral("any ") + m.SigMore + QStringLiteral("signals on this path?"),
          msg::kYesNo);
      break;
    case 7:
      Ask(s, m.PathRec[1], QStringLiteral("click line numbers to file Path?"), msg::kYesNo);
      break;
    case 9:
      m.LayoutName = Input(s, QStringLiteral("New Layout"),
                           QStringLiteral("Enter the name of your new layout"),
                           QStringLiteral("My Layout"));
      break;
    case 10:
      Ask(s, m.PathRec[1], kSeven + QStringLiteral("Write this path to file?"), msg::kYesNo);
      break;
    case 11:
      // Shown with whatever MsgStyle holds: 0 after any earlier message.
      Tell(s, QStringLiteral("  ") + m.LayoutName + QStringLiteral(" : error in file <path.txt>"),
           QStringLiteral("suggestion : check for missing characters"), m.MsgStyle);
      break;
    case 12:
      Tell(s,
           QStringLiteral("If '") + m.PathRec[1] + QStringLiteral("' is unlisted in ENTRY to EXIT"),
           QStringLiteral("click 'modify', then click ") + m.EntryName + QStringLiteral(" and ") +
               m.ExitName + QStringLiteral(" labels again"),
           msg::kInformation);
      break;
    case 13:
      Tell(s, QStringLiteral("locomotive/multiple unit"), QStringLiteral("no train engine selected"),
           msg::kQuestion);
      break;
    case 14:
      Tell(s, QStringLiteral("write permit suspended"),
           QStringLiteral("reset all signals to permit write"), msg::kCritical);
      break;
    case 15:
      Tell(s, QStringLiteral("data error, or check signal library"),
           s.folder.Root() + m.SignalPicture[m.ObjIdx].left(qMax(0, m.SigPathLength)),
           msg::kCritical);
      break;
    case 16:
      ChooseControlSystem(s);
      break;
    case 17:
      Tell(s, QStringLiteral("all 64 solenoid numbers allocated"),
           QStringLiteral("fit larger solenoid relay stack"), msg::kInformation);
      break;
    case 18:
      Tell(s, QStringLiteral("new path aborted"), QStringLiteral("uncheck paths in ENTRY to EXIT menu"),
           msg::kCritical);
      break;
    case 19:
      Ask(s, QStringLiteral("back up all object files?"), kSeven + QStringLiteral("Are you sure?"),
          msg::kYesNo);
      break;
    case 20:
      Tell(s,
           QStringLiteral("  '") + m.LayoutName + QStringLiteral("' won't work in ") +
               m.ControlSystem,
           m.ControlSystem == QLatin1String("DCC")
               ? QStringLiteral("to view, click OK and restart in DCC + DC, or DC")
               : QStringLiteral("to view, click OK and restart in DCC"),
           msg::kCritical);
      break;
    default:
      break;  // not a message: nothing shown, nothing changed
  }
}

}  // namespace kv
