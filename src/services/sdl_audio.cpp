// Music players on SDL_mixer. SDL_mixer has one music stream, so the device plays the player
// that was last asked to play; the others only keep their state.
#include "services/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>

#include "services/errors.h"

namespace svc {

namespace {

class SdlPlayer : public MusicPlayer {
 public:
  explicit SdlPlayer(SdlAudio& device) : device_(device) {}
  ~SdlPlayer() override {
    if (isCurrent()) {
      Mix_HaltMusic();
      device_.current = nullptr;
    }
    if (music_) Mix_FreeMusic(music_);
  }

  void setFileName(const std::string& path) override {
    if (isCurrent()) {
      Mix_HaltMusic();
      device_.current = nullptr;
    }
    if (music_) Mix_FreeMusic(music_);
    music_ = nullptr;
    playing_ = paused_ = false;
    file_ = path;
    if (!device_.available) {
      // Without an audio device the file must still be there, as it would be to play it.
      if (std::FILE* f = std::fopen(path.c_str(), "rb"))
        std::fclose(f);
      else
        throw DataFileError(path, "file not found");
      return;
    }
    music_ = Mix_LoadMUS(path.c_str());
    if (!music_) throw DataFileError(path, Mix_GetError());
  }
  const std::string& fileName() const override { return file_; }

  void play() override {
    if (file_.empty()) return;  // a player without a file stays silent
    if (device_.available && music_) {
      if (isCurrent() && paused_) {
        Mix_ResumeMusic();
      } else {
        device_.current = this;
        Mix_PlayMusic(music_, -1);
      }
      applyVolume();
    }
    playing_ = true;
    paused_ = false;
  }
  void pause() override {
    if (isCurrent() && playing_) Mix_PauseMusic();
    if (playing_) paused_ = true;
    playing_ = false;
  }
  void stop() override {
    if (isCurrent()) {
      Mix_HaltMusic();
      device_.current = nullptr;
    }
    playing_ = paused_ = false;
  }
  void setVolume(int v) override {
    volume_ = v;
    if (isCurrent()) applyVolume();
  }
  int volume() const override { return volume_; }
  bool playing() const override { return playing_; }

 private:
  bool isCurrent() const { return device_.available && device_.current == this; }
  void applyVolume() { Mix_VolumeMusic(int(std::lround(volumeGain(volume_) * MIX_MAX_VOLUME))); }

  SdlAudio& device_;
  Mix_Music* music_ = nullptr;
  std::string file_;
  int volume_ = 0;
  bool playing_ = false;
  bool paused_ = false;
};

}  // namespace

SdlAudio::SdlAudio(bool avail) : available(avail) {
  if (!available) return;
  Mix_Init(MIX_INIT_MP3);
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
    std::fprintf(stderr, "Drovanta: no audio (%s)\n", Mix_GetError());
    available = false;
  }
}

SdlAudio::~SdlAudio() {
  if (available) {
    Mix_HaltMusic();
    Mix_CloseAudio();
  }
  Mix_Quit();
}

std::unique_ptr<MusicPlayer> SdlAudio::newPlayer() {
  return std::make_unique<SdlPlayer>(*this);
}

}  // namespace svc
