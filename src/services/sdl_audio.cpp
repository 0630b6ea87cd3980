// Music players on the game's mixer. The mixer has one music stream, so the device plays the
// player that was last asked to play; the others only keep their state.
#include "services/sdl_audio.h"

#include <cmath>
#include <cstdio>

#include "services/errors.h"

namespace svc {

namespace {

class SdlPlayer : public MusicPlayer {
 public:
  explicit SdlPlayer(SdlAudio& device) : device_(device) {}
  ~SdlPlayer() override { halt(); }

  void setFileName(const std::string& path) override {
    halt();
    music_.reset();
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
    music_ = SoundMixer::openMusic(path);
  }
  const std::string& fileName() const override { return file_; }

  void play() override {
    if (file_.empty()) return;  // a player without a file stays silent
    if (device_.available && music_) {
      if (isCurrent() && paused_) {
        device_.mixer.pauseMusic(false);
      } else {
        device_.current = this;
        device_.mixer.playMusic(music_.get());
      }
      applyVolume();
    }
    playing_ = true;
    paused_ = false;
  }
  void pause() override {
    if (isCurrent() && playing_) device_.mixer.pauseMusic(true);
    if (playing_) paused_ = true;
    playing_ = false;
  }
  void stop() override {
    halt();
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
  void applyVolume() {
    device_.mixer.setMusicVolume(int(std::lround(volumeGain(volume_) * SoundMixer::kFullVolume)));
  }
  // Takes this player's music off the device.
  void halt() {
    if (!isCurrent()) return;
    device_.mixer.playMusic(nullptr);
    device_.current = nullptr;
  }

  SdlAudio& device_;
  std::unique_ptr<SoundMixer::Music> music_;
  std::string file_;
  int volume_ = 0;
  bool playing_ = false;
  bool paused_ = false;
};

}  // namespace

SdlAudio::SdlAudio(bool avail) : mixer(avail), available(mixer.isOpen()) {}

std::unique_ptr<MusicPlayer> SdlAudio::newPlayer() {
  return std::make_unique<SdlPlayer>(*this);
}

}  // namespace svc
