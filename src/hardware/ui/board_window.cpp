#include "hardware/ui/board_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/box_text.h"
#include "base/session.h"
#include "hardware/board_library.h"
#include "hardware/board_texts.h"
#include "hardware/monitor_texts.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_window_texts.h"

namespace kv {

namespace {
constexpr int kDebounceMs[4] = {0, 2, 10, 1000};
constexpr int kTimer1Ms = 50;
constexpr int kTimer2Ms = 100;

// A box that only shows a value: the user cannot change it.
template <typename W>
W* ShowOnly(W* widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

QGroupBox* Frame(const QString& name, const QString& caption) {
  auto* frame = new QGroupBox(caption);
  frame->setObjectName(name);
  return frame;
}

void SetLamp(QLabel* lamp, bool lit) {
  lamp->setProperty("lit", lit);
  lamp->setStyleSheet(lit ? QStringLiteral("background:#e02020; border:1px solid #801010; "
                                           "border-radius:7px;")
                          : QStringLiteral("background:#5a2020; border:1px solid #301010; "
                                           "border-radius:7px;"));
}
}  // namespace

BoardWindow::BoardWindow(Session& session, BoardLibrary& board, QWidget* parent, RelayStack* relay)
    : QWidget(parent, Qt::Window), session_(session), board_(board), relay_(relay) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(texts::BoardWindowTitle());
  timer1_ = std::make_unique<IntervalTimer>(session_.scheduler, [this]() { Timer1_Timer(); });
  timer2_ = std::make_unique<IntervalTimer>(session_.scheduler, [this]() { Timer2_Timer(); });
  timer1_->SetEnabled(false);
  timer1_->SetInterval(kTimer1Ms);
  timer2_->SetEnabled(false);
  timer2_->SetInterval(kTimer2Ms);
  timReconnect_ = std::make_unique<IntervalTimer>(
      session_.scheduler, [this]() { ShowCard(board_.OpenDevice(cardAddress_)); });
  timReconnect_->SetEnabled(false);
  timReconnect_->SetInterval(kReconnectMs);

  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->addWidget(BuildCardFrame(), 0, 0, 1, 2);
  grid->addWidget(BuildInputsFrame(), 0, 2, 1, 2);
  grid->addWidget(BuildOutputsFrame(), 1, 0, 1, 4);
  grid->addWidget(BuildAnalogFrame(true), 2, 0);
  grid->addWidget(BuildAnalogFrame(false), 2, 1);
  grid->addWidget(BuildCounterFrame(1), 2, 2);
  grid->addWidget(BuildCounterFrame(2), 2, 3);
  grid->addWidget(BuildLampsFrame(), 3, 0, 1, 4);
  connect(&board_, &BoardLibrary::outputsChanged, this, &BoardWindow::ShowBoardOutputs);
  connect(&board_, &BoardLibrary::boardLost, this, &BoardWindow::OnBoardLost);
  if (relay_) connect(relay_, &RelayStack::outputsReleased, this, [this]() { OutputsHeld(); });
  ShowBoardOutputs(board_.Outputs());

  busy_ = false;
  position_ = 7;
  ConnectCard();
}

BoardWindow::~BoardWindow() {
  timer1_.reset();
  timer2_.reset();
  timReconnect_.reset();
  board_.CloseDevice();
}

QPushButton* BoardWindow::AddButton(const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  return button;
}

QGroupBox* BoardWindow::BuildCardFrame() {
  auto* frame = Frame(QStringLiteral("fraCardAddress"), texts::CardAddressFrame());
  auto* row = new QHBoxLayout(frame);
  const QString jumpers[2] = {texts::JumperSk5(), texts::JumperSk6()};
  for (int i = 0; i < 2; ++i) {
    check1_[i] = new QCheckBox(jumpers[i]);
    check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
    check1_[i]->setChecked(true);
    row->addWidget(check1_[i]);
  }
  QPushButton* connectButton = AddButton(QStringLiteral("Connect"), texts::ConnectButton());
  connect(connectButton, &QPushButton::clicked, this, &BoardWindow::Connect_Click);
  row->addWidget(connectButton);
  label1_ = new QLabel(texts::CardUnknown());
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setMinimumWidth(label1_->fontMetrics().horizontalAdvance(texts::CardNotFound(3)) + 8);
  row->addWidget(label1_);
  return frame;
}

QGroupBox* BoardWindow::BuildInputsFrame() {
  auto* frame = Frame(QStringLiteral("fraInputs"), texts::InputsFrame());
  auto* row = new QHBoxLayout(frame);
  for (int i = 0; i < 5; ++i) {
    check2_[i] = ShowOnly(new QCheckBox(QString::number(i + 1)));
    check2_[i]->setObjectName(QStringLiteral("Check2_%1").arg(i));
    row->addWidget(check2_[i]);
  }
  return frame;
}

QGroupBox* BoardWindow::BuildOutputsFrame() {
  auto* frame = Frame(QStringLiteral("fraOutputs"), texts::OutputsFrame());
  auto* column = new QVBoxLayout(frame);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  held_ = new QLabel;
  held_->setObjectName(QStringLiteral("lblOutputsHeld"));
  held_->hide();
  column->addWidget(held_);
  for (int i = 0; i < 8; ++i) {
    check3_[i] = new QCheckBox(QString::number(i + 1));
    check3_[i]->setObjectName(QStringLiteral("Check3_%1").arg(i));
    // Ticking a box by program counts as a click too, as the running light relies on.
    connect(check3_[i], &QCheckBox::toggled, this, [this, i]() { Check3_Click(i); });
    row->addWidget(check3_[i]);
  }
  row->addSpacing(12);
  QPushButton* setAll = AddButton(QStringLiteral("SetAllDig"), texts::SetAllDigitalButton());
  QPushButton* clearAll = AddButton(QStringLiteral("ClearAllDig"), texts::ClearAllDigitalButton());
  connect(setAll, &QPushButton::clicked, this, &BoardWindow::SetAllDig_Click);
  connect(clearAll, &QPushButton::clicked, this, &BoardWindow::ClearAllDig_Click);
  row->addWidget(setAll);
  row->addWidget(clearAll);
  check4_ = new QCheckBox(texts::OutputTestBox());
  check4_->setObjectName(QStringLiteral("Check4"));
  connect(check4_, &QCheckBox::toggled, this, &BoardWindow::Check4_Click);
  row->addWidget(check4_);
  return frame;
}

QGroupBox* BoardWindow::BuildAnalogFrame(bool outputs) {
  auto* frame = outputs ? Frame(QStringLiteral("fraAnalogOutputs"), texts::AnalogOutputsFrame())
                        : Frame(QStringLiteral("fraAnalogInputs"), texts::AnalogInputsFrame());
  auto* grid = new QGridLayout(frame);
  const int first = outputs ? 0 : 2;
  for (int k = 0; k < 2; ++k) {
    const int i = first + k;
    auto* bar = new QScrollBar(Qt::Vertical);
    bar->setObjectName(QStringLiteral("VScroll%1").arg(i + 1));
    bar->setRange(0, 255);
    bar->setPageStep(16);
    bar->setMinimumHeight(120);
    auto* value = new QLabel(QStringLiteral("0"));
    value->setObjectName(QStringLiteral("lblVScroll%1").arg(i + 1));
    value->setAlignment(Qt::AlignCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    vScroll_[i] = bar;
    vScrollLabel_[i] = value;
    if (outputs) {
      connect(bar, &QScrollBar::valueChanged, this, [this, k](int v) { VScroll_Scroll(k + 1, v); });
    } else {
      ShowOnly(bar);
    }
    grid->addWidget(bar, 0, k, Qt::AlignHCenter);
    grid->addWidget(value, 1, k);
  }
  if (outputs) {
    QPushButton* setAll = AddButton(QStringLiteral("SetAllAnalog1"), texts::SetAllAnalogButton());
    QPushButton* clearAll =
        AddButton(QStringLiteral("ClearAllAnalog1"), texts::ClearAllAnalogButton());
    connect(setAll, &QPushButton::clicked, this, &BoardWindow::SetAllAnalog1_Click);
    connect(clearAll, &QPushButton::clicked, this, &BoardWindow::ClearAllAnalog1_Click);
    grid->addWidget(setAll, 2, 0, 1, 2);
    grid->addWidget(clearAll, 3, 0, 1, 2);
  } else {
    grid->setRowStretch(2, 1);  // the values level with those of the outputs
  }
  return frame;
}

QGroupBox* BoardWindow::BuildCounterFrame(int counter) {
  auto* frame = Frame(QStringLiteral("fraCounter%1").arg(counter), texts::CounterFrame(counter));
  auto* column = new QVBoxLayout(frame);
  auto* row = new QHBoxLayout;
  QLineEdit*& text = text_[counter - 1];
  text = new QLineEdit(QStringLiteral("0"));
  text->setObjectName(QStringLiteral("Text%1").arg(counter));
  text->setReadOnly(true);
  text->setMaximumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
  QPushButton* reset = AddButton(QStringLiteral("Reset%1").arg(counter), texts::ResetButton());
  connect(reset, &QPushButton::clicked, this, [this, counter]() { Reset_Click(counter); });
  row->addWidget(text);
  row->addWidget(reset);
  column->addLayout(row);
  auto* debounce = Frame(QStringLiteral("fraDebounce%1").arg(counter), texts::DebounceTimeFrame());
  auto* options = new QVBoxLayout(debounce);
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(texts::DebounceOption(kDebounceMs[i]));
    option->setObjectName(QStringLiteral("Option%1_%2").arg(counter).arg(i));
    connect(option, &QRadioButton::clicked, this,
            [this, counter, i]() { Option_Click(counter, i); });
    options->addWidget(option);
  }
  column->addWidget(debounce);
  return frame;
}

QGroupBox* BoardWindow::BuildLampsFrame() {
  auto* frame = Frame(QStringLiteral("fraBoard"), texts::BoardLampsFrame());
  auto* row = new QHBoxLayout(frame);
  for (int i = 0; i < 8; ++i) {
    auto* cell = new QVBoxLayout;
    lamps_[i] = new QLabel;
    lamps_[i]->setObjectName(QStringLiteral("lblBoardOut_%1").arg(i));
    lamps_[i]->setFixedSize(14, 14);
    auto* number = new QLabel(QString::number(i + 1));
    number->setAlignment(Qt::AlignCenter);
    cell->addWidget(lamps_[i], 0, Qt::AlignHCenter);
    cell->addWidget(number);
    row->addLayout(cell);
  }
  row->addSpacing(16);
  for (int k = 0; k < 2; ++k) {
    pwm_[k] = new QLabel;
    pwm_[k]->setObjectName(QStringLiteral("lblBoardPwm_%1").arg(k + 1));
    pwm_[k]->setMinimumWidth(pwm_[k]->fontMetrics().horizontalAdvance(texts::PwmValue(1, 255)) + 8);
    row->addWidget(pwm_[k]);
  }
  row->addStretch(1);
  return frame;
}

void BoardWindow::ShowBoardOutputs(const BoardOutputState& outputs) {
  for (int i = 0; i < 8; ++i) SetLamp(lamps_[i], (outputs.digital >> i) & 1);
  pwm_[0]->setText(texts::PwmValue(1, outputs.analog1));
  pwm_[1]->setText(texts::PwmValue(2, outputs.analog2));
}

void BoardWindow::ConnectCard() {
  const int sk5 = check1_[0]->isChecked() ? 1 : 0;
  const int sk6 = check1_[1]->isChecked() ? 1 : 0;
  cardAddress_ = 3 - (sk5 + 2 * sk6);
  const int h = board_.OpenDevice(cardAddress_);
  ShowCard(h);
  // Told at start and at each Connect; not at every try while a lost board is looked for.
  const QString problem = h == -1 ? board_.OpenProblem() : QString();
  if (!problem.isEmpty()) {
    session_.dialogs.MessageBox(problem, msg::kInformation, texts::BoardProblemTitle());
  }
}

void BoardWindow::ShowCard(int h) {
  const QString problem = h == -1 ? board_.OpenProblem() : QString();
  if (h == -1) {
    // A board that is there is not called absent: the tool tip says why it cannot be used.
    label1_->setText(problem.isEmpty() ? texts::CardNotFound(cardAddress_)
                                       : texts::CardNotOpened(cardAddress_));
  } else {
    label1_->setText(texts::CardConnected(h));
  }
  label1_->setToolTip(BoxText(problem));
  // Polling a board that is not there would show its inputs as all off.
  timer1_->SetEnabled(h >= 0);
  const bool had = connected_;
  connected_ = h >= 0;
  // A board not there is looked for again, so plugging it in works whenever it is done; only
  // one the program had is announced as gone.
  timReconnect_->SetEnabled(!connected_);
  SetLost(!connected_ && (had || lost_));
}

void BoardWindow::OnBoardLost() {
  connected_ = false;
  label1_->setText(texts::CardNotFound(cardAddress_));
  label1_->setToolTip(QString());
  timer1_->SetEnabled(false);
  timReconnect_->SetEnabled(true);
  SetLost(true);
}

void BoardWindow::SetLost(bool lost) {
  if (lost == lost_) return;
  lost_ = lost;
  emit lostChanged(lost);
}

void BoardWindow::Timer1_Timer() {
  const int digital = board_.ReadAllDigital();
  for (int i = 0; i < 5; ++i) check2_[i]->setChecked((digital >> i) & 1);
  emit digitalInputsRead(digital);
  int data1 = 0;
  int data2 = 0;
  board_.ReadAllAnalog(data1, data2);
  SetBar(3, data1);
  SetBar(4, data2);
  text_[0]->setText(QString::number(board_.ReadCounter(1)));
  text_[1]->setText(QString::number(board_.ReadCounter(2)));
}

bool BoardWindow::OutputsHeld() {
  const bool held = relay_ && relay_->HoldsOutputs();
  held_->setText(held ? texts::OutputsHeld() : QString());
  held_->setVisible(held);
  return held;
}

bool BoardWindow::WarnedOnce(bool& warned, const QString& text) {
  if (!relay_ || warned) return true;
  warned = session_.dialogs.MessageBox(text, msg::kOkCancel | msg::kQuestion,
                                       texts::RelayStackWarningTitle()) == msg::kOk;
  return warned;
}

void BoardWindow::Check3_Click(int index) {
  if (!busy_ && OutputsHeld()) {
    // The box goes back as it was; its click writes nothing.
    busy_ = true;
    check3_[index]->toggle();
    busy_ = false;
    return;
  }
  outputValue_ = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (check3_[bit]->isChecked()) outputValue_ += 1 << bit;
  }
  if (!busy_) board_.WriteAllDigital(outputValue_);
}

void BoardWindow::SetAllOutputBoxes(bool ticked) {
  busy_ = true;
  for (QCheckBox* box : check3_) box->setChecked(ticked);
  busy_ = false;
}

void BoardWindow::SetAllDig_Click() {
  if (OutputsHeld() || !WarnedOnce(warnedSetAll_, texts::SetAllDigitalWarning())) return;
  SetAllOutputBoxes(true);
  board_.SetAllDigital();
}

void BoardWindow::ClearAllDig_Click() {
  if (OutputsHeld()) return;
  SetAllOutputBoxes(false);
  board_.ClearAllDigital();
}

void BoardWindow::Check4_Click() {
  if (check4_->isChecked() && !WarnedOnce(warnedOutputTest_, texts::OutputTestWarning())) {
    const QSignalBlocker quiet(check4_);
    check4_->setChecked(false);
  }
  timer2_->SetEnabled(check4_->isChecked());
}

void BoardWindow::Timer2_Timer() {
  // The light waits while the relay stack fires.
  if (OutputsHeld()) return;
  board_.ClearDigitalChannel(position_ + 1);
  check3_[position_]->setChecked(false);
  position_ = (position_ + 1) % 8;
  board_.SetDigitalChannel(position_ + 1);
  check3_[position_]->setChecked(true);
}

void BoardWindow::VScroll_Scroll(int bar, int value) {
  vScrollLabel_[bar - 1]->setText(QString::number(value));
  board_.OutputAnalogChannel(bar, value);
}

void BoardWindow::SetBar(int bar, int value) {
  QScrollBar* scroll = vScroll_[bar - 1];
  const QSignalBlocker quiet(scroll);
  scroll->setValue(value);
  vScrollLabel_[bar - 1]->setText(QString::number(scroll->value()));
}

void BoardWindow::SetAllAnalog1_Click() {
  board_.SetAllAnalog();
  SetBar(1, 255);
  SetBar(2, 255);
}

void BoardWindow::ClearAllAnalog1_Click() {
  board_.ClearAllAnalog();
  SetBar(1, 0);
  SetBar(2, 0);
}

void BoardWindow::Option_Click(int counter, int index) {
  board_.SetCounterDebounceTime(counter, kDebounceMs[index]);
}

void BoardWindow::Reset_Click(int counter) {
  board_.ResetCounter(counter);
}

}  // namespace kv
