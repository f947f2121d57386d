#include "hardware/usb_board.h"

#include <QMutexLocker>

namespace kv {

UsbBoardIo::UsbBoardIo(BoardTransport& transport, int readSliceMs, QObject* parent)
    : QThread(parent), transport_(transport), readSliceMs_(readSliceMs) {}

UsbBoardIo::~UsbBoardIo() {
  Stop();
}

void UsbBoardIo::Queue(const QByteArray& report) {
  QMutexLocker lock(&mutex_);
  queue_.append(report);
}

void UsbBoardIo::Stop() {
  stop_ = true;
  wait();
}

bool UsbBoardIo::WriteQueued() {
  QList<QByteArray> reports;
  {
    QMutexLocker lock(&mutex_);
    reports.swap(queue_);
  }
  for (const QByteArray& report : reports) {
    if (!transport_.Write(report)) return false;
  }
  return true;
}

void UsbBoardIo::run() {
  BoardInputs last;
  bool reported = false;
  while (true) {
    // Looked at before writing, so that what was queued before Stop is still written.
    const bool stopping = stop_;
    if (!WriteQueued()) {
      emit failed();
      return;
    }
    if (stopping) return;
    BoardPacket packet{};
    const int n = transport_.Read(packet.data(), board::kPacketSize, readSliceMs_);
    if (n < 0) {
      emit failed();
      return;
    }
    if (n != board::kPacketSize) continue;
    const BoardInputs inputs = DecodeInputs(packet);
    if (reported && inputs == last) continue;
    last = inputs;
    reported = true;
    emit inputsRead(inputs);
  }
}

UsbBoard::UsbBoard(TransportFactory makeTransport, QObject* parent)
    : BoardDevice(parent), makeTransport_(std::move(makeTransport)) {
  qRegisterMetaType<kv::BoardInputs>();
}

UsbBoard::~UsbBoard() {
  if (IsOpen()) Disconnect();
}

int UsbBoard::OpenDevice(int cardAddress) {
  problem_.clear();
  return BoardDevice::OpenDevice(cardAddress);
}

bool UsbBoard::Connect(int cardAddress) {
  transport_ = makeTransport_ ? makeTransport_() : nullptr;
  if (!transport_ || !transport_->Open(board::kVendorId, board::kProductIdBase + cardAddress)) {
    if (transport_) problem_ = transport_->OpenProblem();
    transport_.reset();
    return false;
  }
  inputs_ = {};
  const int generation = ++generation_;
  io_ = std::make_unique<UsbBoardIo>(*transport_, kReadSliceMs);
  connect(io_.get(), &UsbBoardIo::inputsRead, this, [this, generation](const BoardInputs& in) {
    if (generation == generation_) inputs_ = in;
  });
  connect(io_.get(), &UsbBoardIo::failed, this, [this, generation]() {
    if (generation == generation_) Lost();
  });
  io_->start();
  return true;
}

void UsbBoard::Disconnect() {
  ++generation_;
  if (io_) io_->Stop();
  io_.reset();
  if (transport_) transport_->Close();
  transport_.reset();
}

void UsbBoard::Send(const BoardPacket& packet) {
  if (io_) io_->Queue(ReportForWrite(packet));
}

}  // namespace kv
