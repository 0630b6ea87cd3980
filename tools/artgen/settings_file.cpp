// The settings file delivered with the game, and the fonts the game draws its texts with.
#include <filesystem>

#include "art.h"

namespace {

void writeSettings(const art::Context& ctx) {
  // A fresh install starts windowed, in English, with the music on at full volume and
  // nothing unlocked. rez1 "true" marks the first start as a fresh one.
  ctx.writeText("/Data/snow.ini",
                "[dv]\n"
                "Rozliseni=0\n"
                "hrac=Driver\n"
                "jazyk=ang\n"
                "Obtiznost=0\n"
                "unlockmody=0\n"
                "unlockauta=0\n"
                "rez1=true\n"
                "runing=0\n"
                "zkuky=1\n"
                "hlasitost=0\n");
}

void copyFonts(const art::Context& ctx) {
  for (const char* f : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
    ctx.copyFile(ctx.fontDir + "/" + f, std::string("/fonts/") + f);
  // The DejaVu licence travels with the fonts (some minimal systems strip package docs).
  const std::string licence = "/usr/share/doc/fonts-dejavu-core/copyright";
  if (std::filesystem::exists(licence))
    ctx.copyFile(licence, "/fonts/LICENSE");
  else
    ctx.writeText("/fonts/LICENSE",
                  "DejaVu fonts: Bitstream Vera derived, free licence; see "
                  "https://dejavu-fonts.github.io/License.html\n");
}

}  // namespace

ARTGEN_MODULE("settings", writeSettings);
ARTGEN_MODULE("fonts", copyFonts);
