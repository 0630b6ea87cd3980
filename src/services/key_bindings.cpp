#include "services/key_bindings.h"

#include <array>
#include <cctype>
#include <utility>

namespace svc {

namespace {

// The named keys besides letters, digits and F1-F12, as SDL names them.
// clang-format off
const std::array<std::pair<const char*, int>, 24> kNamed{{
    {"Left", 37}, {"Up", 38}, {"Right", 39}, {"Down", 40},
    {"Escape", 27}, {"Return", 13}, {"Backspace", 8}, {"Tab", 9}, {"Space", 32},
    {"Delete", 46}, {"Home", 36}, {"End", 35},
    {"Keypad +", 107}, {"Keypad -", 109}, {"Keypad *", 106}, {"Keypad /", 111},
    {"Keypad Enter", 13}, {"Left Shift", 16}, {"Right Shift", 16}, {"Left Ctrl", 17},
    {"Right Ctrl", 17}, {"Left Alt", 18}, {"Right Alt", 18}, {"Keypad 0", 96},
}};
// clang-format on

bool sameKeyName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

int virtualKeyByName(std::string_view name) {
  if (name.size() == 1) {
    const char c = char(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
  }
  for (int n = 1; n <= 12; ++n)
    if (sameKeyName(name, "F" + std::to_string(n))) return 111 + n;
  for (int n = 1; n <= 9; ++n)
    if (sameKeyName(name, "Keypad " + std::to_string(n))) return 96 + n;
  for (const auto& [named, code] : kNamed)
    if (sameKeyName(name, named)) return code;
  return 0;
}

std::string keyName(int key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  if (key >= 112 && key <= 123) return "F" + std::to_string(key - 111);
  if (key >= 97 && key <= 105) return "Keypad " + std::to_string(key - 96);
  for (const auto& [named, code] : kNamed)
    if (code == key) return named;
  return "";
}

void KeyBindings::bind(int key, const std::vector<int>& physical) {
  for (int p : physical) {
    bound_[p] = key;
    released_.erase(p);
  }
  if (!bound_.count(key)) released_.insert(key);
}

int KeyBindings::translate(int physical) const {
  if (auto it = bound_.find(physical); it != bound_.end()) return it->second;
  return released_.count(physical) ? 0 : physical;
}

}  // namespace svc
