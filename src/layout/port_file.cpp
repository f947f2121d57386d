#include "layout/port_file.h"

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

std::uint8_t ReadPortFile(const ProgramFolder& folder) {
  const QString path = folder.ResolveForWrite(kPortFile);
  QByteArray bytes;
  if (path.isEmpty() || !TouchFile(path) || !ReadWholeFile(path, &bytes)) return 0;
  RecordReader reader(bytes);
  quint8 port = 0;
  if (!reader.Next() || !reader.Byte(&port)) return 0;
  return port;
}

bool WritePortFile(const ProgramFolder& folder, std::uint8_t port, QString* error) {
  const QString path = folder.ResolveForWrite(kPortFile, error);
  if (path.isEmpty()) return false;
  return WriteFileAtomically(path, RecordWriter().Int(port).Line(), error);
}

}  // namespace kv
