#include "hardware/ui/monitor_window.h"

#include <QDir>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "base/session.h"
#include "hardware/hardware_monitor.h"
#include "hardware/ui/lamp.h"
#include "hardware/ui/monitor_lines.h"
#include "hardware/ui/monitor_window_texts.h"

namespace kv {

namespace {

QProgressBar* Bar(const QString& name, const QString& format) {
  auto* bar = new QProgressBar;
  bar->setObjectName(name);
  bar->setRange(0, 255);
  bar->setValue(0);
  bar->setFormat(format);
  bar->setTextVisible(true);
  return bar;
}

// A row of numbered lamps, 1 up.
QHBoxLayout* LampRow(Lamp** lamps, int count, const QString& name, QColor lit) {
  auto* row = new QHBoxLayout;
  for (int i = 0; i < count; ++i) {
    auto* cell = new QVBoxLayout;
    lamps[i] = new Lamp(lit);
    lamps[i]->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i + 1));
    auto* number = new QLabel(QString::number(i + 1));
    number->setAlignment(Qt::AlignCenter);
    cell->addWidget(lamps[i], 0, Qt::AlignHCenter);
    cell->addWidget(number);
    row->addLayout(cell);
  }
  return row;
}

}  // namespace

MonitorWindow::MonitorWindow(Session& session, HardwareMonitor& monitor, QWidget* parent)
    // A tool window: it stays above the main window while the user works the panel under it.
    : QWidget(parent, Qt::Tool),
      session_(session),
      monitor_(monitor),
      poll_(std::make_unique<IntervalTimer>(session.scheduler, [this]() { Refresh(); })) {
  setObjectName(QStringLiteral("frmMonitor"));
  setWindowTitle(texts::MonitorWindowTitle());
  auto* column = new QVBoxLayout(this);

  modemState_ = new QLabel;
  modemState_->setObjectName(QStringLiteral("lblModemState"));
  boardState_ = new QLabel;
  boardState_->setObjectName(QStringLiteral("lblBoardState"));
  column->addWidget(modemState_);
  column->addWidget(boardState_);

  auto* hardware = new QHBoxLayout;
  hardware->addWidget(BuildOutputs(), 3);
  hardware->addWidget(BuildInputs(), 2);
  column->addLayout(hardware);

  auto* frames = new QGroupBox(texts::MonitorFramesFrame());
  frames->setObjectName(QStringLiteral("fraMonitorLines"));
  auto* framesColumn = new QVBoxLayout(frames);
  lines_ = new MonitorLines(session.scheduler, monitor_, this);
  list_ = new QListView;
  list_->setObjectName(QStringLiteral("lstMonitor"));
  list_->setModel(lines_);
  list_->setUniformItemSizes(true);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Wide enough for a whole line: time, way, eight bytes and the words.
  list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QString(96, QLatin1Char('0'))), 260);
  framesColumn->addWidget(list_);
  column->addWidget(frames, 1);

  auto* buttons = new QHBoxLayout;
  auto* save = new QPushButton(texts::SaveLogButton());
  save->setObjectName(QStringLiteral("cmdSaveLog"));
  connect(save, &QPushButton::clicked, this, &MonitorWindow::cmdSaveLog_Click);
  auto* clear = new QPushButton(texts::ClearLogButton());
  clear->setObjectName(QStringLiteral("cmdClearLog"));
  connect(clear, &QPushButton::clicked, &monitor_, &HardwareMonitor::Clear);
  buttons->addStretch(1);
  buttons->addWidget(clear);
  buttons->addWidget(save);
  column->addLayout(buttons);

  connect(&monitor_, &HardwareMonitor::outputsShown, this, &MonitorWindow::ShowOutputs);
  // Follows the newest line only while the user has not scrolled back.
  connect(lines_, &QAbstractItemModel::modelAboutToBeReset, this, [this]() {
    const QScrollBar* bar = list_->verticalScrollBar();
    atEnd_ = atEnd_ || bar->value() == bar->maximum();
  });
  connect(lines_, &QAbstractItemModel::modelReset, this, [this]() {
    if (atEnd_) FollowNewest();
  });

  poll_->SetEnabled(false);
  poll_->SetInterval(kInputPollMs);
  ShowOutputs(monitor_.Outputs());
  Refresh();
}

MonitorWindow::~MonitorWindow() = default;

QWidget* MonitorWindow::BuildOutputs() {
  auto* frame = new QGroupBox(texts::MonitorOutputsFrame());
  frame->setObjectName(QStringLiteral("fraMonitorOutputs"));
  auto* grid = new QGridLayout(frame);
  grid->addLayout(
      LampRow(outputs_.data(), 8, QStringLiteral("lampOutput"), QColor(0xe0, 0x20, 0x20)), 0, 0, 1,
      2);
  solenoid_ = new QLabel;
  solenoid_->setObjectName(QStringLiteral("lblSolenoid"));
  grid->addWidget(solenoid_, 1, 0, 1, 2);
  for (int k = 0; k < 2; ++k) {
    pwm_[k] = Bar(QStringLiteral("barPwm_%1").arg(k + 1), texts::MonitorPwm(k + 1));
    grid->addWidget(pwm_[k], 2, k);
  }
  return frame;
}

QWidget* MonitorWindow::BuildInputs() {
  auto* frame = new QGroupBox(texts::MonitorInputsFrame());
  frame->setObjectName(QStringLiteral("fraMonitorInputs"));
  auto* grid = new QGridLayout(frame);
  grid->addLayout(LampRow(inputs_.data(), 5, QStringLiteral("lampInput"), QColor(0x20, 0xc0, 0x30)),
                  0, 0, 1, 2);
  for (int k = 0; k < 2; ++k) {
    analog_[k] = Bar(QStringLiteral("barAnalog_%1").arg(k + 1), texts::MonitorAnalog(k + 1));
    grid->addWidget(analog_[k], 2, k);
  }
  grid->setRowStretch(1, 1);
  return frame;
}

void MonitorWindow::ShowOutputs(const BoardOutputState& outputs) {
  for (int i = 0; i < 8; ++i) outputs_[i]->SetLit((outputs.digital >> i) & 1);
  solenoid_->setText(HardwareMonitor::OutputWords(outputs.digital));
  pwm_[0]->setValue(outputs.analog1);
  pwm_[1]->setValue(outputs.analog2);
}

void MonitorWindow::Refresh() {
  const BoardInputs in = monitor_.ReadInputs();
  for (int i = 0; i < 5; ++i) inputs_[i]->SetLit((in.digital >> i) & 1);
  analog_[0]->setValue(in.analog1);
  analog_[1]->setValue(in.analog2);
  modemState_->setText(monitor_.ModemState());
  boardState_->setText(monitor_.BoardState());
}

void MonitorWindow::FollowNewest() {
  list_->scrollToBottom();
  atEnd_ = false;
}

void MonitorWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
  poll_->SetEnabled(true);
  atEnd_ = true;
  lines_->SetLive(true);
}

void MonitorWindow::hideEvent(QHideEvent* event) {
  poll_->SetEnabled(false);
  lines_->SetLive(false);
  QWidget::hideEvent(event);
}

void MonitorWindow::cmdSaveLog_Click() {
  // Not the program folder: a .txt file there is listed among the layouts to load.
  const QString suggested = QDir::homePath() + QLatin1Char('/') + texts::SaveLogName();
  const QString path =
      session_.dialogs.SaveFileName(texts::SaveLogTitle(), texts::SaveLogFilter(), suggested);
  if (path.isEmpty()) return;
  QString error;
  if (!monitor_.SaveLog(path, &error)) {
    session_.dialogs.MessageBox(texts::LogNotSaved(error), msg::kCritical, texts::SaveLogTitle());
  }
}

MonitorHost::MonitorHost(Session& session, QWidget* mainWindow, DccLink& link, BoardLibrary& board)
    : QObject(nullptr),
      session_(session),
      mainWindow_(mainWindow),
      monitor_(std::make_unique<HardwareMonitor>(session, link, board)) {
  auto* key = new QShortcut(QKeySequence(texts::MonitorWindowKey()), mainWindow);
  key->setObjectName(QStringLiteral("keyMonitorWindow"));
  connect(key, &QShortcut::activated, this, &MonitorHost::ShowMonitorWindow);
}

MonitorHost::~MonitorHost() {
  window_.reset();
  monitor_.reset();
}

void MonitorHost::ShowMonitorWindow() {
  if (!window_) {
    window_ = std::make_unique<MonitorWindow>(session_, *monitor_, mainWindow_);
    window_->adjustSize();
    // The first time in the main window's lower right corner, so that it stays clear of the
    // toolbars along the top; after that where the user left it. Its frame is taken to be as
    // wide and tall as the main window's: it is not known before the window is shown.
    const QRect main = mainWindow_->geometry();
    const QSize frame = mainWindow_->frameGeometry().size() - main.size();
    window_->move(main.right() + 1 - window_->width() - frame.width(),
                  std::max(main.top(), main.bottom() + 1 - window_->height() - frame.height()));
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace kv
