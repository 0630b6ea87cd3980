// The circular buses of a music loop.
#include "loop.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "dsp.h"

namespace art::music {

Tempo::Tempo(double bpm) : bpm_(bpm) {
  const double frames = kRate * 60.0 / bpm;
  beatFrames_ = std::size_t(std::llround(frames));
  if (std::fabs(frames - double(beatFrames_)) > 1e-9)
    throw std::runtime_error("tempo without a whole number of samples per beat");
}

std::size_t Tempo::frame(double beats) const {
  return std::size_t(std::llround(beats * double(beatFrames_)));
}

Loop::Loop(Tempo tempo, int beats)
    : dry(tempo.beatFrames() * std::size_t(beats)),
      delay(dry.frames()),
      reverb(dry.frames()),
      tempo_(tempo) {}

void Loop::add(std::size_t frame, double l, double r, const Sends& sends) {
  const std::size_t i = frame % frames();
  dry.l[i] += float(l * sends.dry);
  dry.r[i] += float(r * sends.dry);
  if (sends.delay != 0) {
    delay.l[i] += float(l * sends.delay);
    delay.r[i] += float(r * sends.delay);
  }
  if (sends.reverb != 0) {
    reverb.l[i] += float(l * sends.reverb);
    reverb.r[i] += float(r * sends.reverb);
  }
}

double Loop::pump(std::size_t frame, double depth) const {
  if (depth <= 0) return 1;
  const double phase = double(frame % tempo_.beatFrames()) / double(tempo_.beatFrames());
  constexpr double kDip = 0.02;  // a few milliseconds down, so the dip does not click
  if (phase < kDip) {
    const double y = phase / kDip;
    return 1 - depth * y * y * (3 - 2 * y);
  }
  const double x = std::min((phase - kDip) / 0.5, 1.0);  // back up within half a beat
  return 1 - depth * (1 - x * x * (3 - 2 * x));
}

}  // namespace art::music
