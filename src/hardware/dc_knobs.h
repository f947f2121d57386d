#pragma once

#include <QString>
#include <array>
#include <functional>

namespace kv {

// The two DC throttle knobs: each drives one PWM output of the USB board. A press and a release
// each step the notch (left down, right up); the release also turns the picture one position.
// A double-click on a stopped knob reverses its section through a reversing relay; the knob
// shows the new direction only when that pulse will be written, and takes no power until it
// has been, so the section never runs in the old direction nor has its polarity flipped under
// power.
class DcKnobs {
 public:
  static constexpr int kPwmPerNotch = 15;
  static constexpr int kTopNotch = 14;      // 14 x 15 = 210, the highest PWM sent
  static constexpr int kTopPosition = 7;    // eight pictures, 0..7
  static constexpr double kPercentDivisor = 2.08;

  struct Outputs {
    std::function<void(int channel, int value)> analogue;  // the board's analogue output
    // One relay-stack pulse: whether it will be written; `written` runs once it has been.
    std::function<bool(int solenoid, std::function<void()> written)> fireRelay;
  };

  explicit DcKnobs(Outputs outputs);

  // picKnob mouse events. `button` is 1 (left) or 2 (right); others step nothing. A right
  // press while the knob's reversing pulse is on its way is refused (false) and steps nothing.
  bool MouseDown(int knob, int button);
  void MouseUp();
  void DoubleClick(int knob);

  // Both knobs back to stop, nothing sent: the board's outputs went off without them (it went
  // away, or was opened afresh).
  void Stop();

  // Sets both direction texts to " Fwd" (done whenever coord.txt is read at start).
  void ResetDirectionTexts();

  int Notch(int knob) const { return notch_.at(knob); }
  int Position(int knob) const { return position_.at(knob); }
  bool Reverse(int knob) const { return reverse_.at(knob); }
  QString DirectionText(int knob) const { return dirText_.at(knob); }
  int Pwm(int knob) const { return pwm_.at(knob); }
  // lblPwm: the whole part of PWM / 2.08 as text.
  QString PercentText(int knob) const;
  // The knob picture as a program-folder path: "\Data\VM110\KnobFwd3.bmp".
  QString PicturePath(int knob) const;

 private:
  void StepKnob();
  void ShowKnob();

  Outputs out_;
  int pressIdx_ = 1;   // knob last pressed
  int mouseBtn_ = 0;   // button of the last press
  std::array<int, 3> notch_{};
  std::array<int, 3> position_{};
  std::array<bool, 3> reverse_{};
  std::array<bool, 3> reversing_{};  // its reversing pulse is asked for, not yet written
  std::array<QString, 3> dirText_{QString(), QStringLiteral(" Fwd"), QStringLiteral(" Fwd")};
  std::array<int, 3> pwm_{};
};

}  // namespace kv
