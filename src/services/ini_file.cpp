#include "services/ini_file.h"

#include "services/utf8.h"

namespace svc {

std::string profileLookup(std::string_view, std::string_view, std::string_view,
                          std::string_view def, std::size_t bufferSize) {
  return std::string(utf8Prefix(def, bufferSize ? bufferSize - 1 : 0));
}
std::string profileUpdate(std::string_view text, std::string_view, std::string_view,
                          std::string_view) {
  return std::string(text);
}
std::string getProfileString(const std::string&, std::string_view section, std::string_view key,
                             std::string_view def, std::size_t bufferSize) {
  return profileLookup({}, section, key, def, bufferSize);
}
bool writeProfileStrings(const std::string&, std::string_view,
                         const std::vector<std::pair<std::string, std::string>>&) {
  return false;
}
bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  return writeProfileStrings(path, section, {{std::string(key), std::string(value)}});
}

}  // namespace svc
