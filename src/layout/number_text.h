#pragma once

#include <QString>

namespace kv {

// A number as the classic number-to-text conversion shows it in captions: a leading blank in
// place of the sign for non-negative numbers (" 12", "-3"), so numbers line up.
inline QString NumberText(qint64 number) {
  return (number >= 0 ? QStringLiteral(" ") : QString()) + QString::number(number);
}

}  // namespace kv
