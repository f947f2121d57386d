#pragma once

#include <memory>

#include "base/sounds.h"

class QSoundEffect;

namespace kv {

// Plays wave files through Qt Multimedia. The audio output is opened at the first sound, so a
// run that plays none never touches the sound system.
class EffectSoundPlayer final : public SoundPlayer {
 public:
  EffectSoundPlayer();
  ~EffectSoundPlayer() override;

  void Close() override;
  void Play(const QString& file) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace kv
