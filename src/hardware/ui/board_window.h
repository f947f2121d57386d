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
class Session;

// Form2, the board test panel. It owns the board connection of the whole program: building it
// opens the board (ConnectCard) and destroying it closes the board. It shows the inputs and
// counters while Timer1 polls them, lets the user set every output by hand, and shows what the
// board's outputs hold whoever set them (the relay stack included).
class BoardWindow : public QWidget {
  Q_OBJECT

 public:
  // Form_Initialize: the busy flag clear, the running light at 7, then ConnectCard.
  BoardWindow(Session& session, BoardLibrary& board, QWidget* parent = nullptr);
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

 signals:
  // Each poll of Timer1: the digital inputs, bit 0 = input 1 ... bit 4 = input 5.
  void digitalInputsRead(int bits);

 private:
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
  std::unique_ptr<IntervalTimer> timer1_;
  std::unique_ptr<IntervalTimer> timer2_;
  bool busy_ = false;
  int outputValue_ = 0;
  int position_ = 7;  // the running light's output, 0..7
  int cardAddress_ = 0;

  std::array<QCheckBox*, 2> check1_{};
  QLabel* label1_ = nullptr;
  std::array<QCheckBox*, 5> check2_{};
  std::array<QCheckBox*, 8> check3_{};
  QCheckBox* check4_ = nullptr;
  std::array<QScrollBar*, 4> vScroll_{};
  std::array<QLabel*, 4> vScrollLabel_{};
  std::array<QLineEdit*, 2> text_{};
  std::array<QLabel*, 8> lamps_{};
  std::array<QLabel*, 2> pwm_{};
};

}  // namespace kv
