#pragma once

#include <QPointer>
#include <QWidget>

#include "base/dialogs.h"

namespace kv {

// The dialogs as the user sees them, over whichever window is active.
class QtDialogs final : public Dialogs {
 public:
  int MessageBox(const QString& text, int style, const QString& title) override;
  QString InputBox(const QString& prompt, const QString& title,
                   const QString& defaultAnswer) override;
  QString OpenFileName(const QString& title, const QString& filter, int filterIndex,
                       const QString& folder) override;
  QString SaveFileName(const QString& title, const QString& filter,
                       const QString& suggested) override;
  bool ChooseFont(FontChoice* font, bool effects) override;
  void Beep() override;
};

// "project files (*.txt)|*.txt" -> the Qt filter list; the index counts from 1.
QStringList QtFilters(const QString& filter);

}  // namespace kv
