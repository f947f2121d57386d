#include "app/start_window.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/sundry_files.h"

namespace kv {

CommandButton::CommandButton(const QString& objectName, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setObjectName(objectName);
  // Enter, space and the underlined letter act as a left click.
  connect(this, &QPushButton::clicked, this, [this]() {
    if (!mouseRelease_) emit mouseUp(Qt::LeftButton);
  });
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event) {
  mouseRelease_ = true;
  QPushButton::mouseReleaseEvent(event);
  mouseRelease_ = false;
  emit mouseUp(event->button());
}

StartWindow::StartWindow(Session& session, std::function<MainWindow*()> openMain,
                         QWidget* parent)
    : QWidget(parent), session_(session), openMain_(std::move(openMain)) {
  setObjectName(QStringLiteral("Form0"));
  setWindowTitle(QStringLiteral("Kelvarne"));
  setWindowIcon(QIcon(QStringLiteral(":/resources/kelvarne.svg")));

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(18, 18, 18, 18);
  row->setSpacing(18);

  imgIcon_ = new QLabel(this);
  imgIcon_->setObjectName(QStringLiteral("imgIcon"));
  imgIcon_->setPixmap(QIcon(QStringLiteral(":/resources/kelvarne.svg")).pixmap(QSize(96, 96)));
  imgIcon_->setCursor(Qt::PointingHandCursor);
  imgIcon_->installEventFilter(this);
  row->addWidget(imgIcon_, 0, Qt::AlignTop);

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(10);
  const QString captions[3] = {QStringLiteral("&Create"), QStringLiteral("&Modify"),
                               QStringLiteral("&Operate")};
  const QString tips[3] = {QStringLiteral("Off-line"), QStringLiteral("Off-line"),
                           QStringLiteral("On-line")};
  for (int i = 0; i < 3; ++i) {
    cmdSelect_[i] = new CommandButton(QStringLiteral("cmdSelect_%1").arg(i), captions[i], this);
    cmdSelect_[i]->setToolTip(tips[i]);
    cmdSelect_[i]->setMinimumSize(160, 36);
    connect(cmdSelect_[i], &CommandButton::mouseUp, this,
            [this, i](Qt::MouseButton button) { cmdSelect_MouseUp(i, button); });
    buttons->addWidget(cmdSelect_[i]);
  }
  row->addLayout(buttons);
  setFixedSize(sizeHint());
}

void StartWindow::Load() {
  LayoutModel& m = session_.model;
  ReadVersionFile(session_.folder, &m.ControlSystem);
  if (m.ControlSystem.isEmpty()) ShowMessage(session_, 16);
}

void StartWindow::cmdSelect_MouseUp(int index, Qt::MouseButton button) {
  if (button != Qt::LeftButton || session_.Ended()) return;
  LayoutModel& m = session_.model;
  m.ProgMode = static_cast<std::uint8_t>(index);
  if (index == 0) m.NewLayout = true;
  hide();
  MainWindow* main = openMain_ ? openMain_() : nullptr;
  if (main && !session_.Ended()) main->ShowModeToolbars();
}

bool StartWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == imgIcon_ && event->type() == QEvent::MouseButtonRelease) {
    emit helpRequested();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kv
