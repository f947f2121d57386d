#include "hardware/board_choice.h"

#include <QtGlobal>

#include "hardware/hidapi_transport.h"
#include "hardware/no_board.h"
#include "hardware/recording_board.h"
#include "hardware/usb_board.h"

namespace kv {

bool HaveUsbBoardSupport() {
#ifdef KV_HAVE_HIDAPI
  return true;
#else
  return false;
#endif
}

BoardChoice ParseBoardChoice(const QString& value, bool* unknown) {
  const QString v = value.trimmed().toLower();
  if (unknown) *unknown = false;
  if (v == QLatin1String("recording")) return BoardChoice::kRecording;
  if (v == QLatin1String("none")) return BoardChoice::kNone;
  if (v == QLatin1String("usb")) return BoardChoice::kUsb;
  if (unknown && !v.isEmpty()) *unknown = true;
  return HaveUsbBoardSupport() ? BoardChoice::kUsb : BoardChoice::kNone;
}

BoardChoice BoardChoiceFromEnvironment() {
  const QString value = qEnvironmentVariable(kBoardVariable);
  bool unknown = false;
  const BoardChoice choice = ParseBoardChoice(value, &unknown);
  if (unknown) {
    qWarning("%s=%s names no board; use usb, recording or none. Using the default.", kBoardVariable,
             qPrintable(value));
  }
  return choice;
}

std::unique_ptr<BoardLibrary> MakeBoardLibrary(BoardChoice choice, Scheduler& scheduler) {
  switch (choice) {
    case BoardChoice::kRecording: {
      auto board = std::make_unique<RecordingBoard>(scheduler);
      board->SetLoopback(true);
      board->SetKeepLimit(10'000);
      return board;
    }
    case BoardChoice::kUsb:
#ifdef KV_HAVE_HIDAPI
      return std::make_unique<UsbBoard>([]() { return std::make_unique<HidapiTransport>(); });
#else
      break;
#endif
    case BoardChoice::kNone:
      break;
  }
  return std::make_unique<NoBoard>();
}

}  // namespace kv
