#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace kv::test {

// Answers the real dialogs as they come up, the way a user would.
class DialogHand {
 public:
  explicit DialogHand(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        titles << dialog->windowTitle();
        answer_(dialog);
      }
    });
    timer_.start(10);
  }
  QStringList titles;

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
};

}  // namespace kv::test
