#pragma once

#include <QString>
#include <memory>

namespace kv {

class BoardLibrary;
class Scheduler;

// Which board library a run uses. By default the real USB board where the program was built
// with hidapi, else none. The environment variable KELVARNE_BOARD chooses another:
//   usb        the real board (where built with hidapi)
//   recording  a board in memory whose outputs loop back to its inputs, for demonstrations
//              and runs without hardware
//   none       no board: OpenDevice answers -1
inline constexpr char kBoardVariable[] = "KELVARNE_BOARD";

enum class BoardChoice { kUsb, kRecording, kNone };

// The choice a value of KELVARNE_BOARD names; "" gives the default. A value that names
// nothing gives the default too, and *unknown is set.
BoardChoice ParseBoardChoice(const QString& value, bool* unknown = nullptr);

// The choice of this run's environment; an unknown value is reported on standard error.
BoardChoice BoardChoiceFromEnvironment();

std::unique_ptr<BoardLibrary> MakeBoardLibrary(BoardChoice choice, Scheduler& scheduler);

// Whether the real board can be reached by this build.
bool HaveUsbBoardSupport();

}  // namespace kv
