#pragma once

#include <QString>

namespace kv {

// The dwell slider hsbWait and what its values mean: milliseconds on the relay-stack systems,
// tenths of a second on "DCC".
struct DwellSlider {
  int minimum = 500;
  int maximum = 5000;
  int smallChange = 100;
  int largeChange = 500;
};

DwellSlider DwellSliderFor(const QString& controlSystem);

// Where the slider stands for `dwell`: the whole number of its unit, kept within its range (on
// "DCC" a stored dwell under 0.2 s puts it at its minimum; the dwell itself is kept).
int DwellSliderValue(float dwell, const QString& controlSystem);
// The dwell the slider's value stands for.
float DwellFromSlider(int value, const QString& controlSystem);

// fraWait's caption: "Wait " and the dwell as a number is written (1000, 1.4, 0.05).
QString WaitCaption(float dwell);

}  // namespace kv
