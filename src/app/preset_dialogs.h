#pragma once

#include <QString>
#include <utility>

#include "base/dialogs.h"

namespace kv {

// The dialogs of the run, except that the next file dialog is answered with a file given
// beforehand (the project file named on the command line), as if the user had picked it.
class PresetFileDialogs final : public Dialogs {
 public:
  explicit PresetFileDialogs(Dialogs& inner) : inner_(inner) {}
  void PresetNextFile(const QString& file) { preset_ = file; }

  int MessageBox(const QString& text, int style, const QString& title) override {
    return inner_.MessageBox(text, style, title);
  }
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& defaultAnswer) override {
    return inner_.InputBox(prompt, title, defaultAnswer);
  }
  QString OpenFileName(const QString& title, const QString& filter, int filterIndex,
                       const QString& folder) override {
    if (preset_.isEmpty()) return inner_.OpenFileName(title, filter, filterIndex, folder);
    return std::exchange(preset_, QString());
  }
  QString SaveFileName(const QString& title, const QString& filter,
                       const QString& suggested) override {
    return inner_.SaveFileName(title, filter, suggested);
  }
  bool ChooseFont(FontChoice* font, bool effects) override {
    return inner_.ChooseFont(font, effects);
  }
  void Beep() override { inner_.Beep(); }

 private:
  Dialogs& inner_;
  QString preset_;
};

}  // namespace kv
