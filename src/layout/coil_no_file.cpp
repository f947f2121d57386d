#include "layout/coil_no_file.h"

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

std::optional<int> ReadCoilNo(const QString& path) {
  QByteArray bytes;
  if (!TouchFile(path) || !ReadWholeFile(path, &bytes)) return std::nullopt;
  RecordReader reader(bytes);
  qint32 number = 0;
  if (!reader.Next() || !reader.Long(&number)) return std::nullopt;
  return number;
}

bool WriteCoilNo(const QString& path, int next, QString* error) {
  return WriteFileAtomically(path, RecordWriter().Int(next).Line(), error);
}

}  // namespace kv
