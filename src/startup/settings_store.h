// The start-up window `ini`: it holds the ten settings values for the whole run in its ten text
// fields, reads them from the settings file at start, writes them back when it is unloaded or
// its "Ulož" button is pressed, and opens the menu.
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "services/form.h"
#include "services/runtime.h"
#include "startup/options_store.h"
#include "startup/records_store.h"

namespace game {

// The keys in the fixed order in which they are read and written, with the default passed to
// each read (the words of one sentence; only the first is a meaningful value).
struct SettingKey {
  const char* key;
  const char* fallback;
};
inline constexpr std::array<SettingKey, 10> kSettingKeys{{
    {"Rozliseni", "800*600"},
    {"hrac", "Tento"},
    {"jazyk", "program"},
    {"Obtiznost", "je"},
    {"unlockmody", "udělán"},
    {"unlockauta", "speciálně"},
    {"rez1", "pro"},
    {"runing", "Omreše"},
    {"zkuky", "Zbudného"},
    {"hlasitost", ":-)))"},
}};

inline constexpr const char* kSettingsSection = "dv";
inline constexpr const char* kSettingsFile = "/Data/snow.ini";

class SettingsStore {
 public:
  explicit SettingsStore(svc::Runtime& runtime);

  svc::Form& form() { return form_; }

  // The start-up load (also run by "Načti"): current directory, the ten reads, then the menu.
  void load();
  // Writes the ten values to the settings file (unload and "Ulož"). Returns false when the file
  // could not be written, after one line on standard error naming the file and the reason; the
  // live values stay as they are either way.
  bool save();
  // Unloads the window on the way out: saves, then closes it.
  void unload();

  // Live values by key name. An unknown key is a programming error (std::out_of_range).
  std::string get(const std::string& key) const;
  void set(const std::string& key, const std::string& value);

  // The language folder of the pictures: "cz" for Czech, "ang" for every other `jazyk` (the
  // settings file's default word names no folder, and a game must not end over a picture).
  std::string pictureLanguage() const { return get("jazyk") == "cz" ? "cz" : "ang"; }

  // The music volume as the players take it: `hlasitost` read as a whole number (hundredths of a
  // decibel), or nothing when it is not one (the player then stays at its volume).
  std::optional<int> musicVolume() const;

  std::string filePath() const { return runtime_.path(kSettingsFile); }

  // The options beyond the ten values: read with them at start and written whenever they are.
  OptionsStore& options() { return options_; }
  const OptionsStore& options() const { return options_; }
  // The player's records, read at start.
  RecordsStore& records() { return records_; }
  const RecordsStore& records() const { return records_; }

  // Loads the menu window the first time and brings it forward afterwards.
  std::function<void()> showMenu;

 private:
  svc::TextBox& field(const std::string& key) const;
  void build();

  svc::Runtime& runtime_;
  svc::Form form_;
  OptionsStore options_;
  RecordsStore records_;
};

}  // namespace game
