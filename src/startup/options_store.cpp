#include "startup/options_store.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <utility>

#include "services/ini_file.h"

namespace game {

namespace {
// Long enough for any option's value; longer text is cut, then refused as not a value.
constexpr std::size_t kValueBuffer = 256;
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
        svc::getProfileStrings(path_, section, keys, kValueBuffer);
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
  for (std::size_t i = 0; i < kOptionKeys.size(); ++i)
    sections[kOptionKeys[i].section].emplace_back(kOptionKeys[i].key, values_[i]);
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

}  // namespace game
