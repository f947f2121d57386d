#pragma once

#include <cmath>
#include <cstdint>

namespace kv {

// Positions are kept in twips, 1/1440 inch: 15 twips to a pixel on a screen of 96 dots an inch.
inline constexpr int kTwipsPerPixel = 15;

// A position taken from the screen, as the files keep it: the nearest whole number, a half going
// to the even neighbour.
inline std::int32_t RoundHalfEven(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace kv
