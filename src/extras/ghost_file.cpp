#include "extras/ghost_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace game {

namespace {

constexpr char kMagic[8] = {'D', 'R', 'V', 'G', 'H', 'O', 'S', 'T'};
constexpr std::size_t kHeader = 8 + 4 + 4 + 4;  // magic, version, lap, frames
constexpr std::size_t kFrame = 4 * 3 + 1;
// A lap longer than an hour of frames at any sensible rate is no lap.
constexpr std::uint32_t kMostFrames = 500000;

void put32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(char((v >> (8 * i)) & 0xff));
}
std::uint32_t get32(const std::string& in, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | std::uint8_t(in[at + std::size_t(i)]);
  return v;
}
void putFloat(std::string& out, float f) {
  std::uint32_t v;
  std::memcpy(&v, &f, 4);
  put32(out, v);
}
float getFloat(const std::string& in, std::size_t at) {
  const std::uint32_t v = get32(in, at);
  float f;
  std::memcpy(&f, &v, 4);
  return f;
}

// FNV-1a over the bytes before the checksum.
std::uint32_t checksum(const std::string& bytes, std::size_t length) {
  std::uint32_t h = 2166136261u;
  for (std::size_t i = 0; i < length; ++i) {
    h ^= std::uint8_t(bytes[i]);
    h *= 16777619u;
  }
  return h;
}

}  // namespace

std::string ghostBytes(const GhostLap& lap) {
  std::string out(kMagic, 8);
  put32(out, kGhostVersion);
  put32(out, lap.lapMs);
  put32(out, std::uint32_t(lap.frames.size()));
  for (const GhostFrame& f : lap.frames) {
    putFloat(out, f.x);
    putFloat(out, f.y);
    putFloat(out, f.heading);
    out.push_back(char(f.sprite));
  }
  put32(out, checksum(out, out.size()));
  return out;
}

std::optional<GhostLap> ghostFromBytes(const std::string& bytes, std::string* why) {
  auto fail = [why](const char* reason) {
    if (why) *why = reason;
    return std::nullopt;
  };
  if (bytes.size() < kHeader + 4 || std::memcmp(bytes.data(), kMagic, 8) != 0)
    return fail("not a ghost file");
  if (get32(bytes, 8) != kGhostVersion) return fail("a ghost of another version");
  const std::uint32_t count = get32(bytes, 16);
  if (count == 0 || count > kMostFrames || bytes.size() != kHeader + count * kFrame + 4)
    return fail("cut short or too long");
  if (get32(bytes, bytes.size() - 4) != checksum(bytes, bytes.size() - 4))
    return fail("damaged (its checksum does not match)");
  GhostLap lap;
  lap.lapMs = get32(bytes, 12);
  lap.frames.resize(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::size_t at = kHeader + i * kFrame;
    GhostFrame& f = lap.frames[i];
    f.x = getFloat(bytes, at);
    f.y = getFloat(bytes, at + 4);
    f.heading = getFloat(bytes, at + 8);
    f.sprite = std::uint8_t(bytes[at + 12]);
    if (f.sprite > 6 || !(f.x == f.x) || !(f.y == f.y) || !(f.heading == f.heading))
      return fail("damaged (a frame is out of range)");
  }
  return lap;
}

std::string ghostFileName(const std::string& track, const std::string& car) {
  auto safe = [](const std::string& word) {
    std::string out;
    for (unsigned char c : word) {
      if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        out.push_back(char(c));
      } else if (c >= 'A' && c <= 'Z') {
        out.push_back(char(c - 'A' + 'a'));
      } else {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", c);
        out += hex;
      }
    }
    return out;
  };
  return "/Data/ghost-" + safe(track) + "-" + safe(car) + ".bin";
}

std::optional<GhostLap> readGhost(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  std::string why;
  auto lap = ghostFromBytes(text.str(), &why);
  if (!lap) std::fprintf(stderr, "Drovanta: %s: %s; no ghost\n", path.c_str(), why.c_str());
  return lap;
}

bool writeGhost(const std::string& path, const GhostLap& lap) {
  const std::string temporary = path + ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << ghostBytes(lap);
    out.flush();
    if (!out) {
      std::fprintf(stderr, "Drovanta: cannot save %s: %s\n", path.c_str(), std::strerror(errno));
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "Drovanta: cannot save %s: %s\n", path.c_str(), std::strerror(errno));
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace game
