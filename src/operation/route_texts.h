#pragma once

#include <QString>
#include <QStringList>

namespace kv::texts {

// Routes: the prompts in the caption while one is recorded, and what the program tells about
// path.txt and about the routes it works.

// SetPrompt 0 to 5.
inline QString RoutePrompt(int n) {
  switch (n) {
    case 1:
      return QStringLiteral("click line number");
    case 2:
      return QStringLiteral("double-click final line number");
    case 3:
      return QStringLiteral("deleting line and number");
    case 4:
      return QStringLiteral("double-click final points number");
    case 5:
      return QStringLiteral("click [unlock] route signals");
    default:
      return QString();
  }
}

// After message 2's file and line: what a path.txt that stopped reading means.
inline QString PathFileKept() {
  return QStringLiteral(
      "\nThe routes before that line are in the ENTRY to EXIT menu. No new route is filed "
      "until the file is mended, so that the routes after it are not lost.");
}

inline QString RouteNotFiledTitle() {
  return QStringLiteral("route not filed");
}
inline QString PathFileNotWhole(const QString& file, int line, const QString& reason) {
  return QStringLiteral(
             "%1 could not be read whole when the layout was opened (line %2: %3). Filing a "
             "route would rewrite it without the routes after that line: mend the file and "
             "open the layout again.")
      .arg(file)
      .arg(line)
      .arg(reason);
}
inline QString TooManyRoutes() {
  return QStringLiteral(
      "The layout has 255 routes, as many as the ENTRY to EXIT menu can hold. Remove one from "
      "path.txt to make room.");
}
inline QString PathFileNotWritten(const QString& error) {
  return QStringLiteral("%1\nThe route was not filed; path.txt is as it was.").arg(error);
}

// A signal whose coil a route cannot hold.
inline QString SignalNotTakenTitle() {
  return QStringLiteral("signal not taken");
}
inline QString SignalNotTaken(const QString& coil) {
  return QStringLiteral(
             "Coil %1 is above 126: a route reads such a number as a lower coil recorded with "
             "the right button (coil + 128), so this signal cannot be put in a route.")
      .arg(coil);
}

// Message 11's title and suggestion, about items of a route that lack their closing comma.
inline QString LostItems(const QString& title, const QStringList& items) {
  return QStringLiteral(
             "'%1': %2 left out, for want of a closing comma.\nsuggestion : check for missing "
             "characters")
      .arg(title.trimmed(),
           QLatin1Char('"') + items.join(QStringLiteral("\", \"")) + QLatin1Char('"'));
}

// The route menu while the layout has no route.
inline QString NoRoutes() {
  return QStringLiteral("(no routes recorded)");
}

// The tool-tip of a blocked entry of the route menu.
inline QString BlockedBy(const QStringList& titles) {
  return QStringLiteral("blocked by ") + titles.join(QStringLiteral(", "));
}

}  // namespace kv::texts
