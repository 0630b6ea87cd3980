// The short form of a path: each component replaced by the file system's short alternative name
// where it keeps one (FAT's 8.3 aliases, read from the kernel's vfat driver), unchanged elsewhere.
#include "pathkin.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <strings.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kMaxPath = 256;
constexpr long kFatMagic = 0x4d44;  // MSDOS_SUPER_MAGIC

// The short alias of name in directory dir, when dir is on a FAT file system that keeps one.
bool fatShortName(const std::string& dir, const std::string& name, std::string* alias) {
  struct statfs fs {};
  if (::statfs(dir.c_str(), &fs) != 0 || fs.f_type != kFatMagic) return false;
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  bool found = false;
  struct __fat_dirent entries[2];
  for (;;) {
    std::memset(entries, 0, sizeof entries);
    const int r = ::ioctl(fd, VFAT_IOCTL_READDIR_BOTH, entries);
    if (r <= 0 || entries[0].d_reclen == 0) break;
    const char* shortName = entries[0].d_name;
    const char* longName = entries[1].d_name[0] ? entries[1].d_name : shortName;
    // FAT looks names up without regard to case.
    if (::strcasecmp(longName, name.c_str()) == 0 || ::strcasecmp(shortName, name.c_str()) == 0) {
      *alias = shortName;
      found = true;
      break;
    }
  }
  ::close(fd);
  return found;
}

// The short form of path, or false when it cannot be made in full.
bool shortForm(const char* path, std::string* out) {
  const std::string in(path);
  if (in.empty() || in.size() > kMaxPath) return false;
  std::string result, sofar;
  std::size_t i = 0;
  if (in[0] == '/') {
    result = sofar = "/";
    i = 1;
  }
  while (i <= in.size()) {
    std::size_t j = in.find('/', i);
    if (j == std::string::npos) j = in.size();
    const std::string part = in.substr(i, j - i);
    const std::string sep = j < in.size() ? "/" : "";
    if (part.empty() || part == "." || part == "..") {
      // Separators and the dot names stay as they are.
      result += part + sep;
      sofar += part + sep;
    } else {
      const std::string dir = sofar.empty() ? "." : sofar;
      const std::string full = sofar + part;
      struct stat st {};
      if (::lstat(full.c_str(), &st) != 0) return false;  // every component must exist
      std::string alias;
      result += (fatShortName(dir, part, &alias) ? alias : part) + sep;
      sofar = full + sep;
    }
    i = j + 1;
  }
  if (result.size() > kMaxPath) return false;
  *out = result;
  return true;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) char* GetShortPath(char* path) {
  if (!path) return path;
  std::string result;
  if (!shortForm(path, &result)) return path;
  // The caller's buffer has no size: it holds at least the path it gave and its terminator.
  if (result.size() > std::strlen(path)) return path;
  std::memcpy(path, result.c_str(), result.size() + 1);
  return path;
}
