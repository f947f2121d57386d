#include "app/font_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>
#include <cstdlib>

#include "base/dialog_texts.h"
#include "panel/classic_colours.h"
#include "panel/panel_items.h"

namespace kv {

namespace {

QIcon Swatch(std::int32_t colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(FromWindowsColour(colour));
  QPainter painter(&pixmap);
  painter.setPen(Qt::darkGray);
  painter.drawRect(0, 0, 15, 15);
  return QIcon(pixmap);
}

// The style of `family` with the font's slant nearest to its weight, the plainest of equals
// ("Bold" before "Condensed Bold"). Qt's chooser looks a style up by name, and many families
// call their plain style "Book" or "Regular", not "Normal".
QString StyleOf(const QString& family, const QFont& font) {
  QString best;
  int bestScore = 1 << 20;
  for (const QString& style : QFontDatabase::styles(family)) {
    const QFont face = QFontDatabase::font(family, style, 10);
    if (face.italic() != font.italic()) continue;
    const int score = std::abs(face.weight() - font.weight()) * 100 + int(style.size());
    if (score < bestScore) {
      best = style;
      bestScore = score;
    }
  }
  return best;
}

// Qt's chooser names its check boxes "Stri&keout" and "&Underline".
QCheckBox* EffectBox(const QFontDialog& fonts, const QString& name) {
  for (QCheckBox* box : fonts.findChildren<QCheckBox*>()) {
    if (QString(box->text()).remove(QLatin1Char('&')) == name) return box;
  }
  return nullptr;
}

QGroupBox* SampleBox(const QFontDialog& fonts) {
  for (QGroupBox* group : fonts.findChildren<QGroupBox*>()) {
    if (QString(group->title()).remove(QLatin1Char('&')) == QLatin1String("Sample")) return group;
  }
  return nullptr;
}

}  // namespace

FontDialog::FontDialog(const FontChoice& start, bool effects, QWidget* parent)
    : QDialog(parent), start_(start), effects_(effects), fonts_(new QFontDialog(this)) {
  setObjectName(QStringLiteral("FontDialog"));
  setWindowTitle(texts::FontDialogTitle());
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  fonts_->setWindowFlags(Qt::Widget);  // a part of this dialog, not a window of its own
  QFont font(start.name);
  font.setPointSize(start.size > 0 ? start.size : 10);
  font.setBold(start.bold);
  font.setItalic(start.italic);
  font.setUnderline(start.underline);
  // A family the system lacks is shown as the one it is drawn with, in the starting style.
  font.setFamily(QFontInfo(font).family());
  font.setStyleName(StyleOf(font.family(), font));
  fonts_->setCurrentFont(font);
  shownFamily_ = fonts_->currentFont().family();

  fonts_->setSizeGripEnabled(false);
  // The chooser is a dialog itself: Escape would hide it inside this one, and Enter find no
  // default button of its own. Both go to this dialog.
  fonts_->installEventFilter(this);
  auto* column = new QVBoxLayout(this);
  column->addWidget(fonts_);
  if (QCheckBox* strikeOut = EffectBox(*fonts_, QStringLiteral("Strikeout"))) {
    strikeOut->setChecked(false);
    strikeOut->hide();
  }
  // The sample keeps the room the effects would give it.
  if (QGroupBox* sample = SampleBox(*fonts_)) sample->setMinimumHeight(96);
  QCheckBox* underline = EffectBox(*fonts_, QStringLiteral("Underline"));
  QWidget* effectsBox = underline ? underline->parentWidget() : nullptr;
  if (effectsBox && !effects) effectsBox->hide();
  if (effects) {
    // The colour stands with the underline among the effects, where a user looks for it.
    auto* box = effectsBox ? qobject_cast<QBoxLayout*>(effectsBox->layout()) : nullptr;
    QWidget* owner = box ? effectsBox : this;
    auto* row = new QHBoxLayout;
    colour_ = new QComboBox(owner);
    colour_->setObjectName(QStringLiteral("cboColour"));
    auto* caption = new QLabel(texts::ColourCaption(), owner);
    caption->setBuddy(colour_);
    row->addWidget(caption);
    row->addWidget(colour_);
    row->addStretch(1);
    if (box) {
      box->addLayout(row);
    } else {
      column->addLayout(row);
    }
    BuildColourBox(start.colour);
  } else {
    TintSample(start.colour);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

void FontDialog::BuildColourBox(std::int32_t colour) {
  for (const ClassicColour& c : kClassicColours) {
    colour_->addItem(Swatch(c.value), QString::fromLatin1(c.name), c.value);
  }
  colour_->addItem(texts::ChooseCustomColour());
  if (colour_->findData(colour) < 0) ShowCustom(colour);
  lastRow_ = colour_->findData(colour);
  colour_->setCurrentIndex(lastRow_);
  connect(colour_, &QComboBox::activated, this, &FontDialog::ColourPicked);
  TintSample(colour_->currentData().toInt());
}

// One row holds the custom colour, just above the row that chooses another.
void FontDialog::ShowCustom(std::int32_t colour) {
  const int row = int(kClassicColours.size());
  if (colour_->count() == row + 1) colour_->insertItem(row, texts::CustomColour());
  colour_->setItemIcon(row, Swatch(colour));
  colour_->setItemData(row, colour);
}

void FontDialog::ColourPicked(int row) {
  if (row == colour_->count() - 1) {
    const QColor picked =
        QColorDialog::getColor(FromWindowsColour(colour_->itemData(lastRow_).toInt()), this);
    if (!picked.isValid()) {
      colour_->setCurrentIndex(lastRow_);
      return;
    }
    const std::int32_t value = ToWindowsColour(picked);
    if (colour_->findData(value) < 0) ShowCustom(value);
    row = colour_->findData(value);
    colour_->setCurrentIndex(row);
  }
  lastRow_ = row;
  TintSample(colour_->currentData().toInt());
}

// The chooser's sample shows the text in the chosen colour.
void FontDialog::TintSample(std::int32_t colour) {
  QGroupBox* group = SampleBox(*fonts_);
  auto* sample = group ? group->findChild<QLineEdit*>() : nullptr;
  if (!sample) return;
  QPalette palette = sample->palette();
  palette.setColor(QPalette::Text, FromWindowsColour(colour));
  sample->setPalette(palette);
}

bool FontDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fonts_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Escape:
        reject();
        return true;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        accept();
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

FontChoice FontDialog::Choice() const {
  const QFont font = fonts_->currentFont();
  FontChoice choice = start_;
  choice.name = font.family() == shownFamily_ ? start_.name : font.family();
  if (font.pointSize() > 0) choice.size = font.pointSize();
  choice.bold = font.bold();
  choice.italic = font.italic();
  if (effects_) {
    choice.underline = font.underline();
    choice.colour = colour_->currentData().toInt();
  }
  return choice;
}

}  // namespace kv
