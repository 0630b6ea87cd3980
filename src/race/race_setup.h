// The race set-up (the race window's load), the start procedures of the three track families
// and the start-light countdown.
#pragma once
#include <string>

namespace game {

class Race;
struct RaceState;

// Configures the race from the selection record and the settings, then calls the start
// procedure of the track family, which enters the frame loop.
void RaceSetup(Race& race);

void StartVillage(Race& race);
void StartCity(Race& race);
void StartCircuit(Race& race);

// One tick of the start lights (`Timer3`).
void CountdownTick(Race& race);

// The handling of a car on a difficulty: `TurnRate` and `SpeedScale`. False when the pair is
// not in the table (the values are then left alone).
bool HandlingFor(const std::string& car, const std::string& difficulty, double* turnRate,
                 double* speedScale);

// Folder names of the car pictures: "viper", "porsche", "ferari"; "blue", "red", "green",
// "yellow", "White". "" when the selection names no such car or colour.
std::string CarFolder(const std::string& car);
std::string ColourFolder(const std::string& colour);

// The opponent's look k (0 to kOpponentLookCount - 1, drawn at random for every race): its car
// picture and its minimap picture.
inline constexpr int kOpponentLookCount = 12;
struct OpponentLookFiles {
  std::string car, mini;
};
OpponentLookFiles OpponentLook(int k);

// Loads the pictures built into the race window.
// Starts decoding the selected track's largest pictures ahead of the set-up that loads them.
void PrefetchTrack(Race& race);
void LoadBuiltInPictures(Race& race);

}  // namespace game
