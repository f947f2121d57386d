#include "hardware/dc_knobs.h"

#include <cmath>

namespace kv {

namespace {
constexpr int kLeft = 1;
constexpr int kRight = 2;
bool IsKnob(int k) { return k == 1 || k == 2; }
}  // namespace

DcKnobs::DcKnobs(Outputs outputs) : out_(std::move(outputs)) {}

void DcKnobs::ResetDirectionTexts() {
  dirText_[1] = QStringLiteral(" Fwd");
  dirText_[2] = QStringLiteral(" Fwd");
}

void DcKnobs::Stop() {
  notch_ = {};
  position_ = {};
  pwm_ = {};
}

bool DcKnobs::MouseDown(int knob, int button) {
  if (!IsKnob(knob)) return false;
  pressIdx_ = knob;
  const bool refused = button == kRight && reversing_[knob];
  mouseBtn_ = refused ? 0 : button;
  StepKnob();
  return !refused;
}

void DcKnobs::MouseUp() {
  StepKnob();
  ShowKnob();
}

void DcKnobs::StepKnob() {
  const int k = pressIdx_;
  if (mouseBtn_ == kLeft && notch_[k] > 0) --notch_[k];
  if (mouseBtn_ == kRight && notch_[k] < kTopNotch) ++notch_[k];
  pwm_[k] = notch_[k] * kPwmPerNotch;
  // Sent even when unchanged: a click at the end of the range re-sends the same value.
  if (out_.analogue) out_.analogue(k, pwm_[k]);
}

void DcKnobs::ShowKnob() {
  const int k = pressIdx_;
  if (mouseBtn_ == kLeft && position_[k] > 0) --position_[k];
  if (mouseBtn_ == kRight && position_[k] < kTopPosition) ++position_[k];
}

void DcKnobs::DoubleClick(int knob) {
  if (!IsKnob(knob)) return;
  // The section is reversed only when stopped in fact: the picture at rest and no PWM going out.
  if (position_[knob] == 0 && pwm_[knob] == 0) {
    if (reversing_[knob]) return;  // one reversal at a time
    const bool reverse = !reverse_[knob];
    // Reversing relays: knob 1 uses 2 forward and 6 reverse, knob 2 uses 4 and 8.
    const int solenoid = reverse ? (knob + 2) * 2 : knob * 2;
    reversing_[knob] = true;
    const auto written = [this, knob]() { reversing_[knob] = false; };
    if (!out_.fireRelay || !out_.fireRelay(solenoid, written)) {
      reversing_[knob] = false;  // no relay moves: neither does the direction
      return;
    }
    reverse_[knob] = reverse;
    dirText_[knob] = reverse ? QStringLiteral("Rev") : QStringLiteral("Fwd");
  } else if (notch_[pressIdx_] > 0) {
    StepKnob();
  }
}

QString DcKnobs::PercentText(int knob) const {
  return QString::number(static_cast<int>(std::floor(pwm_.at(knob) / kPercentDivisor)));
}

QString DcKnobs::PicturePath(int knob) const {
  return QStringLiteral("\\Data\\VM110\\Knob") + dirText_.at(knob).trimmed() +
         QString::number(position_.at(knob)) + QStringLiteral(".bmp");
}

}  // namespace kv
