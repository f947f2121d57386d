#pragma once

#include <QString>
#include <cstdint>

namespace kv {

// Buttons and icons of a message box, and its answers, with the values the messages use.
namespace msg {
inline constexpr int kOkOnly = 0;
inline constexpr int kOkCancel = 1;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kInformation = 64;

inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

inline int Buttons(int style) { return style & 0x0F; }
inline int Icon(int style) { return style & 0x70; }
}  // namespace msg

// A font as the font dialog starts from and answers it; the colour is a Windows colour value
// (0x00BBGGRR).
struct FontChoice {
  QString name;
  int size = 10;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::int32_t colour = 0;
  bool operator==(const FontChoice&) const = default;
};

// Every message box, input box, file dialog and beep goes through here: the Qt implementation
// shows real dialogs, the scripted one answers from a queue and keeps a transcript for tests.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows `text` with the buttons and icon of `style`; returns the answer (msg::kOk ...).
  virtual int MessageBox(const QString& text, int style, const QString& title) = 0;

  // Asks for a line of text; "" when the user cancels.
  virtual QString InputBox(const QString& prompt, const QString& title,
                           const QString& defaultAnswer) = 0;

  // A file-open dialog. `filter` is in the "description|pattern" form ("project files
  // (*.txt)|*.txt"), `filterIndex` counts from 1. Returns the chosen path, "" when cancelled.
  virtual QString OpenFileName(const QString& title, const QString& filter, int filterIndex,
                               const QString& folder) = 0;

  // A file-save dialog, in the same filter form, offering `suggested` (a path); returns the
  // path chosen, "" when cancelled.
  virtual QString SaveFileName(const QString& title, const QString& filter,
                               const QString& suggested) = 0;
  // The font dialog, starting from *font. With `effects` it also offers the colour and the
  // underline. True, with *font as the user left it, when accepted; false and *font untouched
  // when cancelled.
  virtual bool ChooseFont(FontChoice* font, bool effects) = 0;

  virtual void Beep() = 0;
};

}  // namespace kv
