// Music on the game's mixer: the audio device and its music players.
#pragma once
#include <memory>

#include "services/platform.h"
#include "services/sdl_sound_mixer.h"

namespace svc {

class SdlAudio : public AudioDevice {
 public:
  explicit SdlAudio(bool available);
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  std::unique_ptr<MusicPlayer> newPlayer() override;

  // The player whose music the device is playing (internal).
  const MusicPlayer* current = nullptr;
  SoundMixer mixer;
  bool available;  // the mixer is open
};

}  // namespace svc
