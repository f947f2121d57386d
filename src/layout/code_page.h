#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// The data files are written in the Windows-1252 code page, the single-byte code page of the
// PCs the layouts come from. Qt 6 has no converter for it, so the table lives here.

// Decodes Windows-1252 bytes. The five bytes the code page leaves undefined (81 8D 8F 90 9D)
// decode to the control characters of the same value, as Windows itself does, so they survive
// a read and a write unchanged.
QString DecodeCp1252(const QByteArray& bytes);

// Encodes text as Windows-1252. Returns false, and the first character that has no byte in the
// code page in *bad, when the text cannot be stored without loss.
bool EncodeCp1252(const QString& text, QByteArray* out, QChar* bad = nullptr);

}  // namespace kv
