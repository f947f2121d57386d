#include "layout/wait_file.h"

#include "layout/sundry_files.h"

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
  float stored = -1;  // outside both ranges: the default
  RecordReader reader({});
  float value = 0;
  if (ReadSettingRecord(folder, kWaitFile, false, &reader) && reader.Single(&value)) stored = value;
  return ValidDwell(stored, controlSystem);
}

bool WriteWaitFile(const ProgramFolder& folder, float dwell, QString* error) {
  return WriteSettingRecord(folder, kWaitFile, RecordWriter().Single(dwell), error);
}

}  // namespace kv
