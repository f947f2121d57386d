#include "app/effect_sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace kv {

EffectSoundPlayer::EffectSoundPlayer() = default;
EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::Close() {
  if (effect_) effect_->stop();
}

void EffectSoundPlayer::Play(const QString& file) {
  // A missing file is silence, not a message.
  if (!QFileInfo(file).isFile()) return;
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  const QUrl source = QUrl::fromLocalFile(file);
  if (effect_->source() != source) effect_->setSource(source);
  // Played as soon as it is loaded; with no sound device nothing is heard and nothing is said.
  effect_->play();
}

}  // namespace kv
