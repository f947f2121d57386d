// libFuzzer entry of the readers of loco.txt, function.txt and path.txt (KV_FUZZ_FILE names
// the file):
// any bytes must neither crash nor hang them, and what was read, written back, must read back
// the same.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "layout/loco_files.h"
#include "layout/path_file.h"

namespace {

bool Same(const kv::LocoRecord& a, const kv::LocoRecord& b) {
  return a == b;
}
bool Same(const kv::PathRecord& a, const kv::PathRecord& b) {
  return a == b;
}
bool Same(const kv::FunctionRecord& a, const kv::FunctionRecord& b) {
  return a.caption == b.caption && a.latching == b.latching;
}

template <typename Record, typename Read, typename Write>
void Check(const QString& path, const QByteArray& bytes, Read read, Write write) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    std::abort();
  file.close();
  QList<Record> records;
  if (read(path, &records).stopped || !write(path, records, nullptr)) return;
  QList<Record> again;
  const auto same = [](const Record& a, const Record& b) { return Same(a, b); };
  if (read(path, &again).stopped ||
      !std::equal(again.begin(), again.end(), records.begin(), records.end(), same)) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QString path = dir.filePath(QStringLiteral(KV_FUZZ_FILE));
  if (QLatin1String(KV_FUZZ_FILE) == QLatin1String("loco.txt")) {
    Check<kv::LocoRecord>(path, bytes, kv::ReadLocoFile, kv::WriteLocoFile);
  } else if (QLatin1String(KV_FUZZ_FILE) == QLatin1String("path.txt")) {
    Check<kv::PathRecord>(path, bytes, kv::ReadPathFile, kv::WritePathFile);
  } else {
    Check<kv::FunctionRecord>(path, bytes, kv::ReadFunctionFile, kv::WriteFunctionFile);
  }
  return 0;
}
