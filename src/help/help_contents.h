#pragma once

#include <array>

namespace kv {

// The help document, under the program folder.
inline constexpr char kHelpDocument[] = "\\data\\kelvarnehelp\\kelvarnehelp.rtf";

// The items of the help window's Contents menu, in order. Each is also the heading of its
// chapter in the help document, a paragraph of its own.
inline constexpr std::array<const char*, 21> kHelpChapters = {
    "What is 3D-Kelvarne?",
    "Connecting the PC Mimic to your railway",
    "Hardware",
    "Off-line",
    "Scroll layout",
    "Squares",
    "trash",
    "Save",
    "Move objects",
    "Create track",
    "Image",
    "Data",
    "Signals",
    "Section",
    "Label",
    "Entry Exit",
    "Text files",
    "Collision aversion",
    "Setting up a route",
    "Loco control form",
    "Control buttons and systems",
};

}  // namespace kv
