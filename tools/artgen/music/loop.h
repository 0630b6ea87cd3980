// A music loop being rendered: circular stereo buses (dry, delay send, reverb send) whose length
// is a whole number of beats, so whatever rings over the end is heard again at the start.
#pragma once
#include <cstddef>
#include <vector>

namespace art::music {

struct Stereo {
  explicit Stereo(std::size_t frames = 0) : l(frames), r(frames) {}
  std::size_t frames() const { return l.size(); }
  std::vector<float> l, r;
};

// How much of a voice goes to the dry mix and to the two effect sends.
struct Sends {
  double dry = 1, delay = 0, reverb = 0;
};

// Tempo with a whole number of samples per beat, so bars line up with samples exactly.
class Tempo {
 public:
  explicit Tempo(double bpm);  // throws when a beat is not a whole number of samples
  std::size_t frame(double beats) const;
  double seconds(double beats) const { return beats * 60.0 / bpm_; }
  std::size_t beatFrames() const { return beatFrames_; }

 private:
  double bpm_;
  std::size_t beatFrames_;
};

// One note of the sequencer, placed in beats from the loop's start.
struct Note {
  double beat, beats, pitch;
  double vel = 1, pan = 0;
};

class Loop {
 public:
  Loop(Tempo tempo, int beats);
  const Tempo& tempo() const { return tempo_; }
  std::size_t frames() const { return dry.frames(); }

  // Adds one stereo sample; frames past the end wrap round to the start.
  void add(std::size_t frame, double l, double r, const Sends& sends);
  // A gain that dips at every beat and swells back, as if keyed by the kick drum.
  double pump(std::size_t frame, double depth) const;

  Stereo dry, delay, reverb;

 private:
  Tempo tempo_;
};

}  // namespace art::music
