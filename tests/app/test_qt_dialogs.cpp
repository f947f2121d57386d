#include <QCheckBox>
#include <QComboBox>
#include <QFontDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/font_dialog.h"
#include "app/qt_dialogs.h"
#include "support/dialog_hand.h"
#include "support/test_session.h"

using kv::QtDialogs;
using kv::test::DialogHand;
namespace msg = kv::msg;

// The dialogs the user sees, answered and closed with their close box.
class QtDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void aMessageBoxAnswersAsItsButtonsAllow_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("press");  // QMessageBox::NoButton: the window's close box
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("icon");
    QTest::newRow("OK closed") << msg::kInformation << int(QMessageBox::NoButton) << msg::kOk
                               << int(QMessageBox::Information);
    QTest::newRow("OK, Cancel closed")
        << msg::kOkCancel << int(QMessageBox::NoButton) << msg::kCancel << int(QMessageBox::NoIcon);
    QTest::newRow("Yes, No closed") << (msg::kYesNo | msg::kQuestion) << int(QMessageBox::NoButton)
                                    << msg::kNo << int(QMessageBox::Question);
    QTest::newRow("Yes pressed") << (msg::kYesNo | msg::kCritical) << int(QMessageBox::Yes)
                                 << msg::kYes << int(QMessageBox::Critical);
  }
  void aMessageBoxAnswersAsItsButtonsAllow() {
    QFETCH(int, style);
    QFETCH(int, press);
    QFETCH(int, icon);
    int shownIcon = -1;
    DialogHand hand([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      shownIcon = box->icon();
      if (press == QMessageBox::NoButton) {
        box->close();
      } else {
        box->button(QMessageBox::StandardButton(press))->click();
      }
    });
    QtDialogs dialogs;
    QTEST(dialogs.MessageBox("text", style, "title"), "answer");
    QCOMPARE(shownIcon, icon);
    QCOMPARE(hand.titles, QStringList{"title"});
  }

  // A missing family keeps its name; colour and underline only with the effects.
  void theFontDialog() {
    const kv::FontChoice start{"Microsoft Sans Serif", 10, true, false, false, 0x123456};
    QStringList shown;
    bool escape = false;
    DialogHand hand([&](QWidget* dialog) {
      auto* font = qobject_cast<kv::FontDialog*>(dialog);
      if (escape) {  // in the chooser's lists, Escape cancels the whole dialog
        return QTest::keyClick(font->fontChooser()->findChild<QListView*>(), Qt::Key_Escape);
      }
      for (QCheckBox* box : font->findChildren<QCheckBox*>()) {
        if (box->isVisibleTo(font)) shown << box->text();
      }
      if (QComboBox* colour = font->colourBox()) {
        shown << colour->currentText() << QString::number(colour->count());
        colour->setCurrentIndex(4);
        emit colour->activated(4);
        QFont serif("DejaVu Serif", 12);
        serif.setStyleName("Book");
        font->fontChooser()->setCurrentFont(serif);
      }
      font->accept();
    });
    QtDialogs dialogs;
    kv::FontChoice plain = start;
    QVERIFY(dialogs.ChooseFont(&plain, false));
    QCOMPARE(plain, start);
    kv::FontChoice effects = start;
    QVERIFY(dialogs.ChooseFont(&effects, true));
    QCOMPARE(effects, kv::FontChoice({"DejaVu Serif", 12, false, false, false, 0x000080}));
    QCOMPARE(shown, QStringList({"&Underline", "Custom", "18"}));
    QCOMPARE(hand.titles, QStringList({"Font", "Font"}));
    escape = true;
    QVERIFY(!dialogs.ChooseFont(&effects, true));
  }
};

KV_TEST_MAIN(QtDialogsTest)
#include "test_qt_dialogs.moc"
