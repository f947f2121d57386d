#pragma once

#include <QDateTime>
#include <QString>

namespace kv {

// "Saturday, Dec 5 2026  09:41 AM   My Layout in Kelvarne DCC + DC": the status text of the main
// window's caption, always in English whatever the desktop's language.
QString FormatCaptionBase(const QDateTime& now, const QString& layoutName,
                          const QString& controlSystem);

}  // namespace kv
