#pragma once

#include <QObject>

#include "hardware/board_protocol.h"

namespace kv {

// The USB board's library: the calls the program makes, with their argument ranges. Channels,
// counters and values outside their range are refused: the call does nothing. With no board
// open every call does nothing, silently, and reads answer 0; hardware errors are never
// reported to the caller.
class BoardLibrary : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  ~BoardLibrary() override = default;

  // Card address 0..3. The address when the board answers, -1 when no such board is found.
  virtual int OpenDevice(int cardAddress) = 0;
  // After OpenDevice answered -1 although a board is there: why it could not be opened.
  virtual QString OpenProblem() const { return {}; }
  virtual void CloseDevice() = 0;

  // Analogue inputs, channel 1 or 2, 0..255.
  virtual int ReadAnalogChannel(int channel) = 0;
  virtual void ReadAllAnalog(int& data1, int& data2) = 0;

  // Analogue (PWM) outputs, channel 1 or 2, value 0..255.
  virtual void OutputAnalogChannel(int channel, int value) = 0;
  virtual void OutputAllAnalog(int data1, int data2) = 0;
  virtual void ClearAnalogChannel(int channel) = 0;
  virtual void ClearAllAnalog() = 0;
  virtual void SetAnalogChannel(int channel) = 0;
  virtual void SetAllAnalog() = 0;

  // Digital outputs: value 0..255, bit 0 = output 1 ... bit 7 = output 8; channels 1..8.
  virtual void WriteAllDigital(int value) = 0;
  virtual void ClearDigitalChannel(int channel) = 0;
  virtual void ClearAllDigital() = 0;
  virtual void SetDigitalChannel(int channel) = 0;
  virtual void SetAllDigital() = 0;

  // Digital inputs: channel 1..5; all of them as bit 0 = input 1 ... bit 4 = input 5.
  virtual bool ReadDigitalChannel(int channel) = 0;
  virtual int ReadAllDigital() = 0;

  // Counters 1 and 2 (they count pulses on inputs 1 and 2); debounce time in ms.
  virtual int ReadCounter(int counter) = 0;
  virtual void ResetCounter(int counter) = 0;
  virtual void SetCounterDebounceTime(int counter, int ms) = 0;

  // What the board's outputs hold now, as this library last set them (all 0 with no board).
  virtual BoardOutputState Outputs() const = 0;

 signals:
  // The outputs changed: the board's output lamps would show it.
  void outputsChanged(const kv::BoardOutputState& outputs);
  // With no board open: the outputs as the calls made since would have set them.
  void outputsNotSent(const kv::BoardOutputState& outputs);
  // A board was opened: it starts with every output off, whatever was shown before.
  void boardOpened();
  // The open board went away (unplugged, or it failed): every call does nothing until it is
  // opened again.
  void boardLost();
};

}  // namespace kv
