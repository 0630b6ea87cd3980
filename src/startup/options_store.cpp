#include "startup/options_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <utility>

#include "services/ini_file.h"

namespace game {

namespace {
// Long enough for any option's value; longer text is cut, then refused as not a value.
constexpr std::size_t kOptionValueBuffer = 256;
// What a read returns for a key the file lacks: no option takes it as a value.
constexpr const char* kMissing = "\x01";
}  // namespace

svc::KeyBindings keyBindingsFrom(const OptionsStore& options) {
  svc::KeyBindings bindings;
  for (const KeyAction& action : kKeyActions) {
    const std::string& value = options.get(action.option);
    std::vector<int> keys;
    std::string problem;
    std::size_t at = 0;
    while (problem.empty() && at <= value.size()) {
      std::size_t comma = value.find(',', at);
      if (comma == std::string::npos) comma = value.size();
      std::string name = value.substr(at, comma - at);
      name.erase(0, name.find_first_not_of(" \t"));
      name.erase(name.find_last_not_of(" \t") + 1);
      const int key = svc::virtualKeyByName(name);
      if (key == 0) problem = "no key is named \"" + name + "\"";
      keys.push_back(key);
      at = comma + 1;
    }
    if (problem.empty() && keys.size() > 2) problem = "more than two keys";
    if (!problem.empty()) {
      std::fprintf(stderr, "Drovanta: %s: [keys] %s = \"%s\": %s; it keeps %s\n",
                   options.path().c_str(), action.option, value.c_str(), problem.c_str(),
                   svc::keyName(action.key).c_str());
      continue;
    }
    if (keys.size() != 1 || keys[0] != action.key) bindings.bind(action.key, keys);
  }
  return bindings;
}

bool optionAllows(const OptionKey& option, const std::string& value) {
  if (option.allowed.empty()) return true;
  return std::any_of(option.allowed.begin(), option.allowed.end(),
                     [&](const char* a) { return value == a; });
}

OptionsStore::OptionsStore(std::string path) : path_(std::move(path)) {
  for (const OptionKey& o : kOptionKeys) values_.emplace_back(o.fallback);
}

void OptionsStore::load() {
  // One reading of the file for each section.
  std::map<std::string, std::vector<std::size_t>> sections;
  for (std::size_t i = 0; i < kOptionKeys.size(); ++i)
    sections[kOptionKeys[i].section].push_back(i);
  for (const auto& [section, indices] : sections) {
    svc::ProfileValues keys;
    for (std::size_t i : indices) keys.emplace_back(kOptionKeys[i].key, kMissing);
    const std::vector<std::string> read =
        svc::getProfileStrings(path_, section, keys, kOptionValueBuffer);
    for (std::size_t n = 0; n < indices.size(); ++n) {
      const OptionKey& o = kOptionKeys[indices[n]];
      std::string& value = values_[indices[n]];
      value = o.fallback;
      if (read[n] == kMissing) continue;
      if (optionAllows(o, read[n])) {
        value = read[n];
        continue;
      }
      std::fprintf(stderr, "Drovanta: %s: [%s] %s = \"%s\" is not a value it takes; using \"%s\"\n",
                   path_.c_str(), o.section, o.key, read[n].c_str(), o.fallback);
    }
  }
}

bool OptionsStore::save() const {
  std::map<std::string, svc::ProfileValues> sections;
  for (std::size_t i = 0; i < kOptionKeys.size(); ++i) {
    // What the game has not learnt yet (the window's place) is not written.
    if (values_[i].empty() && !*kOptionKeys[i].fallback) continue;
    sections[kOptionKeys[i].section].emplace_back(kOptionKeys[i].key, values_[i]);
  }
  for (const auto& [section, values] : sections) {
    std::string error;
    if (svc::writeProfileStrings(path_, section, values, &error)) continue;
    std::fprintf(stderr, "Drovanta: %s\n", error.c_str());
    return false;
  }
  return true;
}

std::size_t OptionsStore::index(const std::string& key) const {
  for (std::size_t i = 0; i < kOptionKeys.size(); ++i)
    if (key == kOptionKeys[i].key) return i;
  throw std::out_of_range("no option " + key);
}

const std::string& OptionsStore::get(const std::string& key) const {
  return values_[index(key)];
}

bool OptionsStore::set(const std::string& key, const std::string& value) {
  const std::size_t i = index(key);
  if (!optionAllows(kOptionKeys[i], value)) return false;
  values_[i] = value;
  return true;
}

bool OptionsStore::windowPlace(svc::WindowRect* out) const {
  const std::string& text = get("place");
  if (text.empty()) return false;
  long v[4] = {};
  const char* p = text.c_str();
  bool good = true;
  for (int i = 0; i < 4 && good; ++i) {
    char* end = nullptr;
    errno = 0;
    v[i] = std::strtol(p, &end, 10);
    good = end != p && errno != ERANGE && v[i] > -100000 && v[i] < 100000 &&
           *end == (i < 3 ? ',' : '\0');
    p = end + (i < 3 ? 1 : 0);
  }
  // A window too small to use is no place to come back to.
  if (good && (v[2] < 64 || v[3] < 48)) good = false;
  if (!good) {
    std::fprintf(stderr,
                 "Drovanta: %s: [window] place = \"%s\" is not x,y,width,height; the window "
                 "opens as the scale says\n",
                 path_.c_str(), text.c_str());
    return false;
  }
  *out = {int(v[0]), int(v[1]), int(v[2]), int(v[3])};
  return true;
}

void OptionsStore::setWindowPlace(const svc::WindowRect& r) {
  values_[index("place")] = std::to_string(r.x) + "," + std::to_string(r.y) + "," +
                            std::to_string(r.width) + "," + std::to_string(r.height);
}

}  // namespace game
