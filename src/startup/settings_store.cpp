#include "startup/settings_store.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <utility>
#include <vector>

#include "services/errors.h"
#include "services/ini_file.h"
#include "services/process.h"

namespace game {

namespace {
constexpr int kWindowWidth = 372;
constexpr int kWindowHeight = 214;
// Values arrive through a buffer of ten characters: at most nine of them.
constexpr std::size_t kSettingValueBuffer = 10;
}  // namespace

SettingsStore::SettingsStore(svc::Runtime& runtime)
    : runtime_(runtime),
      form_("ini", runtime.ui(), svc::WindowSlot::Tool),
      options_(runtime.path(kOptionsFile)),
      records_(runtime.path(kRecordsFile)) {
  build();
  runtime_.addForm(form_);
}

void SettingsStore::build() {
  form_.caption = "internet - počítadlo";
  form_.resize(kWindowWidth, kWindowHeight);
  form_.setBackColor(svc::rgb(212, 208, 200));
  // Two columns of five fields, in key order.
  for (std::size_t i = 0; i < kSettingKeys.size(); ++i) {
    const int column = int(i / 5), row = int(i % 5);
    svc::TextBox& field =
        form_.addTextBox("Text" + std::to_string(i + 1), "Text" + std::to_string(i + 1),
                         12 + column * 180, 34 + row * 27, 168, 22);
    field.style.size = 12;
  }
  const char* labels[] = {"Label1", "Label2", "Label3"};
  for (int i = 0; i < 3; ++i) {
    svc::Label& l = form_.addLabel(labels[i], labels[i], 12 + i * 120, 8, 110, 18);
    l.foreColor = svc::rgb(0, 0, 0);
    l.style.size = 12;
  }
  struct ButtonDef {
    const char* name;
    const char* caption;
    int left, width;
  };
  const ButtonDef buttons[] = {{"Command1", "Ulož", 12, 64},
                               {"Command2", "Načti", 82, 64},
                               {"Command3", "Vymaž textová pole", 152, 136},
                               {"Command4", "Konec", 294, 66}};
  for (const auto& b : buttons) {
    svc::Button& button = form_.addButton(b.name, b.caption, b.left, 176, b.width, 26);
    button.style.size = 12;
  }
  form_.button("Command1").mouse.click = [this] { save(); };
  form_.button("Command2").mouse.click = [this] { load(); };
  form_.button("Command3").mouse.click = [this] {
    for (const auto& k : kSettingKeys) set(k.key, "");
  };
  // Ends at once: no unload, so nothing is saved and the display mode is left as it is.
  form_.button("Command4").mouse.click = [] { throw svc::ProgramEnd{false}; };
}

void SettingsStore::load() {
  svc::changeDirectory(runtime_.programFolder());
  // The ten reads in key order, from one reading of the file.
  svc::ProfileValues keys;
  for (const auto& k : kSettingKeys) keys.emplace_back(k.key, k.fallback);
  const std::vector<std::string> values =
      svc::getProfileStrings(filePath(), kSettingsSection, keys, kSettingValueBuffer);
  for (std::size_t i = 0; i < kSettingKeys.size(); ++i) set(kSettingKeys[i].key, values[i]);
  options_.load();
  runtime_.keyBindings() = keyBindingsFrom(options_);
  const std::string scale = options_.get("scale");
  runtime_.presenter().setWindowScale(scale == "auto" ? 0 : std::stoi(scale),
                                      options_.on("smooth"));
  if (svc::WindowRect place; options_.windowPlace(&place))
    runtime_.presenter().openMainWindowAt(place);
  records_.load();
  if (showMenu) showMenu();
  // The start-up window stands above the menu once its load has finished.
  form_.show();
}

bool SettingsStore::save() {
  svc::ProfileValues values;
  for (const auto& k : kSettingKeys) values.emplace_back(k.key, get(k.key));
  std::string error;
  if (svc::writeProfileStrings(filePath(), kSettingsSection, values, &error)) {
    // The options follow in a file of their own beside it; a failure there costs a line of its
    // own, never the settings. When the settings themselves could not be written, the player
    // has been told why the folder keeps nothing. The window's place goes with them, so the
    // next run (the one after a race too) opens where this one was.
    if (svc::WindowRect place; runtime_.presenter().mainWindowRect(&place))
      options_.setWindowPlace(place);
    options_.save();
    return true;
  }
  // The game goes on with its live values; the player learns why they were not kept.
  std::fprintf(stderr, "Drovanta: %s\n", error.c_str());
  return false;
}

void SettingsStore::unload() {
  save();
  form_.unload();
}

svc::TextBox& SettingsStore::field(const std::string& key) const {
  for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
    if (key == kSettingKeys[i].key) return form_.textBox("Text" + std::to_string(i + 1));
  throw std::out_of_range("no settings value " + key);
}

std::string SettingsStore::get(const std::string& key) const {
  return field(key).text();
}

void SettingsStore::set(const std::string& key, const std::string& value) {
  field(key).setText(value);
}

std::optional<int> SettingsStore::musicVolume() const {
  const std::string text = get("hlasitost");
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return std::nullopt;
  return int(v);
}

}  // namespace game
