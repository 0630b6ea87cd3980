// artgen --out PROGRAM_FOLDER --fonts FONT_FOLDER [--only NAME]: runs every art module.
// artgen --sound-pictures DIR: pictures of every sound effect, for looking at them.
// artgen --plot-csv IN.csv OUT.png TITLE: a line plot of measured series.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "art.h"
#include "sound/pictures.h"

int main(int argc, char** argv) {
  try {
    if (argc == 3 && !std::strcmp(argv[1], "--sound-pictures")) {
      art::sound::renderEffectPictures(argv[2]);
      return 0;
    }
    if (argc == 5 && !std::strcmp(argv[1], "--plot-csv")) {
      art::sound::plotCsv(argv[2], argv[3], argv[4]);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  art::Context ctx;
  std::string only;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--out"))
      ctx.outDir = argv[i + 1];
    else if (!std::strcmp(argv[i], "--fonts"))
      ctx.fontDir = argv[i + 1];
    else if (!std::strcmp(argv[i], "--only"))
      only = argv[i + 1];
  }
  if (ctx.outDir.empty() || ctx.fontDir.empty()) {
    std::fprintf(stderr, "usage: artgen --out PROGRAM_FOLDER --fonts FONT_FOLDER [--only NAME]\n");
    return 2;
  }
  auto mods = art::modules();
  std::sort(mods.begin(), mods.end(), [](auto& a, auto& b) { return a.name < b.name; });
  for (const auto& m : mods) {
    if (!only.empty() && m.name != only) continue;
    try {
      m.run(ctx);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "artgen: %s: %s\n", m.name.c_str(), e.what());
      return 1;
    }
  }
  // Cairo and fontconfig keep caches to the end of the process; hand them back so that the
  // sanitizer build's leak check sees only our own allocations.
  cairo_debug_reset_static_data();
  FcFini();
  return 0;
}
