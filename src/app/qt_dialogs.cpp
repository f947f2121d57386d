#include "app/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "app/font_dialog.h"
#include "base/box_text.h"

namespace kv {

namespace {
QWidget* Owner() { return QApplication::activeWindow(); }

// Wide enough that the window system need not cut the title short: the title in a bold face,
// and room for the window's icon and buttons.
int WidthForTitle(const QWidget& dialog, const QString& title) {
  QFont bold = dialog.font();
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(title) + 140;
}
}  // namespace

int QtDialogs::MessageBox(const QString& text, int style, const QString& title) {
  QMessageBox box(Owner());
  box.setWindowTitle(title);
  box.setText(BoxText(text));
  switch (msg::Icon(style)) {
    case msg::kCritical: box.setIcon(QMessageBox::Critical); break;
    case msg::kQuestion: box.setIcon(QMessageBox::Question); break;
    case msg::kInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (msg::Buttons(style)) {
    case msg::kOkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      break;
    case msg::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      break;
  }
  // A message box sizes itself from its text; a spacer across its grid keeps the title whole.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(WidthForTitle(box, title) - 40, 0, QSizePolicy::Minimum,
                                  QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  switch (box.exec()) {
    case QMessageBox::Cancel: return msg::kCancel;
    case QMessageBox::Yes: return msg::kYes;
    case QMessageBox::No: return msg::kNo;
    default:
      // Closing a question with the window's close box counts as its negative answer.
      if (msg::Buttons(style) == msg::kYesNo && box.clickedButton() == nullptr) return msg::kNo;
      if (msg::Buttons(style) == msg::kOkCancel && box.clickedButton() == nullptr) {
        return msg::kCancel;
      }
      return msg::kOk;
  }
}

QString QtDialogs::InputBox(const QString& prompt, const QString& title,
                            const QString& defaultAnswer) {
  QInputDialog dialog(Owner());
  dialog.setWindowTitle(title);
  dialog.setLabelText(BoxText(prompt));
  dialog.setTextValue(defaultAnswer);
  // The dialog's layout fixes its size from its contents, so widen the contents.
  if (auto* edit = dialog.findChild<QLineEdit*>()) {
    edit->setMinimumWidth(qMax(340, WidthForTitle(dialog, title) - 24));
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue();
}

QStringList QtFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts.at(i);
    const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt takes the patterns from the parentheses; add them when the description has none.
    if (!description.contains(QLatin1Char('('))) description += QStringLiteral(" (%1)").arg(patterns);
    filters << description;
  }
  return filters;
}

QString QtDialogs::OpenFileName(const QString& title, const QString& filter, int filterIndex,
                                const QString& folder) {
  QFileDialog dialog(Owner(), title, folder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filters = QtFilters(filter);
  dialog.setNameFilters(filters);
  if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters.at(filterIndex - 1));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString QtDialogs::SaveFileName(const QString& title, const QString& filter,
                                const QString& suggested) {
  QFileDialog dialog(Owner(), title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilters(QtFilters(filter));
  dialog.selectFile(suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

bool QtDialogs::ChooseFont(FontChoice* font, bool effects) {
  FontDialog dialog(*font, effects, Owner());
  if (dialog.exec() != QDialog::Accepted) return false;
  *font = dialog.Choice();
  return true;
}

void QtDialogs::Beep() { QApplication::beep(); }

}  // namespace kv
