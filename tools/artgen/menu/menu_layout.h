// What each menu page shows: its click areas and game-drawn fields in page pixels, with their
// labels in both languages, the captions written beside them and the page's title.
#pragma once
#include <string>
#include <vector>

#include "menu/menu_style.h"

namespace art::menu {

enum class Lang { Cz, Ang };
constexpr Lang kLangs[] = {Lang::Cz, Lang::Ang};
inline const char* code(Lang l) {
  return l == Lang::Cz ? "cz" : "ang";
}

struct Words {
  const char* cz;
  const char* ang;
  std::string in(Lang l) const { return l == Lang::Cz ? cz : ang; }
};

// Small pictures drawn on buttons (and, large and faint, as page decoration).
enum class Icon {
  None,
  ArrowUp,
  ArrowDown,
  Play,
  Gear,
  Info,
  Power,
  Next,
  Monitor,
  Speaker,
  Globe,
  Gauge,
  FlagCz,
  FlagUk,
  Person,
  Trophy,
  Crate,
  Chequered,
  Road,
  Cone,
  Viper,
  Porsche,
  Ferari,
  Truck,
  Check,
  Start,
  Wheel
};

enum class Track { Village, City, ChampionshipVillage, Parking, Circuit };

enum class Kind {
  Button,      // a bevelled button with label and icon
  Field,       // a label the game writes into: a calm sunken field
  WhiteField,  // the name field the game draws itself, white
  Viewport,    // where the game shows the info picture
  Volume,      // one bar of the volume staircase; level 0..7
  Slot,        // a colour slot the game loads a car swatch into
  Track,       // an aerial picture of a track with its name
  Value,       // a summary row the game writes a value into
};

struct Area {
  std::string name;  // the control's name in the game
  Rect rect;         // page pixels, as the game places the control
  Kind kind;
  Words label{"", ""};
  Icon icon = Icon::None;
  int level = 0;  // Volume: 0..7; Slot: colour index 0..4
  Track track = Track::Village;
};

enum class Align { Left, Centre, Right };

struct Caption {
  Words text;
  double x, y;  // baseline; x is the left end, centre or right end by align
  Align align = Align::Left;
  double size = 10;
  bool bold = true;
  bool dim = false;  // a quieter hint
};

struct Decor {
  Icon icon = Icon::None;
  double cx = 0, cy = 0, size = 0;
};

struct PageSpec {
  std::string file;  // "0".."16" or "vyuka", below "/gfx/menu/<lang>/"
  int width = 155, height = 200;
  Words title{"", ""};
  std::vector<Area> areas;
  std::vector<Caption> captions;
  std::vector<Decor> decor;
  // Rows of the colour page's name hints: small coloured chips joined to their slots.
  bool colourHints = false;
};

// Every page picture the menu loads, in both languages.
const std::vector<PageSpec>& pageSpecs();
const PageSpec& pageSpec(const std::string& file);
const Area& area(const PageSpec& page, const std::string& name);

// How far a click area may reach past its page: the game's own layout lets a few areas overhang
// by a pixel or three (they are clipped by the page); more than this is a layout error.
constexpr int kMaxOverhang = 3;

}  // namespace art::menu
