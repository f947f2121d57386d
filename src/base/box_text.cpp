#include "base/box_text.h"

#include <QRegularExpression>

namespace kv {

QString BoxText(const QString& text) {
  static const QRegularExpression longRun(QStringLiteral(" {10,}"));
  return QString(text).replace(longRun, QStringLiteral("\n"));
}

}  // namespace kv
