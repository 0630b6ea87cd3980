// The race state: the one record that holds everything a race knows. It is owned by the race
// window and read and written directly by the race's procedures, all on the one thread.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "services/colour.h"
#include "services/fields.h"

namespace game {

using svc::Colour;
using svc::Sample;

struct RaceState {
  // Loop and race control.
  bool Running = false;
  bool Paused = false;
  std::int16_t FrameInterval = 0;
  std::uint32_t NextFrameTick = 0;
  std::int16_t FrameCount = 0;
  std::int16_t TrackKind = 0;
  std::int16_t CountdownStep = 0;
  bool RaceStarted = false;

  // Choices and car parameters.
  std::string GameType;
  bool KolderRunMode = false;
  bool FreeRideMode = false;
  bool SkidMarksOn = false;
  bool AIOn = false;
  double TurnRate = 0;
  double SpeedScale = 0;

  // Player car and driver input.
  double Speed = 0;
  double Heading = 0;
  std::int16_t Gear = 0;
  double Rpm = 0;
  std::string Steer;
  std::string Throttle;
  bool PlayerSkidActive = false;
  bool AltSpritesOn = false;

  // View and display.
  double ViewLeft = 0, ViewTop = 0;
  double CarScreenX = 0, CarScreenY = 0;
  float ViewWidth = 0, ViewHeight = 0;
  std::string MinimapSide = "left";
  std::int16_t MinimapX = 640;
  std::string NeedleJitter;

  // Track masks and colour keys.
  std::int16_t PlayerSection = 0;
  std::int16_t OpponentSection = 0;
  Colour OffTrackColour = 0;
  Colour ArrowZoneColour = 0;
  Colour WallColour = 0;
  Colour FinishLineColour = 0;
  Colour GuidePlusColour = 0, GuideMinusColour = 0;
  std::int16_t GuideHeading = 0;
  std::array<Colour, 2> CheckpointColour{};
  std::int16_t NextCheckpoint = 0;

  // Laps and results.
  std::int16_t LapCount = 0;
  double LapClock = 0;
  bool TimesBoxOpen = false;
  std::int16_t OpponentLaps = 0;

  // Kolder Run.
  std::int16_t TimeLeft = 0;
  std::int16_t KolderCount = 0;
  std::int16_t KolderItemX = 0, KolderItemY = 0;

  // Computer opponent.
  double OpponentX = 0, OpponentY = 0;
  double OpponentSpeed = 0;
  double OpponentHeading = 0;
  double OpponentTurnRate = 0;
  std::string OpponentSteer;
  double OpponentBearing = 0;
  bool OpponentAimed = false;
  bool OpponentSkidActive = false;
  std::int16_t WaypointIndex = 0;
  double TargetX = 0, TargetY = 0;
  std::array<double, 36> WaypointX{}, WaypointY{};
  std::array<Sample, 4> StuckSamples{};

  // Angle tables, whole degrees from -360 to 360.
  std::array<double, 721> CosValues{}, SinValues{};
  double CosTable(int degrees) const { return CosValues[std::size_t(degrees + 360)]; }
  double SinTable(int degrees) const { return SinValues[std::size_t(degrees + 360)]; }

  // Not part of the game's record: frames started since the race window was created, for the
  // driver and the tests.
  std::uint32_t TotalFrames = 0;

  // Every field by its name.
  std::vector<svc::Field> fields();
};

}  // namespace game
