#pragma once

#include <QString>

namespace kv::texts {

// Captions of the board test panel.
inline QString BoardWindowTitle() { return QStringLiteral("K8055 Demo"); }
inline QString CardAddressFrame() { return QStringLiteral("Card Address"); }
inline QString JumperSk5() { return QStringLiteral("SK5"); }
inline QString JumperSk6() { return QStringLiteral("SK6"); }
inline QString ConnectButton() { return QStringLiteral("Connect"); }
inline QString InputsFrame() { return QStringLiteral("Inputs"); }
inline QString OutputsFrame() { return QStringLiteral("Outputs"); }
inline QString SetAllDigitalButton() { return QStringLiteral("Set All Digital"); }
inline QString ClearAllDigitalButton() { return QStringLiteral("Clear All Digital"); }
inline QString OutputTestBox() { return QStringLiteral("Output Test"); }
inline QString AnalogOutputsFrame() { return QStringLiteral("Analog Outputs"); }
inline QString AnalogInputsFrame() { return QStringLiteral("Analog Inputs"); }
inline QString SetAllAnalogButton() { return QStringLiteral("Set All Analog"); }
inline QString ClearAllAnalogButton() { return QStringLiteral("Clear All Analog"); }
inline QString CounterFrame(int counter) { return QStringLiteral("Counter %1").arg(counter); }
inline QString ResetButton() { return QStringLiteral("Reset"); }
inline QString DebounceTimeFrame() { return QStringLiteral("Debounce Time"); }
inline QString DebounceOption(int ms) { return QStringLiteral("%1ms").arg(ms); }
// What the board's outputs hold, as its output lamps would show it.
inline QString BoardLampsFrame() {
  return QStringLiteral("On the board");
}
// The relay stack hangs on the digital outputs: what the panel may not do while it fires,
// and what the panel's own bulk writes fire on it.
inline QString OutputsHeld() {
  return QStringLiteral("The relay stack is firing: the digital outputs are left to it until "
                        "it has done.");
}
inline QString RelayStackWarningTitle() { return QStringLiteral("relay stack"); }
inline QString SetAllDigitalWarning() {
  return QStringLiteral("Set All Digital puts 255 on the outputs: on a relay stack that fires "
                        "solenoid 254 and holds it until the outputs are cleared.");
}
inline QString OutputTestWarning() {
  return QStringLiteral("The output test lights each output in turn: on a relay stack that "
                        "selects and fires solenoids one after another.");
}

// F8 shows the panel from the main window.
inline QString BoardWindowKey() { return QStringLiteral("F8"); }

}  // namespace kv::texts
