#include "operation/dwell_setting.h"

#include <algorithm>
#include <cmath>

namespace kv {

namespace {
bool IsDcc(const QString& system) { return system == QLatin1String("DCC"); }
}  // namespace

DwellSlider DwellSliderFor(const QString& controlSystem) {
  if (IsDcc(controlSystem)) return {2, 20, 2, 4};
  return {};
}

int DwellSliderValue(float dwell, const QString& controlSystem) {
  const DwellSlider range = DwellSliderFor(controlSystem);
  const double units = IsDcc(controlSystem) ? double(dwell) * 10.0 : double(dwell);
  if (!std::isfinite(units)) return range.minimum;
  // Whole numbers as the slider takes them: a half goes to the even neighbour.
  const double whole = std::nearbyint(units);
  return static_cast<int>(std::clamp(whole, double(range.minimum), double(range.maximum)));
}

float DwellFromSlider(int value, const QString& controlSystem) {
  if (IsDcc(controlSystem)) return static_cast<float>(value) / 10.0f;
  return static_cast<float>(value);
}

QString WaitCaption(float dwell) {
  // Seven significant digits, as a single-precision number is written: 1.4, not 1.39999998.
  return QStringLiteral("Wait ") + QString::number(double(dwell), 'g', 7);
}

}  // namespace kv
