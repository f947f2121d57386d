#pragma once

#include <QString>

namespace kv {

struct LayoutModel;

// How the main window shows the DCC box: the end of its caption, the label beside the modem
// picture, and which of the two modem pictures (5: off, 6: on) is in front.
struct ModemStatus {
  QString captionTail;
  QString label;
  int picture = 5;
};

// Off-line: "   modem OFF", "no modem", picture 5. On line: "   modem ON", followed by a space
// and the last message's bytes when they are shown, with "hide" or "show" for the byte
// display and picture 6.
ModemStatus ModemStatusFor(bool online, bool showBytes, const QString& lastMsgText);

// The DCC Loco Control window comes up when the panel is operated (ProgMode 2 and above) on a
// system with DCC.
bool LocoWindowWanted(const LayoutModel& model);

}  // namespace kv
