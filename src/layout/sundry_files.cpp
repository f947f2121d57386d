#include "layout/sundry_files.h"

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

bool ReadSettingRecord(const ProgramFolder& folder, const QString& stored, bool createWhenMissing,
                       RecordReader* reader) {
  const QString path = createWhenMissing ? folder.ResolveForWrite(stored) : folder.Resolve(stored);
  if (path.isEmpty() || (createWhenMissing && !TouchFile(path))) return false;
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes)) return false;
  *reader = RecordReader(bytes);
  return reader->Next();
}

bool WriteSettingRecord(const ProgramFolder& folder, const QString& stored,
                        const RecordWriter& record, QString* error) {
  if (!record.Ok()) {
    if (error) *error = record.Error();
    return false;
  }
  const QString path = folder.ResolveForWrite(stored, error);
  if (path.isEmpty()) return false;
  return WriteFileAtomically(path, record.Line(), error);
}

bool ReadVersionFile(const ProgramFolder& folder, QString* controlSystem) {
  RecordReader reader({});
  QString value;
  if (!ReadSettingRecord(folder, kVersionFile, false, &reader) || !reader.Str(&value)) return false;
  *controlSystem = value;
  return true;
}

bool WriteVersionFile(const ProgramFolder& folder, const QString& controlSystem, QString* error) {
  return WriteSettingRecord(folder, kVersionFile, RecordWriter().Str(controlSystem), error);
}

bool ReadCoordFile(const ProgramFolder& folder, std::array<std::int32_t, 4>* position) {
  RecordReader reader({});
  if (!ReadSettingRecord(folder, kCoordFile, true, &reader)) return false;
  // Read as Long: twips on a wide desktop of several screens pass the Integer range.
  qint32 x = 0;
  qint32 y = 0;
  if (!reader.Long(&x) || !reader.Long(&y)) return false;
  (*position)[0] = x;
  (*position)[1] = y;
  return true;
}

bool WriteCoordFile(const ProgramFolder& folder, const std::array<std::int32_t, 4>& position,
                    QString* error) {
  return WriteSettingRecord(folder, kCoordFile, RecordWriter().Int(position[0]).Int(position[1]), error);
}

}  // namespace kv
