#include "hardware/modem_status.h"

#include "hardware/dcc_texts.h"
#include "layout/layout_model.h"

namespace kv {

ModemStatus ModemStatusFor(bool online, bool showBytes, const QString& lastMsgText) {
  if (!online) return {texts::CaptionModemOff(), texts::LabelNoModem(), 5};
  if (showBytes) return {texts::CaptionModemOnBytes(lastMsgText), texts::LabelHideBytes(), 6};
  return {texts::CaptionModemOn(), texts::LabelShowBytes(), 6};
}

bool LocoWindowWanted(const LayoutModel& model) {
  return model.ProgMode >= 2 && model.ProgMode <= 6 && model.ControlSystem != QLatin1String("DC");
}

}  // namespace kv
