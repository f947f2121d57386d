#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace kv {

// The classic sixteen colours of the Windows palette, in their usual order, as Windows colour
// values (0x00BBGGRR). The routes colour their track with 1 to 14 of them.
struct ClassicColour {
  const char* name;
  std::int32_t value;
};

inline constexpr std::array<ClassicColour, 16> kClassicColours = {{
    {"Black", 0x000000},
    {"Dark blue", 0x800000},
    {"Dark green", 0x008000},
    {"Dark cyan", 0x808000},
    {"Dark red", 0x000080},
    {"Dark magenta", 0x800080},
    {"Dark yellow", 0x008080},
    {"Light grey", 0xC0C0C0},
    {"Dark grey", 0x808080},
    {"Blue", 0xFF0000},
    {"Green", 0x00FF00},
    {"Cyan", 0xFFFF00},
    {"Red", 0x0000FF},
    {"Magenta", 0xFF00FF},
    {"Yellow", 0x00FFFF},
    {"White", 0xFFFFFF},
}};

}  // namespace kv
