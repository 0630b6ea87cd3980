// The player's options beyond the ten settings: `Data/options.ini`, beside the settings file.
// Read at start with a default for every option the file lacks; a value an option cannot take
// is one line on standard error and the default, never the end of the game or of any other
// option. Written with the settings, so an option changed in the menu is kept as they are.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "services/key_bindings.h"
#include "services/platform.h"

namespace game {

struct OptionKey {
  const char* section;
  const char* key;
  const char* fallback;
  // The values it takes; empty when any value goes.
  std::vector<const char*> allowed;
};

// Every option, in the order it is written.
// clang-format off
inline const std::array<OptionKey, 15> kOptionKeys{{
    {"options", "effects",    "1", {"0", "1"}},  // sound effects on or off
    {"options", "ghost",      "1", {"0", "1"}},  // the ghost of the best lap in races
    {"options", "scale",      "1", {"1", "2", "3", "auto"}},  // the window's first size
    {"options", "smooth",     "0", {"0", "1"}},  // scaled pictures filtered instead of sharp
    // The race's keys: one or two key names each, separated by a comma (see KeyAction).
    {"keys", "accelerate", "Up",       {}},
    {"keys", "brake",      "Down",     {}},
    {"keys", "left",       "Left",     {}},
    {"keys", "right",      "Right",    {}},
    {"keys", "pause",      "Escape",   {}},
    {"keys", "lights",     "L",        {}},
    {"keys", "minimap",    "M",        {}},
    {"keys", "statistics", "S",        {}},
    {"keys", "slower",     "Keypad +", {}},
    {"keys", "faster",     "Keypad -", {}},
    // Where the game's window stood and its size when the game last saved: "x,y,width,height"
    // (written by the game; none at first).
    {"window", "place",    "",         {}},
}};
// clang-format on

// The race's actions by their option name, with the key the race window hears for each.
struct KeyAction {
  const char* option;
  int key;  // virtual-key code
};
// clang-format off
inline constexpr std::array<KeyAction, 10> kKeyActions{{
    {"accelerate", 38}, {"brake", 40}, {"left", 37}, {"right", 39}, {"pause", 27},
    {"lights", 76}, {"minimap", 77}, {"statistics", 83}, {"slower", 107}, {"faster", 109},
}};
// clang-format on

inline constexpr const char* kOptionsFile = "/Data/options.ini";

class OptionsStore {
 public:
  // `path` is the options file's full path.
  explicit OptionsStore(std::string path);

  // Reads every option; missing ones take their defaults silently, bad ones with a line each.
  void load();
  // Writes every option, keeping whatever else the file holds. False (after one line on
  // standard error naming the file and the reason) when the file could not be written.
  bool save() const;

  // The live value of an option. An unknown key is a programming error (std::out_of_range).
  const std::string& get(const std::string& key) const;
  // A value the option cannot take is refused (false) and the option stays as it was.
  bool set(const std::string& key, const std::string& value);
  // An on/off option: "1" is on.
  bool on(const std::string& key) const { return get(key) == "1"; }

  const std::string& path() const { return path_; }

  // The kept window place, when the option holds one (a bad one is one line on standard error).
  bool windowPlace(svc::WindowRect* out) const;
  void setWindowPlace(const svc::WindowRect& r);

 private:
  std::size_t index(const std::string& key) const;
  std::string path_;
  std::vector<std::string> values_;
};

// The key bindings the options give: each action's keys by name. An action whose value names a
// key the game does not know, or more than two keys, keeps its own key, after one line on
// standard error naming what was wrong.
svc::KeyBindings keyBindingsFrom(const OptionsStore& options);

// Whether an option takes a value.
bool optionAllows(const OptionKey& option, const std::string& value);

}  // namespace game
