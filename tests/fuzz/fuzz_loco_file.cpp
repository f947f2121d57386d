// The readers of loco.txt, function.txt, path.txt (KV_FUZZ_FILE): what reads, read back the same.
#include <QTemporaryDir>
#include <cstdlib>

#include "layout/atomic_file.h"
#include "layout/loco_files.h"
#include "layout/path_file.h"

namespace {

template <typename Record, typename Outcome>
void Check(const QByteArray& bytes, Outcome (*read)(const QString&, QList<Record>*),
           bool (*write)(const QString&, const QList<Record>&, QString*)) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral(KV_FUZZ_FILE));
  QList<Record> records, again;
  if (!kv::WriteFileAtomically(path, bytes)) std::abort();
  if (read(path, &records).stopped || !write(path, records, nullptr)) return;
  if (read(path, &again).stopped || again != records) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const QLatin1String file(KV_FUZZ_FILE);
  if (file == QLatin1String("loco.txt")) Check(bytes, kv::ReadLocoFile, kv::WriteLocoFile);
  if (file == QLatin1String("path.txt")) Check(bytes, kv::ReadPathFile, kv::WritePathFile);
  if (file == QLatin1String("function.txt")) {
    Check(bytes, kv::ReadFunctionFile, kv::WriteFunctionFile);
  }
  return 0;
}
