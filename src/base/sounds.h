#pragma once

#include <QString>
#include <memory>

#include "layout/program_folder.h"

namespace kv {

// The wave files of the sundries folder and when they are played.
inline constexpr char kTelephoneSound[] = "\\data\\sundries\\telephone.wav";  // About opened
inline constexpr char kRouteFiledSound[] = "\\data\\sundries\\sound27.wav";   // a route filed

// Plays wave files. A missing file or no sound device gives silence and no message.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Ends any sound still playing.
  virtual void Close() = 0;
  virtual void Play(const QString& file) = 0;
};

// `SoundFile` and `PlaySound`: the one way the program plays a sound.
class Sounds {
 public:
  Sounds(const ProgramFolder& folder, std::unique_ptr<SoundPlayer> player);
  ~Sounds();

  // The full path of the wave file PlaySound plays.
  QString SoundFile;

  // Closes what still plays, then plays SoundFile.
  void PlaySound();
  // SoundFile = the program folder's `stored` file ("\data\sundries\sound27.wav"), then PlaySound.
  void Play(const QString& stored);

  void SetPlayer(std::unique_ptr<SoundPlayer> player);

 private:
  ProgramFolder folder_;
  std::unique_ptr<SoundPlayer> player_;
};

}  // namespace kv
