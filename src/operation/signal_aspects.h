#pragma once

#include <QString>
#include <optional>

namespace kv {

// The letter rules of a signal's two aspects. The stored picture shows the signal 'ON'; its
// file name ends in a five-letter aspect code before ".bmp" ("\data\sig\C3R2x.bmp"), and the
// name of the picture of its other aspect is derived from that code, so the signal library
// must hold a bitmap for every name these rules can give. The letters mean nothing to the
// program beyond the rules: letter 1 picks the family ("C", or "L", "S", "U"), letter 2 the
// variant, letter 3 changes with the aspect, letter 4 "#" marks a route indicator, which takes
// a character of the exit's name, and letter 5 never changes.

// The five letters before ".bmp"; "" for a path too short to hold them.
QString AspectCodeOf(const QString& picture);
// The path without its aspect code and ".bmp".
QString PictureStem(const QString& picture);

// The code of the other aspect, from `code` (five letters, a "B" in place 3 already read as
// "W"). `sigReverse`: the signal was recorded in a route with the right button, and a three-
// or four-aspect signal clears to "G" instead of "Y". `exitName`: the route's title from "to"
// on ("to B "), for a route indicator.
QString DeriveOffAspect(QString code, bool sigReverse, const QString& exitName);
// Letter 3 becomes "G" (reversed) or "Y"; a route indicator takes the exit first.
QString ClearAspect(QString code, bool sigReverse, const QString& exitName);
// Letter 4 becomes the first of the digits 1 to 9 that the exit's name holds, else its fourth
// character (the exit label's first letter), else a blank.
QString RouteIndicator(QString code, const QString& exitName);

// SetOffAspect: the picture of the other aspect of a signal whose stored picture is `picture`:
// a "B" in place 3 is read as "W", then DeriveOffAspect. A path too short to hold a code is
// returned as it is.
QString SetOffAspect(const QString& picture, bool sigReverse, const QString& exitName);
// SetOnAspect: the stored picture again, from the picture shown and the stored code.
QString SetOnAspect(const QString& picture, const QString& storedAspect);

// A route's signal item: an item above 126 was recorded with the right button and works coil
// item - 128 in reverse.
struct SignalItem {
  int coil = 0;
  bool sigReverse = false;
};
SignalItem SplitSignalNo(int item);
// The item a route records for `coil`: the coil, or coil + 128 for the alternative aspect.
// Nothing when SplitSignalNo would read it back as another coil (a coil above 126, as a DCC
// accessory may have) or it would not fit a byte.
std::optional<int> RouteSignalItem(int coil, bool sigReverse);

}  // namespace kv
