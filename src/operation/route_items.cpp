#include "operation/route_items.h"

#include <array>

#include "layout/path_file.h"

namespace kv {

namespace {
// The classic sixteen colours 1 to 14: dark blue, dark green, dark cyan, dark red, dark
// magenta, dark yellow, light grey, dark grey, blue, green, cyan, red, magenta, yellow.
constexpr std::array<std::int32_t, 15> kRoutePalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF};
constexpr int kRouteColours = 14;
}  // namespace

RouteItems ItemsOf(const QString& line) {
  RouteItems out;
  const QStringList pieces = line.mid(kHeadingLength).split(QLatin1Char(','));
  for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
    const QString item = pieces.at(i).trimmed();
    if (!item.isEmpty()) out.items << item;
  }
  out.lost = pieces.last().trimmed();
  return out;
}

QString TakeExitName(const QString& title) {
  const qsizetype to = title.indexOf(QLatin1String("to"));
  return to < 0 ? QString() : title.mid(to);
}

int RoutePaletteNumber(int index) {
  const int c = index % kRouteColours;
  return c == 0 ? kRouteColours : c;
}

std::int32_t RouteColour(int index) {
  return kRoutePalette[static_cast<size_t>(RoutePaletteNumber(index))];
}

}  // namespace kv
