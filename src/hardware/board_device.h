#pragma once

#include <QList>
#include <QString>

#include "hardware/board_library.h"

namespace kv {

// The library's calls over a board that keeps its output state: every call checks its
// arguments, changes one field of the state and sends the whole state, as the board wants it.
// What a board is (a real USB device, a recording, nothing) is left to the hooks below.
class BoardDevice : public BoardLibrary {
  Q_OBJECT

 public:
  using BoardLibrary::BoardLibrary;

  int OpenDevice(int cardAddress) override;
  void CloseDevice() override;
  int ReadAnalogChannel(int channel) override;
  void ReadAllAnalog(int& data1, int& data2) override;
  void OutputAnalogChannel(int channel, int value) override;
  void OutputAllAnalog(int data1, int data2) override;
  void ClearAnalogChannel(int channel) override;
  void ClearAllAnalog() override;
  void SetAnalogChannel(int channel) override;
  void SetAllAnalog() override;
  void WriteAllDigital(int value) override;
  void ClearDigitalChannel(int channel) override;
  void ClearAllDigital() override;
  void SetDigitalChannel(int channel) override;
  void SetAllDigital() override;
  bool ReadDigitalChannel(int channel) override;
  int ReadAllDigital() override;
  int ReadCounter(int counter) override;
  void ResetCounter(int counter) override;
  void SetCounterDebounceTime(int counter, int ms) override;
  BoardOutputState Outputs() const override { return state_; }

  bool IsOpen() const { return open_; }

 protected:
  // Opens the board at this address (0..3); false when there is none.
  virtual bool Connect(int cardAddress) = 0;
  virtual void Disconnect() = 0;
  // Sends one packet to the open board.
  virtual void Send(const BoardPacket& packet) = 0;
  // The newest inputs the open board reported.
  virtual BoardInputs LatestInputs() const = 0;
  // Every call as it was made: its arguments and what it answered (none for most).
  virtual void Called(const QString& name, const QList<int>& args, const QList<int>& results) {
    Q_UNUSED(name) Q_UNUSED(args) Q_UNUSED(results)
  }
  // The board went away: from now on every call does nothing, as with no board. Its outputs
  // are off (a board without power holds none) and boardLost tells whoever shows it.
  void Lost();

 private:
  // Sends `next` as the new output state when the board is open; else keeps it as unsent.
  void SendOutputs(const BoardOutputState& next);
  // What the outputs hold, or with no board open what they would hold.
  const BoardOutputState& Current() const { return open_ ? state_ : unsent_; }
  void SetAnalog(int channel, int value);
  void SetAnalogs(int data1, int data2);
  void SetDigital(int value);
  void SetDigitalBit(int channel, bool on);

  bool open_ = false;
  BoardOutputState state_;
  BoardOutputState unsent_;
};

}  // namespace kv
