#pragma once

#include <QSet>
#include <QString>
#include <functional>
#include <optional>

namespace kv {

class Panel;
struct LayoutModel;

// Coil numbers for new signals.

// On the relay stack a coil is an even number 2 to 126 (63 numbers); its firing number, one
// more, is odd.
inline constexpr int kLowestCoil = 2;
inline constexpr int kHighestCoil = 126;

// The DC knobs reverse their sections through relays 2 and 6 (knob 1) and 4 and 8 (knob 2) of
// the same stack: a signal coil on one of them would reverse a running section.
inline const QSet<int> kKnobRelays = {2, 4, 6, 8};

// The numbers the layout's solenoids use: both coils of every signal 1 to SignalCount and the
// caption of every points label (red) on the panel, each by its leading number. A fixed signal
// uses none.
QSet<int> SolenoidsInUse(const LayoutModel& model, const Panel& panel);

// A number 0 <= n < bound; the program draws from a generator seeded by the system, tests from
// one seeded as they choose.
using RandomNumber = std::function<int(int bound)>;
RandomNumber SystemRandom();

// PickRandomCoil with CheckCoilFree: an even number 2 to 126 drawn at random from those not in
// `taken`; nothing when all are taken.
std::optional<int> PickRandomCoil(const QSet<int>& taken, const RandomNumber& random);

// The DCC accessory number for a new signal: the first number from `next` (coilno.txt's) up
// to 255 that no solenoid of the layout uses; nothing when there is none.
std::optional<int> PickDccCoil(int next, const QSet<int>& taken);

}  // namespace kv
