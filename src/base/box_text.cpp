#include "base/box_text.h"

#include <QRegularExpression>

namespace kv {

QString BoxText(const QString& text) {
  static const QRegularExpression longRun(QStringLiteral(" {10,}"));
  // A CR LF pair is one line break to a box; a lone CR would show as a stray mark.
  return QString(text)
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(longRun, QStringLiteral("\n"));
}

}  // namespace kv
