#include "base/sounds.h"

namespace kv {

Sounds::Sounds(const ProgramFolder& folder, std::unique_ptr<SoundPlayer> player)
    : folder_(folder), player_(std::move(player)) {}

Sounds::~Sounds() = default;

void Sounds::PlaySound() {
  if (!player_) return;
  player_->Close();
  player_->Play(SoundFile);
}

void Sounds::Play(const QString& stored) {
  SoundFile = folder_.Resolve(stored);
  PlaySound();
}

void Sounds::SetPlayer(std::unique_ptr<SoundPlayer> player) {
  player_ = std::move(player);
}

}  // namespace kv
