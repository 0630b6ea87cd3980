// Writes the sound effects, each checked before it is written.
#include <cstdio>

#include "art.h"
#include "sound/effects.h"

namespace art::sound {
namespace {

void writeSounds(const Context& ctx) {
  for (const Effect& e : synthesizeEffects()) {
    const EffectReport report = measure(e);
    enforce(report, EffectRules{}, e);
    ctx.writeText(e.file, wavBytes(e.samples));
    std::printf("sound: %s %s\n", e.file.c_str(), summary(report, e.loop).c_str());
  }
}

}  // namespace
}  // namespace art::sound

ARTGEN_MODULE("sound", art::sound::writeSounds);
