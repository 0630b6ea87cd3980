// The file forms of the INI reader and writer: whole-file reads, and saves that replace the file
// atomically through one temporary file beside it.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "services/ini_encoding.h"
#include "services/ini_file.h"

namespace svc {

namespace {

std::string reasonOf(int err) {
  return std::strerror(err);
}

// The whole file into bytes; 0, or the errno of the failure (ENOENT when it is missing).
int readFile(const std::string& path, std::string* bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  // Only a regular file: a pipe or a device in its place must not hang or flood the game.
  struct stat st {};
  int err = 0;
  if (::fstat(fd, &st) != 0) {
    err = errno;
  } else if (S_ISDIR(st.st_mode)) {
    err = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    err = EINVAL;
  }
  if (err) {
    ::close(fd);
    return err;
  }
  bytes->clear();
  bytes->reserve(std::size_t(st.st_size));
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      ::close(fd);
      return err;
    }
    bytes->append(chunk, std::size_t(n));
  }
  ::close(fd);
  return 0;
}

// The text of the file, or empty text when it cannot be read.
DecodedText readText(const std::string& path) {
  std::string bytes;
  if (readFile(path, &bytes) != 0) return {};
  return decodeText(bytes);
}

bool writeAll(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += std::size_t(n);
  }
  return true;
}

// Replaces the file with bytes through the temporary file beside it. A leftover of a save that
// was killed is reused; one that another save holds (its lock) is left to it.
bool replaceFile(const std::string& path, const std::string& bytes, mode_t mode,
                 std::string* reason) {
  const std::string temp = path + ".saving";
  const int fd =
      ::open(temp.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) {
    *reason = "cannot create " + temp + ": " + reasonOf(errno);
    return false;
  }
  struct stat held {
  }, named{};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0 ||
      ::lstat(temp.c_str(), &named) != 0 || held.st_ino != named.st_ino ||
      held.st_dev != named.st_dev) {
    // Another save holds the temporary file, or renamed it away since we opened it.
    *reason = "another save of it is under way";
    ::close(fd);
    return false;
  }
  if (!S_ISREG(held.st_mode)) {
    *reason = temp + " is not a regular file";
    ::close(fd);
    return false;
  }
  // On the disk before the rename, so the new name never points at a half-written file.
  bool ok =
      ::ftruncate(fd, 0) == 0 && writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  if (!ok) {
    *reason = "cannot write " + temp + ": " + reasonOf(errno);
  } else if (std::rename(temp.c_str(), path.c_str()) != 0) {
    *reason = "cannot rename " + temp + " over it: " + reasonOf(errno);
    ok = false;
  }
  if (!ok) ::unlink(temp.c_str());
  ::close(fd);
  return ok;
}

}  // namespace

std::string getProfileString(const std::string& path, std::string_view section,
                             std::string_view key, std::string_view def, std::size_t bufferSize) {
  return profileLookup(readText(path).text, section, key, def, bufferSize);
}

std::vector<std::string> getProfileStrings(const std::string& path, std::string_view section,
                                           const ProfileValues& keysAndDefaults,
                                           std::size_t bufferSize) {
  return profileLookupAll(readText(path).text, section, keysAndDefaults, bufferSize);
}

ProfileValues getProfileSection(const std::string& path, std::string_view section,
                                std::size_t bufferSize) {
  return profileSection(readText(path).text, section, bufferSize);
}

bool writeProfileStrings(const std::string& path, std::string_view section,
                         const ProfileValues& values, std::string* error) {
  std::string reason;
  std::string bytes;
  mode_t mode = 0644;
  const int readError = readFile(path, &bytes);
  if (readError == 0) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
    // The owner's write bit is the player's "keep this file": root could replace it anyway.
    if (!(mode & S_IWUSR)) reason = "the file is read-only";
  } else if (readError != ENOENT) {
    reason = "cannot read it: " + reasonOf(readError);
  }
  if (reason.empty()) {
    DecodedText decoded = decodeText(bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    decoded.text = profileUpdateAll(decoded.text, section, values);
    if (replaceFile(path, encodeText(decoded), mode, &reason)) return true;
  }
  if (error) *error = "cannot save " + path + ": " + reason;
  return false;
}

bool writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value, std::string* error) {
  return writeProfileStrings(path, section, {{std::string(key), std::string(value)}}, error);
}

}  // namespace svc
