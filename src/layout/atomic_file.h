#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// Replaces a file's whole content in one step: the bytes go to a temporary file that is renamed
// over the old one, so a failure leaves the old file as it was. A file that exists but is
// read-only is refused before anything is written. The folder must exist.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Creates the file empty when it is missing; leaves an existing file alone.
bool TouchFile(const QString& path);

// Reads a whole file. False when it cannot be opened, or is not a plain file (a folder, a pipe).
bool ReadWholeFile(const QString& path, QByteArray* bytes);

}  // namespace kv
