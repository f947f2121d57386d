#include "layout/wait_file.h"

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

namespace {
constexpr float kDccDefault = 1.0f;
constexpr float kRelayDefault = 1000.0f;
}  // namespace

float ValidDwell(float stored, const QString& controlSystem) {
  const bool dcc = controlSystem == QLatin1String("DCC");
  if (stored >= 0.02f && stored <= 2.0f) return dcc ? stored : kRelayDefault;
  if (stored >= 500.0f && stored <= 5000.0f) return dcc ? kDccDefault : stored;
  return dcc ? kDccDefault : kRelayDefault;
}

float ReadWaitFile(const ProgramFolder& folder, const QString& controlSystem) {
  QByteArray bytes;
  float stored = -1;  // outside both ranges: the default
  if (ReadWholeFile(folder.Resolve(kWaitFile), &bytes)) {
    RecordReader reader(bytes);
    float value = 0;
    if (reader.Next() && reader.Single(&value)) stored = value;
  }
  return ValidDwell(stored, controlSystem);
}

bool WriteWaitFile(const ProgramFolder& folder, float dwell, QString* error) {
  const QString path = folder.ResolveForWrite(kWaitFile, error);
  if (path.isEmpty()) return false;
  return WriteFileAtomically(path, RecordWriter().Single(dwell).Line(), error);
}

}  // namespace kv
