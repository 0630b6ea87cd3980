// The checks artgen runs on the City and the Circuit before it writes them; each throws
// std::runtime_error saying what is wrong, so a broken track fails the build. They work on
// plain pictures and positions, so the tests can hand them small broken tracks.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "art.h"
#include "geometry.h"

namespace art::city {

// The keys as the race start samples them.
struct Keys {
  Colour offTrack, arrow, wall, finish, guideMinus, guidePlus;
  Colour checkpoint[2];
  Colour switches[2];  // the (2, 2) pixel of each mask
};
// Reads the legend of both masks and checks it: every key distinct, the two masks agreeing on
// every key but their own switch, and the road colour `road` none of them.
Keys legendKeys(const Image& kon0, const Image& kon1, Colour road);

// What the game's bookkeeping does for a car driven through a list of world positions, frame
// by frame: checkpoints counted, sections switched, the finish line re-armed and crossed.
struct LapEvent {
  // FinishTouch: the car comes onto the finish line, armed or not.
  enum Kind { Checkpoint, SectionUp, Rearm, FinishTouch, Finish } kind;
  std::size_t frame;
  int count;   // checkpoints counted in the lap (after a checkpoint; at the finish, before reset)
  int colour;  // checkpoints: 0 for colour A, 1 for B
};
struct DriveState {
  int section = 0, next = 0, count = 0;
  bool armed = true;
};
std::vector<LapEvent> drive(const std::array<const Image*, 2>& kon, const Keys& keys,
                            const std::vector<Vec>& positions, DriveState state);

// A drive of `laps` laps checks out when every lap counts `perLap` checkpoints alternating
// from colour A, switches sections up once, re-arms the finish line once and comes onto it
// once, crossing it with the full count. `fromGrid`: the drive starts behind the line, so first
// comes a start crossing with nothing counted.
void checkLaps(const std::vector<LapEvent>& events, int laps, int perLap, bool fromGrid,
               const std::string& who);

// Direction signs: after each count the game shows a sign for, the picture's meaning must be
// the way the car is going there and the way the road goes next along `positions`.
enum class Heading { East, North, West, South };
struct SignRule {
  Heading in, out;  // equal: straight on
};
void checkSigns(const std::vector<LapEvent>& events, const std::vector<Vec>& positions,
                const std::function<int(int)>& signForCount, const std::array<SignRule, 12>& signs,
                const std::string& who);

// Pick-up squares: each must hold reachable road, found by a flood fill over everything but
// walls from the start. Returns, per square, the share of its area that is reachable road.
std::vector<double> checkPickups(const Image& kon0, const Keys& keys, Vec start,
                                 const std::vector<Vec>& corners);

// The Circuit: its start on the road, its drivable area closed in by walls inside the part of
// the City's mask it uses (pixels 100..199), and its picture showing on every mask pixel of
// that area what the mask says. `park(x, y)` picks the mask pixels to compare. Returns the
// share of compared pixels whose picture block agrees.
double checkCircuit(const Image& picture, const Image& kon0, const Keys& keys, Vec start,
                    const std::function<bool(int, int)>& park);
// What a Circuit picture pixel shows: 0 road, 1 off the track, 2 wall, -1 neither (cones).
int circuitClass(Colour c);

}  // namespace art::city
