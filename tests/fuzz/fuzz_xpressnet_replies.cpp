// The box's replies in any pieces at any times: the monitor shows every byte once, in order.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "base/scheduler.h"
#include "base/scripted_dialogs.h"
#include "base/session.h"
#include "hardware/dcc_link.h"
#include "hardware/hardware_monitor.h"
#include "hardware/no_board.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  kv::ScriptedDialogs dialogs;
  kv::VirtualScheduler scheduler;
  kv::Session session(kv::ProgramFolder(dir.path()), dialogs, scheduler);
  kv::DccLink link(session);
  kv::NoBoard board;
  kv::HardwareMonitor monitor(session, link, board);
  QByteArray shown;
  QObject::connect(&monitor, &kv::HardwareMonitor::entryAdded, [&]() {
    const kv::MonitorEntry& e = monitor.Entries().back();
    if (e.kind != kv::MonitorEntry::Kind::kFromBox || e.text.isEmpty() || e.bytes.isEmpty())
      std::abort();
    shown += e.bytes;
  });
  // Each piece: a byte giving its length (low nibble) and the ms of silence before it (high
  // nibble, in tens of ms), then its bytes.
  QByteArray sent;
  for (std::size_t i = 0; i < size;) {
    const std::size_t length = std::min<std::size_t>(data[i] & 0x0F, size - i - 1);
    scheduler.Advance((data[i] >> 4) * 10);
    const QByteArray piece(reinterpret_cast<const char*>(data + i + 1), qsizetype(length));
    emit link.bytesIn(piece);
    sent += piece;
    i += 1 + length;
  }
  if (!sent.startsWith(shown)) std::abort();
  if (monitor.Entries().size() > std::size_t(kv::HardwareMonitor::kKeptFrames)) std::abort();
  return 0;
}
