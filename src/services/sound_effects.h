// Sound effects beside the music: one-shots, and continuous voices (engines, tyre squeal) whose
// pitch and loudness change smoothly while they play.
#pragma once
#include <map>
#include <string>

namespace svc {

class SoundEffects {
 public:
  virtual ~SoundEffects() = default;
  // Reads an effect file (16-bit PCM WAVE). A file that is missing or cannot be read costs one
  // line on standard error and leaves that effect silent; false then.
  virtual bool load(const std::string& name, const std::string& path) = 0;
  // Starts a one-shot; gain 0..1, pan -1 (left) .. 1 (right).
  virtual void play(const std::string& name, double gain, double pan) = 0;
  // A continuous voice playing a loaded effect round and round: `pitch` is the playback speed
  // (1 as recorded). Pitch, gain and pan glide to each new setting, so changes never click; a
  // gain of 0 fades the voice out. Voices are told apart by `voice`.
  virtual void voice(int voice, const std::string& name, double gain, double pitch, double pan) = 0;
  // Holds every voice where it is (a paused game) or lets them go on.
  virtual void pauseVoices(bool paused) = 0;
  // Silences everything at once.
  virtual void stopAll() = 0;
  // The length of a loaded effect in milliseconds; 0 when it is not loaded.
  virtual int lengthMs(const std::string& name) const = 0;
};

// Effects that only remember their lengths (tests): every load succeeds with a length of
// `length` milliseconds unless the name is in `missing`.
class NullSoundEffects : public SoundEffects {
 public:
  bool load(const std::string& name, const std::string&) override {
    if (missing.count(name)) return false;
    lengths[name] = length;
    return true;
  }
  void play(const std::string&, double, double) override {}
  void voice(int, const std::string&, double, double, double) override {}
  void pauseVoices(bool) override {}
  void stopAll() override {}
  int lengthMs(const std::string& name) const override {
    auto it = lengths.find(name);
    return it == lengths.end() ? 0 : it->second;
  }
  int length = 200;
  std::map<std::string, bool> missing;
  std::map<std::string, int> lengths;
};

}  // namespace svc
