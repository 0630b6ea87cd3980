// Writes the two music loops. Each is checked as a player will hear it: decoded back from the
// MP3, it must keep its exact length, never clip, have no silent stretch and loop without a
// jump in level or a click.
#include <cstdio>
#include <stdexcept>

#include "art.h"
#include "checks.h"
#include "mp3.h"
#include "songs.h"

namespace art::music {
namespace {

void writeLoop(const Context& ctx, const char* file, Song (*compose)()) {
  const Song song = compose();
  const Stereo& pcm = song.audio;
  const std::string mp3 = encodeMp3(pcm);
  const Stereo heard = decodeMp3(mp3);
  if (heard.frames() != pcm.frames())
    throw std::runtime_error(std::string(file) + ": decoded length " +
                             std::to_string(heard.frames()) + " differs from " +
                             std::to_string(pcm.frames()) + " samples");
  const LoopReport report = measure(heard, song.barFrames);
  enforce(report, LoopRules{}, file);
  ctx.writeText(file, mp3);
  std::printf("music: %s %s\n", file, summary(report).c_str());
}

void writeMusic(const Context& ctx) {
  writeLoop(ctx, "/music/menu.mp3", &menuLoop);
  writeLoop(ctx, "/music/0.mp3", &raceLoop);
}

}  // namespace
}  // namespace art::music

ARTGEN_MODULE("music", art::music::writeMusic);
