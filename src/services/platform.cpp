#include "services/platform.h"

#include <algorithm>

#include <cmath>

namespace svc {

double volumeGain(int hundredthsOfDb) {
  if (hundredthsOfDb >= 0) return 1.0;
  return std::pow(10.0, hundredthsOfDb / 2000.0);
}

namespace {
class NullPlayer : public MusicPlayer {
 public:
  void setFileName(const std::string& path) override { file_ = path; }
  const std::string& fileName() const override { return file_; }
  void play() override { playing_ = !file_.empty(); }
  void pause() override { playing_ = false; }
  void stop() override { playing_ = false; }
  void setVolume(int v) override { volume_ = v; }
  int volume() const override { return volume_; }
  bool playing() const override { return playing_; }

 private:
  std::string file_;
  int volume_ = 0;
  bool playing_ = false;
};
}  // namespace

std::unique_ptr<MusicPlayer> NullAudio::newPlayer() {
  return std::make_unique<NullPlayer>();
}

int autoWindowScale(int desktopWidth, int desktopHeight, int width, int height) {
  if (width <= 0 || height <= 0) return 1;
  const int across = desktopWidth * 4 / (5 * width), down = desktopHeight * 4 / (5 * height);
  return std::max(1, std::min(across, down));
}

}  // namespace svc
