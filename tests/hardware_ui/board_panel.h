#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "hardware/recording_board.h"
#include "hardware/ui/board_window.h"
#include "support/test_session.h"

namespace kv::test {

template <typename T>
T* Find(QWidget* w, const QString& name) {
  T* found = w->findChild<T*>(name);
  if (!found) qFatal("no control %s", qPrintable(name));
  return found;
}

// A click where the user would make it: the window is shown and laid out first.
inline void Click(QWidget* w, const QString& name) {
  if (!w->isVisible()) {
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) qFatal("the window does not show");
  }
  // On the box or the circle: a check or option button stretched wider than its caption does
  // not take clicks on the empty part.
  auto* button = Find<QAbstractButton>(w, name);
  QTest::mouseClick(button, Qt::LeftButton, {},
                    QPoint(qMin(8, button->width() / 2), button->height() / 2));
}

// The board test panel over a recording board that answers at the addresses given.
struct Panel {
  TestSession t;
  kv::RecordingBoard board{t.scheduler};
  std::unique_ptr<kv::BoardWindow> form2;

  explicit Panel(const QSet<int>& present = {0}) {
    board.SetPresentAddresses(present);
    form2 = std::make_unique<kv::BoardWindow>(t.session, board);
  }
  QStringList LogSince(qsizetype from) const { return board.Log().mid(from); }
  bool Ticked(const QString& name) const { return Find<QCheckBox>(form2.get(), name)->isChecked(); }
  QString Text(const QString& name) const {
    if (auto* label = form2->findChild<QLabel*>(name)) return label->text();
    return Find<QLineEdit>(form2.get(), name)->text();
  }
};

}  // namespace kv::test
