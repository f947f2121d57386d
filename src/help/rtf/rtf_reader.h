#pragma once

#include <QByteArray>

class QTextDocument;

namespace kv {

// What the reader made of a document.
struct RtfReadResult {
  bool rtf = false;       // the bytes began with the "{\rtf" header
  bool complete = false;  // every group that was opened was closed again
};

// Reads Rich Text Format bytes into `document`, which is emptied first: paragraphs with their
// alignment, indents, spacing and outline level; bold, italic, underline, strike-through, size,
// font (by the font table) and colour (by the colour table) of the text; \'hh in Windows-1252
// and \uN with its fallback skipped; the text is drawn unshaped where its script allows
// (QFont::PreferNoShaping), which lays it out faster. Tables, pictures, headers, footers and the
// other destinations a word processor writes for itself are left out. Bad input never stops it: it
// keeps what it has read so far, with groups left open closed at the end.
RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument* document);

}  // namespace kv
