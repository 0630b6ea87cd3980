// Building blocks of the music synthesizer: a seeded noise source, band-limited oscillators,
// envelopes and filters. Nothing reads a clock, so every build writes the same music.
#pragma once
#include <cstdint>

#include "toolkit/random.h"

namespace art::music {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

double midiHz(double note);
double dbToGain(double db);
double gainToDb(double gain);

enum class Wave { kSine, kTriangle, kSaw, kSquare };

// Saw and square are band-limited with polyBLEP so high notes do not alias into hiss; the
// triangle's harmonics fall off fast enough to be left naive.
class Osc {
 public:
  explicit Osc(Wave wave, double phase = 0) : wave_(wave), phase_(phase) {}
  double next(double hz);

 private:
  Wave wave_;
  double phase_;  // 0..1
};

// Attack (smooth rise), decay to the sustain level, release after the note is let go. Decay and
// release are the times to fall by 60 dB, which is how long a tail must be rendered.
struct Adsr {
  double attack = 0.005, decay = 0.2, sustain = 1, release = 0.2;
  double at(double t, double held) const;  // level t seconds after note-on, held for `held` s
  double length(double held) const { return held + release; }
};

// Zero-delay-feedback state-variable filter: stable under fast cutoff sweeps.
class Svf {
 public:
  struct Out {
    double lp, bp, hp;
  };
  void set(double hz, double q);
  Out run(double x);

 private:
  double a1_ = 0, a2_ = 0, a3_ = 0, k_ = 1, ic1_ = 0, ic2_ = 0;
};

class OnePole {
 public:
  void set(double hz);
  double lowpass(double x) { return y_ += a_ * (x - y_); }
  double highpass(double x) { return x - lowpass(x); }

 private:
  double a_ = 1, y_ = 0;
};

// Equal-power panning, -1 left .. +1 right; the centre gives 1 on both sides.
struct PanGains {
  double l, r;
};
PanGains panGains(double pan);

}  // namespace art::music
