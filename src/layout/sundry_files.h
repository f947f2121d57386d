#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "layout/program_folder.h"
#include "layout/record_codec.h"

namespace kv {

// Installation-wide settings in the program folder's sundries folder.
inline const QString kVersionFile = QStringLiteral("\\data\\sundries\\version.txt");
inline const QString kCoordFile = QStringLiteral("\\data\\sundries\\coord.txt");

// A settings file of one record. Reading puts *reader on that record; false when the file is
// missing, unreadable or empty. `createWhenMissing` leaves an empty file behind, as the readers
// of coord.txt and port.txt do. Writing replaces the file in one step (creating its folders).
bool ReadSettingRecord(const ProgramFolder& folder, const QString& stored, bool createWhenMissing,
                       RecordReader* reader);
bool WriteSettingRecord(const ProgramFolder& folder, const QString& stored,
                        const RecordWriter& record, QString* error = nullptr);

// One String: the control system. False, leaving *controlSystem alone, when the file is
// missing, empty or unreadable. Any string is taken, even one that is not a control system.
bool ReadVersionFile(const ProgramFolder& folder, QString* controlSystem);
bool WriteVersionFile(const ProgramFolder& folder, const QString& controlSystem,
                      QString* error = nullptr);

// Two Integers: the loco window's position in twips. The file is created empty when missing.
// False, leaving *position alone, when it holds no two numbers (as on a first run).
bool ReadCoordFile(const ProgramFolder& folder, std::array<std::int32_t, 4>* position);
bool WriteCoordFile(const ProgramFolder& folder, const std::array<std::int32_t, 4>& position,
                    QString* error = nullptr);

}  // namespace kv
