#pragma once

#include <QDialog>
#include <array>

#include "panel/label_keys.h"
#include "panel/panel.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace kv {

class LabelSettings;
class LabelTextEdit;
class Session;

// Form1b, the "Label Dialog": the user picks the purpose of a new label (Option1), types its
// text (Text1) under the key rules of that purpose, may choose its font (cmdOKFontCan 1), and
// sees it in the preview (Label2) that the new label is copied from. Messages and the font
// dialog go through the session's Dialogs.
class LabelDialog : public QDialog {
  Q_OBJECT

 public:
  LabelDialog(Session& session, LabelSettings& settings, QWidget* parent = nullptr);
  ~LabelDialog() override;

  // Runs the dialog modally and returns the purpose picked, -1 when cancelled. Accepted, the
  // preview's font is remembered for its purpose; the preview's look goes into the label tables
  // at LabelCount + 1, where the next label is made.
  int GetLabel();
  // The dialog as GetLabel opens it: no purpose, nothing to type, the Font button off.
  void Reset();

  int Purpose() const { return purpose_; }
  const LabelLook& Preview() const { return preview_; }
  const LabelKeyState& KeyState() const { return state_; }

  void Option1_Click(int index);
  void cmdOKFontCan_Click(int index);
  // One key typed into Text1 (Backspace as kBackspace).
  void Text1_KeyPress(QChar key);

 public slots:
  void reject() override;  // Cancel, Escape and the close box: purpose -1

 private:
  void Text1_Change(const QString& text);
  void ChooseFont();
  void Accept();
  void Tell(const QString& text);
  void ShowPreview();
  LabelKeyContext Context() const;

  Session& session_;
  LabelSettings& settings_;
  int purpose_ = kNoPurpose;
  LabelKeyState state_;
  LabelLook preview_;
  QLabel* Label1_;
  std::array<QRadioButton*, 3> Option1_{};
  LabelTextEdit* Text1_;
  QLabel* Label2_;
  QLabel* Label3_;
  std::array<QPushButton*, 3> cmdOKFontCan_{};
};

}  // namespace kv
