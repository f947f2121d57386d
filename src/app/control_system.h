#pragma once

namespace kv {

class Session;

// The steps that connecting the hardware runs; the main window carries them out.
class ConnectionSteps {
 public:
  virtual ~ConnectionSteps() = default;
  virtual void SetPointSideLeft() = 0;           // PointSide = "L"
  virtual void ShowDccNumberFrame(bool dcc) = 0;  // fraLenzNo (true) or fraSendNo (false)
  virtual void BringModemFrameToFront() = 0;      // fraModem(1)
  virtual void LoadLocoList() = 0;
  virtual void LoadFunctionNames() = 0;
  virtual void ReadPortFile() = 0;
  virtual void OpenDccBox() = 0;
  virtual void LoadBoardWindow() = 0;  // Form2, which opens the USB board
  virtual void ReadCoordFile() = 0;
};

// Connects the hardware that ControlSystem needs for a layout with or without DCC points.
// A layout and system that do not suit each other, or no system at all, ask for the system
// again (messages 20 and 16) and try once more; every pass ends by reading coord.txt. Returns
// at once when the program was ended in the choice.
void ConnectControlSystem(Session& session, ConnectionSteps& steps);

}  // namespace kv
