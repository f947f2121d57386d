#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "base/sounds.h"

class QTextEdit;
class QWidget;

namespace kv {

class Launcher;
class Session;

// The information toolbar's buttons: help, the word processor, and About with its panel
// `txtAbout`; and the sounds, which route recording plays too.
class InfoToolbar : public QObject {
  Q_OBJECT

 public:
  // Finds imgBtnHelp, imgBtnAbout and imgBtnWordPad under `window`; `txtAbout` is shown over
  // `aboutHost`.
  InfoToolbar(Session& session, QWidget* window, QWidget* aboutHost);
  ~InfoToolbar() override;

  // Toggles the About panel; opening it plays the telephone.
  void imgBtnAbout_MouseDown();
  // Puts the About panel away, silently: its button is leaving the toolbar.
  void CloseAbout();
  // The program folder's wordpad.exe, else the layout folder with the desktop's application.
  void imgBtnWordPad_MouseUp();

  Sounds& sounds() { return sounds_; }
  void SetLauncher(std::unique_ptr<Launcher> launcher);
  QTextEdit* txtAbout() const { return txtAbout_; }
  bool AboutShown() const { return aboutShown_; }
  // The process id of the word processor started last, as text; "" when none was.
  QString WordPadTask() const { return wordPadTask_; }

 signals:
  void helpRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceAbout();

  Session& session_;
  QWidget* aboutHost_;
  QTextEdit* txtAbout_ = nullptr;
  bool aboutShown_ = false;
  Sounds sounds_;
  std::unique_ptr<Launcher> launcher_;
  QString wordPadTask_;
};

}  // namespace kv
