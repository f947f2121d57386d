// libFuzzer entry of the readers of the one-record settings files: the same bytes as
// version.txt, coord.txt, port.txt, portdevice.txt, wait.txt and coilno.txt must neither crash
// nor hang any of them, and a value read, written back, reads back the same.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "layout/coil_no_file.h"
#include "layout/port_file.h"
#include "layout/sundry_files.h"
#include "layout/wait_file.h"

namespace {

void Put(const kv::ProgramFolder& folder, const QString& stored, const QByteArray& bytes) {
  QFile file(folder.ResolveForWrite(stored));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    std::abort();
}

void Require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const kv::ProgramFolder folder(dir.path());
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  for (const QString& stored :
       {kv::kVersionFile, kv::kCoordFile, kv::kPortFile, kv::kPortDeviceFile, kv::kWaitFile}) {
    Put(folder, stored, bytes);
  }
  QString system;
  if (kv::ReadVersionFile(folder, &system) && kv::WriteVersionFile(folder, system)) {
    QString again;
    Require(kv::ReadVersionFile(folder, &again) && again == system);
  }
  std::array<std::int32_t, 4> position{};
  if (kv::ReadCoordFile(folder, &position) && kv::WriteCoordFile(folder, position)) {
    std::array<std::int32_t, 4> again{};
    Require(kv::ReadCoordFile(folder, &again) && again == position);
  }
  const std::uint8_t port = kv::ReadPortFile(folder);
  Require(kv::WritePortFile(folder, port) && kv::ReadPortFile(folder) == port);
  const QString device = kv::ReadPortDeviceFile(folder);
  if (kv::WritePortDeviceFile(folder, device)) Require(kv::ReadPortDeviceFile(folder) == device);
  for (const char* system : {"DC", "DCC"}) kv::ReadWaitFile(folder, QLatin1String(system));
  const QString coilNo = dir.filePath(QStringLiteral("coilno.txt"));
  QFile coil(coilNo);
  if (!coil.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  coil.write(bytes);
  coil.close();
  if (const auto next = kv::ReadCoilNo(coilNo); next && kv::WriteCoilNo(coilNo, *next)) {
    Require(kv::ReadCoilNo(coilNo) == next);
  }
  return 0;
}
