#include "layout/port_file.h"

#include "layout/sundry_files.h"

namespace kv {

std::uint8_t ReadPortFile(const ProgramFolder& folder) {
  RecordReader reader({});
  quint8 port = 0;
  if (!ReadSettingRecord(folder, kPortFile, true, &reader) || !reader.Byte(&port)) return 0;
  return port;
}

QString ReadPortDeviceFile(const ProgramFolder& folder) {
  RecordReader reader({});
  QString device;
  if (!ReadSettingRecord(folder, kPortDeviceFile, false, &reader) || !reader.Str(&device))
    return {};
  return device;
}

bool WritePortDeviceFile(const ProgramFolder& folder, const QString& device, QString* error) {
  return WriteSettingRecord(folder, kPortDeviceFile, RecordWriter().Str(device), error);
}

bool WritePortFile(const ProgramFolder& folder, std::uint8_t port, QString* error) {
  return WriteSettingRecord(folder, kPortFile, RecordWriter().Int(port), error);
}

}  // namespace kv
