#pragma once

#include <QObject>
#include <array>
#include <cstdint>

class QBoxLayout;
class QLabel;

namespace kv {

class AccessoryGroup;
class DcKnobBox;
class DwellGroup;
class ImageButton;
class LocoWindowCalls;
class MainWindow;
class NumberDisplay;
class PointsFiring;
class SendNumberGroup;
class SignalCreation;
class SignalOperation;
class ToolbarFrame;

// The parts of the main window that the operating controls fill or join.
struct OperationHost {
  QBoxLayout* strip = nullptr;         // the tool strip's row
  ToolbarFrame* fraSendNo = nullptr;   // relay-stack number (shown on "DC", "DCC + DC")
  ToolbarFrame* fraLenzNo = nullptr;   // DCC accessory number (shown on "DCC")
  ToolbarFrame* fraModem0 = nullptr;   // holds imgBtnTog(0)
  QWidget* panelHost = nullptr;        // what the panel lies in
  std::array<ImageButton*, 3> imgBtnTog{};  // elements 0 to 2
};

// Operating the layout from the main window: points label clicks, firing by number, the DCC
// accessory by hand, the dwell setting, the number display, the DC knobs and the mode switch
// (the picture array imgBtnTog), signals. Built once the window has its board and DCC link.
class OperationControls : public QObject {
  Q_OBJECT

 public:
  OperationControls(MainWindow& window, const OperationHost& host);
  ~OperationControls() override;

  PointsFiring& firing() { return *firing_; }
  SignalOperation& signalOperation() { return *signals_; }
  SignalCreation& signalCreation() { return *signalCreation_; }
  AccessoryGroup& accessory() { return *accessory_; }
  DwellGroup& dwell() { return *dwell_; }
  NumberDisplay& numbers() { return *numbers_; }
  DcKnobBox& dcBox() { return *dcBox_; }
  QLabel* lblToggle() const { return lblToggle_; }

  // The load chain's last steps.
  void ReadWaitFile();
  void WriteWaitFile();
  // fraLenzNo on "DCC", fraSendNo on the others.
  void ShowDccNumberFrame(bool dcc);
  // The firing, dwell and modem groups and the DC box make room for editing in Modify mode.
  void ShowModeGroups();
  // The DC box comes up where the board is loaded (outside Modify mode).
  void ShowDcBox();
  // coord.txt is being read: the knobs' direction texts start again at " Fwd".
  void ResetKnobTexts();

  void imgBtnTog_MouseDown(int index);
  void Label_MouseDown(int index, Qt::MouseButton button);

 private:
  ImageButton* imgBtnTog(int index) const;
  // On "DC" the first picture shows and hides the DC box (outside Modify mode).
  void ToggleDcBox(std::uint8_t modeInForce);
  void ApplyModeGroups(bool operating);
  // Signals are worked by click outside Modify mode and created by imgBtnSig in it.
  void ConnectSignals();

  MainWindow& window_;
  OperationHost host_;
  PointsFiring* firing_ = nullptr;
  SignalOperation* signals_ = nullptr;
  SignalCreation* signalCreation_ = nullptr;
  SendNumberGroup* sendNumber_ = nullptr;
  AccessoryGroup* accessory_ = nullptr;
  DwellGroup* dwell_ = nullptr;
  NumberDisplay* numbers_ = nullptr;
  DcKnobBox* dcBox_ = nullptr;
  QLabel* lblToggle_ = nullptr;
  LocoWindowCalls* locoCalls_ = nullptr;
  bool dccFrame_ = false;
  bool dcBoxWanted_ = false;  // shown outside Modify mode
};

}  // namespace kv
