// The executable's folder from SDL, which finds it the way each operating system allows, and
// the folder for the player's files.
#include "services/sdl_executable_folder.h"

#include <SDL.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace svc {

namespace {

std::string withoutTrailingSlash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// Whether a file or folder exists, its owner may write it, and this process may too.
bool writable(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return (st.st_mode & S_IWUSR) && ::access(path.c_str(), W_OK) == 0;
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool dataWritable(const std::string& folder) {
  const std::string data = folder + "/Data";
  if (!exists(data)) return writable(folder);
  if (!writable(data)) return false;
  const std::string settings = data + "/snow.ini";
  return !exists(settings) || writable(settings);
}

}  // namespace

std::string executableFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return ".";
  std::string folder = base;
  SDL_free(base);
  return withoutTrailingSlash(folder);
}

std::string playerDataFolder(const std::string& programFolder) {
  if (dataWritable(programFolder)) return programFolder;
  char* pref = SDL_GetPrefPath("", "drovanta");
  if (!pref) {
    std::fprintf(stderr,
                 "Drovanta: %s/Data cannot be written and there is no folder for the "
                 "player's files (%s); nothing will be kept\n",
                 programFolder.c_str(), SDL_GetError());
    return programFolder;
  }
  const std::string folder = withoutTrailingSlash(pref);
  SDL_free(pref);
  namespace fs = std::filesystem;
  const fs::path data = fs::path(folder) / "Data";
  std::error_code ec;
  if (!fs::exists(data, ec)) {
    // The first start: the delivered files are the player's first settings. Copied into a
    // folder of another name and renamed, so a start cut short never leaves half of them.
    const fs::path seeding = fs::path(folder) / "Data.seeding";
    fs::remove_all(seeding, ec);
    fs::create_directories(seeding, ec);
    for (const auto& entry : fs::directory_iterator(fs::path(programFolder) / "Data", ec)) {
      if (!entry.is_regular_file()) continue;
      const fs::path to = seeding / entry.path().filename();
      fs::copy_file(entry.path(), to, ec);
      if (!ec) fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, ec);
      if (ec) break;
    }
    if (!ec) fs::rename(seeding, data, ec);
    if (ec) {
      std::fprintf(stderr, "Drovanta: cannot set up %s: %s\n", data.c_str(), ec.message().c_str());
      fs::remove_all(seeding, ec);
      fs::create_directories(data, ec);
    }
  }
  return folder;
}

}  // namespace svc
