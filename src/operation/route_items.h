#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kv {

// The item list of a route's line: what follows its 21-character heading, each item ended by
// a comma ("12L,14R,"). Text after the last comma has no comma of its own, so it is no item:
// it is lost, and whoever works the route says so. Blank items between commas are passed over.
struct RouteItems {
  QStringList items;  // trimmed
  QString lost;       // the text that lacked its closing comma, trimmed; "" when none did
};
RouteItems ItemsOf(const QString& line);

// TakeExitName: the title from its first "to" on ("to B "), as the signals' route indicator
// reads it.
QString TakeExitName(const QString& title);

// The colour of the route palette for menu entry `index`: the number index mod 14, 0 taken as
// 14, so entries 0, 14, 28 ... share a colour. A Windows colour value (0x00BBGGRR).
int RoutePaletteNumber(int index);
std::int32_t RouteColour(int index);

}  // namespace kv
