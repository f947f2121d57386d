#pragma once

#include <QString>
#include <optional>

namespace kv {

// coilno.txt in the layout's folder: one number, the accessory number the next signal created
// on "DCC" takes for its two coils.

// Creates the file empty when it is missing. The number it holds; nothing when it is empty or
// holds no whole number.
std::optional<int> ReadCoilNo(const QString& path);
// Replaces the file's content with `next` in one step.
bool WriteCoilNo(const QString& path, int next, QString* error = nullptr);

}  // namespace kv
