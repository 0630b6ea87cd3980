#include "rules/rules.h"

#include <cmath>
#include <string>

#include "race/angles.h"
#include "race/race.h"
#include "rules/dynamics.h"
#include "rules/opponent.h"
#include "services/rotate.h"

namespace game {

namespace {

// The opponent's contact mask around the player: the colour under the player's centre.
void contact(Race& race) {
  RaceState& s = race.state;
  RaceControls& c = race.controls();
  if (s.KolderRunMode || s.FreeRideMode) return;
  if (c.Labelsipka.visible() != c.LabelAIsipka.visible()) return;
  c.Label12.setCaption(NumberText(s.OpponentHeading) + " , " + NumberText(s.Heading));
  const float px = float(s.ViewLeft + s.CarScreenX - s.OpponentX + 50);
  const float py = float(s.ViewTop + s.CarScreenY - s.OpponentY + 50);
  const svc::Surface& picture = c.Picture3.surface();
  const std::array<svc::Colour, 4> keys{picture.pixel(0, 0), picture.pixel(1, 0),
                                        picture.pixel(2, 0), picture.pixel(3, 0)};
  ApplyContact(s, picture.point(px, py), keys);
  c.Line7.setPoints(px, 0, px, 100);
  c.Line8.setPoints(0, py, 100, py);
}

void motion(Race& race, const ViewLimits& limits) {
  RaceState& s = race.state;
  Steering(s);
  Pedal(s, race.controls().Labelmino.visible());
  HeadingWrap(s);
  Movement(s, limits);
}

class RaceOpponentEffects : public OpponentEffects {
 public:
  explicit RaceOpponentEffects(Race& race) : race_(race) {}
  void showOffsets(const std::string& sa, const std::string& sb) override {
    race_.controls().sa.setCaption(sa);
    race_.controls().sb.setCaption(sb);
  }
  void skidTimer(bool on) override { race_.controls().AITimersmyku.setEnabled(on); }
  bool inArrowZone() override { return race_.controls().LabelAIsipka.visible(); }
  void stampSkid() override {
    const RaceState& s = race_.state;
    RaceControls& c = race_.controls();
    svc::foxRotate(c.cesta.surface(), RoundEven(s.OpponentX + kMapOffset),
                   RoundEven(s.OpponentY + kMapOffset), c.aismyk.surface(), svc::kMagenta,
                   -s.OpponentHeading, 1);
  }
  void waypointReached(int) override {}

 private:
  Race& race_;
};

void opponent(Race& race, TrackId track) {
  RaceOpponentEffects effects(race);
  OpponentStep(race.state, race.markers, effects, track);
}

// The rules of a track with laps and an opponent.
void townRules(Race& race, const TrackInfo& track) {
  LapRules(race, track);
  contact(race);
  motion(race, track.limits);
}

}  // namespace

void VillageRules(Race& race) {
  townRules(race, trackInfo(TrackId::Village));
}
void CityRules(Race& race) {
  townRules(race, trackInfo(TrackId::City));
}
void CircuitRules(Race& race) {
  motion(race, race.track().limits);
}

void VillageOpponent(Race& race) {
  opponent(race, TrackId::Village);
}
void CityOpponent(Race& race) {
  opponent(race, TrackId::City);
}

}  // namespace game
