#pragma once

#include <QDialog>

#include "base/dialogs.h"

class QComboBox;
class QFontDialog;

namespace kv {

// The font dialog: Qt's font chooser, and with the effects a colour choice beside its
// underline: the sixteen classic colours and a custom one. The strike-out that Qt's chooser
// offers is not shown, since a label cannot keep it.
class FontDialog : public QDialog {
  Q_OBJECT

 public:
  FontDialog(const FontChoice& start, bool effects, QWidget* parent = nullptr);

  // The font as the user has left it. A family the system lacks is shown as its substitute;
  // while the user keeps that substitute the starting name is kept, so a stored name survives.
  FontChoice Choice() const;
  QComboBox* colourBox() const { return colour_; }
  QFontDialog* fontChooser() const { return fonts_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildColourBox(std::int32_t colour);
  void ColourPicked(int row);
  void ShowCustom(std::int32_t colour);
  // The chooser's sample shows its text in the label's colour.
  void TintSample(std::int32_t colour);

  FontChoice start_;
  bool effects_;
  QFontDialog* fonts_;
  QComboBox* colour_ = nullptr;
  QString shownFamily_;
  int lastRow_ = 0;
};

}  // namespace kv
