// Sound effects on the game's mixer's channels, beside the music.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/sdl_sound_mixer.h"
#include "services/sound_effects.h"

namespace svc {

class SdlSoundEffects : public SoundEffects {
 public:
  // Without an open mixer every effect is silent, but files are still read, so a broken file is
  // reported all the same.
  explicit SdlSoundEffects(SoundMixer& mixer);
  ~SdlSoundEffects() override;
  SdlSoundEffects(const SdlSoundEffects&) = delete;
  SdlSoundEffects& operator=(const SdlSoundEffects&) = delete;

  bool load(const std::string& name, const std::string& path) override;
  void play(const std::string& name, double gain, double pan) override;
  void voice(int voice, const std::string& name, double gain, double pitch, double pan) override;
  void pauseVoices(bool paused) override;
  void stopAll() override;
  int lengthMs(const std::string& name) const override;

  struct Voice;

 private:
  struct Effect;
  SoundMixer& mixer_;
  std::map<std::string, std::unique_ptr<Effect>> effects_;
  std::map<int, std::unique_ptr<Voice>> voices_;
};

}  // namespace svc
