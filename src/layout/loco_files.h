#pragma once

#include <QList>
#include <QString>

namespace kv {

// loco.txt: one record a loco, its decoder address ("chip", four digits) and its number as
// typed ("47123", "D1015"). function.txt: thirteen records, F0 to F12, each the function box's
// caption and whether the function latches (-1) or acts only while held (0).

inline constexpr int kMaxLocos = 100;
inline constexpr int kFunctionCount = 13;

struct LocoRecord {
  QString chip;
  QString number;
  bool operator==(const LocoRecord&) const = default;
};

struct FunctionRecord {
  QString caption;
  bool latching = false;
  bool operator==(const FunctionRecord&) const = default;
};

// How a reading ended. What was read before a bad record is kept.
struct LocoFileOutcome {
  bool stopped = false;  // a record could not be read; the reading stopped there
  int line = 0;          // its line
  QString reason;
  int notTaken = 0;  // records beyond the most the list takes, left unread
};

// A chip as loco.txt holds it: exactly four digits, 0001 to 9999 (0000 is no decoder).
bool IsChip(const QString& chip);

// Reads at most kMaxLocos locos. The file is created empty when missing. A record whose chip
// is not four digits, or that lacks its number, stops the reading.
LocoFileOutcome ReadLocoFile(const QString& path, QList<LocoRecord>* locos);
bool WriteLocoFile(const QString& path, const QList<LocoRecord>& locos, QString* error = nullptr);

// Reads at most kFunctionCount records; a missing file reads as none (it is not created).
LocoFileOutcome ReadFunctionFile(const QString& path, QList<FunctionRecord>* functions);
bool WriteFunctionFile(const QString& path, const QList<FunctionRecord>& functions,
                       QString* error = nullptr);

}  // namespace kv
