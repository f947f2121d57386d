#include "app/caption.h"

#include <QLocale>

namespace kv {

QString FormatCaptionBase(const QDateTime& now, const QString& layoutName,
                          const QString& controlSystem) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  return english.toString(now.date(), QStringLiteral("dddd, MMM d yyyy")) +
         QStringLiteral("  ") + english.toString(now.time(), QStringLiteral("hh:mm AP")) +
         QStringLiteral("   ") + layoutName + QStringLiteral(" in Kelvarne ") + controlSystem;
}

}  // namespace kv
