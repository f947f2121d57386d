#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "base/scheduler.h"
#include "hardware/board_protocol.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kv {

class BoardLibrary;
class RelayStack;
class Session;

// Form2, the board test panel. It owns the board connection of the whole program: building it
// opens the board (ConnectCard) and destroying it closes the board. It shows the inputs and
// counters while Timer1 polls them, lets the user set every output by hand, and shows what the
// board's outputs hold whoever set them (the relay stack included).
//
// A board it had that goes away is announced (Label1, lostChanged). While no board is open it
// is looked for every few seconds, so plugging it in, back or for the first time, connects it
// without a restart. With the relay stack on the digital outputs,
// the panel leaves them alone while the stack fires, saying why, and Set All Digital and the
// output test first warn, once, that they fire solenoids.
class BoardWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kReconnectMs = 3000;

  // Form_Initialize: the busy flag clear, the running light at 7, then ConnectCard.
  BoardWindow(Session& session, BoardLibrary& board, QWidget* parent = nullptr,
              RelayStack* relay = nullptr);
  // Form_Terminate: CloseDevice.
  ~BoardWindow() override;

  // CardAddress from the jumper boxes, OpenDevice, the outcome in Label1; polling on success.
  void ConnectCard();
  int CardAddress() const { return cardAddress_; }

  void Connect_Click() { ConnectCard(); }
  void Timer1_Timer();
  void Check3_Click(int index);
  void SetAllDig_Click();
  void ClearAllDig_Click();
  void Check4_Click();
  void Timer2_Timer();
  void VScroll_Scroll(int bar, int value);  // bar 1 or 2
  void SetAllAnalog1_Click();
  void ClearAllAnalog1_Click();
  void Option_Click(int counter, int index);
  void Reset_Click(int counter);

  IntervalTimer& Timer1() { return *timer1_; }
  IntervalTimer& Timer2() { return *timer2_; }
  // The board it had is gone (lost, or closed by a connect that failed).
  bool Lost() const { return lost_; }

 signals:
  void lostChanged(bool lost);

 signals:
  // Each poll of Timer1: the digital inputs, bit 0 = input 1 ... bit 4 = input 5.
  void digitalInputsRead(int bits);

 private:
  // The outcome of OpenDevice in Label1; polling while connected, looking again while lost.
  void ShowCard(int h);
  void OnBoardLost();
  void SetLost(bool lost);
  // The relay stack fires (or holds a route's pattern): the reason shows, and true.
  bool OutputsHeld();
  // Warns once that `text`'s action fires solenoids; false when the user cancels.
  bool WarnedOnce(bool& warned, const QString& text);
  QGroupBox* BuildCardFrame();
  QGroupBox* BuildInputsFrame();
  QGroupBox* BuildOutputsFrame();
  QGroupBox* BuildAnalogFrame(bool outputs);
  QGroupBox* BuildCounterFrame(int counter);
  QGroupBox* BuildLampsFrame();
  QPushButton* AddButton(const QString& name, const QString& caption);
  void SetBar(int bar, int value);  // without running the bar's handler
  void SetAllOutputBoxes(bool ticked);
  void ShowBoardOutputs(const BoardOutputState& outputs);

  Session& session_;
  BoardLibrary& board_;
  RelayStack* relay_;
  std::unique_ptr<IntervalTimer> timer1_;
  std::unique_ptr<IntervalTimer> timer2_;
  std::unique_ptr<IntervalTimer> timReconnect_;
  bool connected_ = false;
  bool lost_ = false;
  bool warnedSetAll_ = false;
  bool warnedOutputTest_ = false;
  bool busy_ = false;
  int outputValue_ = 0;
  int position_ = 7;  // the running light's output, 0..7
  int cardAddress_ = 0;

  std::array<QCheckBox*, 2> check1_{};
  QLabel* label1_ = nullptr;
  std::array<QCheckBox*, 5> check2_{};
  std::array<QCheckBox*, 8> check3_{};
  QCheckBox* check4_ = nullptr;
  QLabel* held_ = nullptr;
  std::array<QScrollBar*, 4> vScroll_{};
  std::array<QLabel*, 4> vScrollLabel_{};
  std::array<QLineEdit*, 2> text_{};
  std::array<QLabel*, 8> lamps_{};
  std::array<QLabel*, 2> pwm_{};
};

}  // namespace kv
