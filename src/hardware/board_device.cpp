#include "hardware/board_device.h"

namespace kv {

namespace {
bool InRange(int value, int low, int high) {
  return value >= low && value <= high;
}
constexpr int kFull = 255;
}  // namespace

int BoardDevice::OpenDevice(int cardAddress) {
  if (open_) Disconnect();
  open_ = false;
  int answer = -1;
  if (InRange(cardAddress, 0, board::kMaxCardAddress) && Connect(cardAddress)) {
    open_ = true;
    answer = cardAddress;
    unsent_ = {};
    // A fresh board starts from nothing: the reset packet is all zeros.
    const BoardOutputState before = state_;
    state_ = {};
    Send(EncodePacket(board::kReset, state_));
    if (!(before == state_)) emit outputsChanged(state_);
  }
  Called(QStringLiteral("OpenDevice"), {cardAddress}, {answer});
  if (answer >= 0) emit boardOpened();
  return answer;
}

void BoardDevice::CloseDevice() {
  if (open_) Disconnect();
  open_ = false;
  Called(QStringLiteral("CloseDevice"), {}, {});
}

void BoardDevice::Lost() {
  if (!open_) return;
  Disconnect();
  open_ = false;
  const bool changed = !(state_ == BoardOutputState{});
  state_ = {};
  if (changed) emit outputsChanged(state_);
  emit boardLost();
}

void BoardDevice::SendOutputs(const BoardOutputState& next) {
  if (!open_) {
    if (next == unsent_) return;
    unsent_ = next;
    emit outputsNotSent(unsent_);
    return;
  }
  const bool changed = !(next == state_);
  state_ = next;
  Send(EncodePacket(board::kSetOutputs, state_));
  if (changed) emit outputsChanged(state_);
}

void BoardDevice::SetAnalog(int channel, int value) {
  BoardOutputState next = Current();
  (channel == 1 ? next.analog1 : next.analog2) = static_cast<std::uint8_t>(value);
  SendOutputs(next);
}

void BoardDevice::SetAnalogs(int data1, int data2) {
  BoardOutputState next = Current();
  next.analog1 = static_cast<std::uint8_t>(data1);
  next.analog2 = static_cast<std::uint8_t>(data2);
  SendOutputs(next);
}

void BoardDevice::SetDigital(int value) {
  BoardOutputState next = Current();
  next.digital = static_cast<std::uint8_t>(value);
  SendOutputs(next);
}

void BoardDevice::SetDigitalBit(int channel, bool on) {
  const int bit = 1 << (channel - 1);
  SetDigital(on ? (Current().digital | bit) : (Current().digital & ~bit));
}

int BoardDevice::ReadAnalogChannel(int channel) {
  int value = 0;
  if (open_ && InRange(channel, 1, 2)) {
    const BoardInputs in = LatestInputs();
    value = channel == 1 ? in.analog1 : in.analog2;
  }
  Called(QStringLiteral("ReadAnalogChannel"), {channel}, {value});
  return value;
}

void BoardDevice::ReadAllAnalog(int& data1, int& data2) {
  if (open_) {
    const BoardInputs in = LatestInputs();
    data1 = in.analog1;
    data2 = in.analog2;
  }
  Called(QStringLiteral("ReadAllAnalog"), {}, {data1, data2});
}

void BoardDevice::OutputAnalogChannel(int channel, int value) {
  if (InRange(channel, 1, 2) && InRange(value, 0, kFull)) SetAnalog(channel, value);
  Called(QStringLiteral("OutputAnalogChannel"), {channel, value}, {});
}

void BoardDevice::OutputAllAnalog(int data1, int data2) {
  if (InRange(data1, 0, kFull) && InRange(data2, 0, kFull)) SetAnalogs(data1, data2);
  Called(QStringLiteral("OutputAllAnalog"), {data1, data2}, {});
}

void BoardDevice::ClearAnalogChannel(int channel) {
  if (InRange(channel, 1, 2)) SetAnalog(channel, 0);
  Called(QStringLiteral("ClearAnalogChannel"), {channel}, {});
}

void BoardDevice::ClearAllAnalog() {
  SetAnalogs(0, 0);
  Called(QStringLiteral("ClearAllAnalog"), {}, {});
}

void BoardDevice::SetAnalogChannel(int channel) {
  if (InRange(channel, 1, 2)) SetAnalog(channel, kFull);
  Called(QStringLiteral("SetAnalogChannel"), {channel}, {});
}

void BoardDevice::SetAllAnalog() {
  SetAnalogs(kFull, kFull);
  Called(QStringLiteral("SetAllAnalog"), {}, {});
}

void BoardDevice::WriteAllDigital(int value) {
  // A value that does not fit eight outputs is refused rather than cut to a byte: cut, it
  // would select some other solenoid.
  if (InRange(value, 0, kFull)) SetDigital(value);
  Called(QStringLiteral("WriteAllDigital"), {value}, {});
}

void BoardDevice::ClearDigitalChannel(int channel) {
  if (InRange(channel, 1, 8)) SetDigitalBit(channel, false);
  Called(QStringLiteral("ClearDigitalChannel"), {channel}, {});
}

void BoardDevice::ClearAllDigital() {
  SetDigital(0);
  Called(QStringLiteral("ClearAllDigital"), {}, {});
}

void BoardDevice::SetDigitalChannel(int channel) {
  if (InRange(channel, 1, 8)) SetDigitalBit(channel, true);
  Called(QStringLiteral("SetDigitalChannel"), {channel}, {});
}

void BoardDevice::SetAllDigital() {
  SetDigital(kFull);
  Called(QStringLiteral("SetAllDigital"), {}, {});
}

bool BoardDevice::ReadDigitalChannel(int channel) {
  bool on = false;
  if (open_ && InRange(channel, 1, 5)) on = (LatestInputs().digital >> (channel - 1)) & 1;
  Called(QStringLiteral("ReadDigitalChannel"), {channel}, {on ? 1 : 0});
  return on;
}

int BoardDevice::ReadAllDigital() {
  const int value = open_ ? LatestInputs().digital : 0;
  Called(QStringLiteral("ReadAllDigital"), {}, {value});
  return value;
}

int BoardDevice::ReadCounter(int counter) {
  int count = 0;
  if (open_ && InRange(counter, 1, 2)) {
    const BoardInputs in = LatestInputs();
    count = counter == 1 ? in.counter1 : in.counter2;
  }
  Called(QStringLiteral("ReadCounter"), {counter}, {count});
  return count;
}

void BoardDevice::ResetCounter(int counter) {
  if (open_ && InRange(counter, 1, 2)) {
    Send(EncodePacket(counter == 1 ? board::kResetCounter1 : board::kResetCounter2, state_));
  }
  Called(QStringLiteral("ResetCounter"), {counter}, {});
}

void BoardDevice::SetCounterDebounceTime(int counter, int ms) {
  if (open_ && InRange(counter, 1, 2)) {
    const std::uint8_t value = DebounceByte(ms);
    if (counter == 1) {
      state_.debounce1 = value;
      Send(EncodePacket(board::kSetDebounce1, state_));
    } else {
      state_.debounce2 = value;
      Send(EncodePacket(board::kSetDebounce2, state_));
    }
  }
  Called(QStringLiteral("SetCounterDebounceTime"), {counter, ms}, {});
}

}  // namespace kv
