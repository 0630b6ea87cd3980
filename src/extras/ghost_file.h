// The ghost of a lap on disk: every frame of the lap (where the car was, its heading and which
// of its pictures showed), with a magic word, a format version and a checksum, so an old,
// truncated or damaged file is known as such and never shown.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game {

struct GhostFrame {
  float x = 0, y = 0;   // the car's centre on the map
  float heading = 0;    // degrees, as the race state keeps it
  std::uint8_t sprite;  // 0..5 the car's pictures, 6 the arrow-zone marker
};

struct GhostLap {
  std::uint32_t lapMs = 0;  // the lap's time as the game showed it
  std::vector<GhostFrame> frames;
};

inline constexpr std::uint32_t kGhostVersion = 1;

std::string ghostBytes(const GhostLap& lap);
// The lap of a file's bytes; nothing, with the reason, when they are not a ghost of this version.
std::optional<GhostLap> ghostFromBytes(const std::string& bytes, std::string* why);

// The ghost file of a track and a car in the player's Data folder ("/Data/ghost-...bin"):
// letters and digits kept, lowercase, every other byte spelt in hex, so any word makes a safe
// name.
std::string ghostFileName(const std::string& track, const std::string& car);

// Reads a ghost file; a missing one is no ghost, silently; a bad one costs one line on standard
// error.
std::optional<GhostLap> readGhost(const std::string& path);
// Writes it through a temporary file renamed over it; one line on standard error on failure.
bool writeGhost(const std::string& path, const GhostLap& lap);

}  // namespace game
