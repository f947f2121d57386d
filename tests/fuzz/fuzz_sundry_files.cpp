// The one-record settings files, all given the same bytes: a value read reads back the same.
#include <QTemporaryDir>
#include <cstdlib>

#include "layout/atomic_file.h"
#include "layout/coil_no_file.h"
#include "layout/port_file.h"
#include "layout/sundry_files.h"
#include "layout/wait_file.h"

namespace {
void Require(bool holds) {
  if (!holds) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const kv::ProgramFolder folder(dir.path());
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QString coilNo = dir.filePath(QStringLiteral("coilno.txt"));
  for (const QString& stored :
       {kv::kVersionFile, kv::kCoordFile, kv::kPortFile, kv::kPortDeviceFile, kv::kWaitFile}) {
    Require(kv::WriteFileAtomically(folder.ResolveForWrite(stored), bytes));
  }
  Require(kv::WriteFileAtomically(coilNo, bytes));
  QString system, again;
  if (kv::ReadVersionFile(folder, &system) && kv::WriteVersionFile(folder, system)) {
    Require(kv::ReadVersionFile(folder, &again) && again == system);
  }
  std::array<std::int32_t, 4> position{}, back{};
  if (kv::ReadCoordFile(folder, &position) && kv::WriteCoordFile(folder, position)) {
    Require(kv::ReadCoordFile(folder, &back) && back == position);
  }
  const std::uint8_t port = kv::ReadPortFile(folder);
  Require(kv::WritePortFile(folder, port) && kv::ReadPortFile(folder) == port);
  const QString device = kv::ReadPortDeviceFile(folder);
  if (kv::WritePortDeviceFile(folder, device)) Require(kv::ReadPortDeviceFile(folder) == device);
  for (const char* system : {"DC", "DCC"}) kv::ReadWaitFile(folder, QLatin1String(system));
  if (const auto next = kv::ReadCoilNo(coilNo); next && kv::WriteCoilNo(coilNo, *next)) {
    Require(kv::ReadCoilNo(coilNo) == next);
  }
  return 0;
}
