#include "layout/code_page.h"

#include <array>

namespace kv {
namespace {

// Bytes 80..9F of Windows-1252; the undefined five map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

int ByteFor(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return 0x80 + i;
  }
  return -1;
}

}  // namespace

QString DecodeCp1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    text.append(QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b)));
  }
  return text;
}

bool EncodeCp1252(const QString& text, QByteArray* out, QChar* bad) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (QChar c : text) {
    const int b = ByteFor(c.unicode());
    if (b < 0) {
      if (bad) *bad = c;
      return false;
    }
    bytes.append(static_cast<char>(b));
  }
  *out = bytes;
  return true;
}

}  // namespace kv
