#include "layout/loco_files.h"

#include <QFileInfo>

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv {

bool IsChip(const QString& chip) {
  if (chip.size() != 4) return false;
  for (QChar c : chip) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  return chip != QLatin1String("0000");
}

namespace {

LocoFileOutcome Stop(const RecordReader& reader, const QString& reason) {
  LocoFileOutcome outcome;
  outcome.stopped = true;
  outcome.line = reader.LineNumber();
  outcome.reason = reason;
  return outcome;
}

// Reads the records of `path` with `take` until the file ends, `take` fails or `most` are in.
template <typename Take>
LocoFileOutcome ReadRecords(const QString& path, int most, Take take) {
  QByteArray bytes;
  if (!ReadWholeFile(path, &bytes)) {
    LocoFileOutcome outcome;
    if (QFileInfo::exists(path)) {
      outcome.stopped = true;
      outcome.reason = QStringLiteral("the file cannot be opened");
    }
    return outcome;
  }
  RecordReader reader(bytes);
  int read = 0;
  LocoFileOutcome outcome;
  while (reader.Next()) {
    if (read == most) {
      ++outcome.notTaken;
      continue;
    }
    QString reason;
    if (!take(reader, &reason)) return Stop(reader, reason);
    ++read;
  }
  return outcome;
}

bool WriteRecords(const QString& path, const QList<RecordWriter>& records, QString* error) {
  QByteArray bytes;
  for (const RecordWriter& record : records) {
    if (!record.Ok()) {
      if (error) *error = record.Error();
      return false;
    }
    bytes += record.Line();
  }
  return WriteFileAtomically(path, bytes, error);
}

}  // namespace

LocoFileOutcome ReadLocoFile(const QString& path, QList<LocoRecord>* locos) {
  locos->clear();
  TouchFile(path);
  return ReadRecords(path, kMaxLocos, [locos](RecordReader& reader, QString* reason) {
    LocoRecord loco;
    if (!reader.Str(&loco.chip) || !reader.Str(&loco.number)) {
      *reason = reader.Error();
      return false;
    }
    if (!IsChip(loco.chip)) {
      *reason =
          QStringLiteral("the chip \"%1\" is not four digits from 0001 to 9999").arg(loco.chip);
      return false;
    }
    locos->append(loco);
    return true;
  });
}

bool WriteLocoFile(const QString& path, const QList<LocoRecord>& locos, QString* error) {
  QList<RecordWriter> records;
  for (const LocoRecord& loco : locos) records << RecordWriter().Str(loco.chip).Str(loco.number);
  return WriteRecords(path, records, error);
}

LocoFileOutcome ReadFunctionFile(const QString& path, QList<FunctionRecord>* functions) {
  functions->clear();
  return ReadRecords(path, kFunctionCount, [functions](RecordReader& reader, QString* reason) {
    FunctionRecord function;
    if (!reader.Str(&function.caption) || !reader.Bool(&function.latching)) {
      *reason = reader.Error();
      return false;
    }
    functions->append(function);
    return true;
  });
}

bool WriteFunctionFile(const QString& path, const QList<FunctionRecord>& functions,
                       QString* error) {
  QList<RecordWriter> records;
  for (const FunctionRecord& f : functions) {
    // The flag as the integer it has always been stored as: -1 for true.
    records << RecordWriter().Str(f.caption).Int(f.latching ? -1 : 0);
  }
  return WriteRecords(path, records, error);
}

}  // namespace kv
