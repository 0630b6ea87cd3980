// Music on SDL_mixer: the audio device and its music players.
#pragma once
#include <memory>

#include "services/platform.h"

namespace svc {

class SdlAudio : public AudioDevice {
 public:
  explicit SdlAudio(bool available);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  std::unique_ptr<MusicPlayer> newPlayer() override;

  // The player whose music the device is playing (internal).
  const MusicPlayer* current = nullptr;
  bool available;
};

}  // namespace svc
