// Loop measurements and rules.
#include "checks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "dsp.h"

namespace art::music {

namespace {
double rmsDb(const Stereo& a, std::size_t from, std::size_t to) {
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += double(a.l[i]) * a.l[i] + double(a.r[i]) * a.r[i];
  return to > from ? gainToDb(std::sqrt(sum / double(2 * (to - from)))) : gainToDb(0);
}
std::string fmt(const char* f, double v) {
  char b[64];
  std::snprintf(b, sizeof b, f, v);
  return b;
}
}  // namespace

LoopReport measure(const Stereo& a, std::size_t barFrames) {
  LoopReport r;
  const std::size_t n = a.frames();
  r.seconds = double(n) / kRate;
  for (std::size_t i = 0; i < n; ++i)
    r.peak = std::max({r.peak, double(std::fabs(a.l[i])), double(std::fabs(a.r[i]))});
  const std::size_t block = 5 * kRate;
  for (std::size_t at = 0; at < n; at += block)
    r.blockRmsDb.push_back(rmsDb(a, at, std::min(n, at + block)));
  const std::size_t edge = std::min<std::size_t>(kRate / 20, n);
  r.headRmsDb = rmsDb(a, 0, edge);
  r.tailRmsDb = rmsDb(a, n - edge, n);
  for (std::size_t at = barFrames; barFrames > 0 && at + edge <= n; at += barFrames)
    if (at >= edge)
      r.barLineDb =
          std::max(r.barLineDb, std::fabs(rmsDb(a, at, at + edge) - rmsDb(a, at - edge, at)));
  if (n >= 2) {
    double steps = 0;
    for (std::size_t i = 1; i < n; ++i)
      steps += std::fabs(a.l[i] - a.l[i - 1]) + std::fabs(a.r[i] - a.r[i - 1]);
    const double mean = steps / double(2 * (n - 1));
    auto step = [&](std::size_t to) {
      const std::size_t from = (to + n - 1) % n;
      const double s = std::max(std::fabs(a.l[to] - a.l[from]), std::fabs(a.r[to] - a.r[from]));
      return mean > 0 ? s / mean : 0;
    };
    r.seamStep = step(0);
    for (std::size_t at = barFrames; barFrames > 0 && at < n; at += barFrames)
      r.barLineStep = std::max(r.barLineStep, step(at));
  }
  return r;
}

void enforce(const LoopReport& r, const LoopRules& rules, const std::string& what) {
  auto fail = [&](const std::string& why) { throw std::runtime_error(what + ": " + why); };
  if (r.peak > rules.maxPeak) fail("clips: peak " + fmt("%.4f", r.peak));
  if (r.seconds < rules.minSeconds) fail("too short: " + fmt("%.2f s", r.seconds));
  for (std::size_t i = 0; i < r.blockRmsDb.size(); ++i)
    if (r.blockRmsDb[i] < rules.minBlockRmsDb)
      fail("silent stretch at " + fmt("%.0f s", double(i) * 5) + ": RMS " +
           fmt("%.1f dBFS", r.blockRmsDb[i]));
  if (std::fabs(r.headRmsDb - r.tailRmsDb) > r.barLineDb + rules.seamMarginDb)
    fail("level jumps at the loop seam: " + fmt("%.1f dB", r.tailRmsDb) + " before, " +
         fmt("%.1f dB", r.headRmsDb) + " after, bar lines change by " +
         fmt("%.1f dB at most", r.barLineDb));
  if (r.seamStep > std::max(rules.maxSeamStep, 1.5 * r.barLineStep))
    fail("clicks at the loop seam: a step of " + fmt("%.1f mean steps", r.seamStep));
}

std::string summary(const LoopReport& r) {
  std::string s =
      fmt("%.2f s, peak ", r.seconds) + fmt("%.1f dBFS, RMS per 5 s:", gainToDb(r.peak));
  for (double b : r.blockRmsDb) s += fmt(" %.1f", b);
  s += fmt(" dBFS, seam %.1f", r.tailRmsDb) + fmt(" -> %.1f dBFS", r.headRmsDb) +
       fmt(" (bar lines up to %.1f dB),", r.barLineDb) + fmt(" seam step %.1f", r.seamStep) +
       fmt(" (bar lines up to %.1f) x mean step", r.barLineStep);
  return s;
}

}  // namespace art::music
