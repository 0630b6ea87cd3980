// The world tests of the view on small synthetic masks: sections and the finish-line re-arm,
// off-track, walls, checkpoints.
#include <gtest/gtest.h>

#include <memory>

#include "race_fixture.h"
#include "view/world_tests.h"

namespace {

using namespace game;
using namespace race_fixture;

constexpr MaskScale kFifthScale{5};

TEST(WorldTests, VillageSectionsWrapAndReArmTheFinishLine) {
  WorldFixture f(1);
  f.driveTo(kAreaSwitch);  // the switch colour of KON(1) and of KON(0) lie in the same area
  PlayerSectionSwitch(*f.race, kFifthScale);
  EXPECT_EQ(f.race->state.PlayerSection, 0);
  EXPECT_EQ(f.race->state.FinishLineColour, kFinish);
  f.race->state.FinishLineColour = 123;
  PlayerSectionSwitch(*f.race, kFifthScale);
  EXPECT_EQ(f.race->state.PlayerSection, 1);
  EXPECT_EQ(f.race->state.FinishLineColour, 123u);  // no re-arm on the way to section 1
}

TEST(WorldTests, CityStartsInSectionZeroAndReArmsOnTheSecondSwitch) {
  WorldFixture f(0);
  f.driveTo(kAreaSwitch);
  PlayerSectionSwitch(*f.race, kFifthScale);
  EXPECT_EQ(f.race->state.PlayerSection, 1);
  EXPECT_EQ(f.race->state.FinishLineColour, 123u);
  PlayerSectionSwitch(*f.race, kFifthScale);
  EXPECT_EQ(f.race->state.PlayerSection, 0);
  EXPECT_EQ(f.race->state.FinishLineColour, kFinish);
}

TEST(WorldTests, WallsThrowTheCarBack) {
  struct Case {
    const char* name;
    Area area;
    double speed;
    const char* throttle;
    bool skidTimer;
    double after;
  };
  const Case cases[] = {
      {"forwards onto a wall", kAreaWall, 0.8, "up", false, -0.2},
      {"braking onto a wall", kAreaWall, 0.5, "down", false, 0.2},
      {"reversing onto a wall", kAreaWall, -0.2, "down", false, 0.2},
      {"reversing, skid timer running", kAreaWall, -0.2, "down", true, -0.2},
      {"standing on a wall", kAreaWall, 0, "", false, 0},
      {"forwards on the road", kAreaRoad, 0.8, "up", false, 0.8},
  };
  for (const Case& c : cases) {
    WorldFixture f(0);
    f.driveTo(c.area);
    f.race->state.Speed = c.speed;
    f.race->state.Throttle = c.throttle;
    f.race->controls().Timersmyku.setEnabled(c.skidTimer);
    WallBounce(*f.race, kFifthScale);
    EXPECT_EQ(f.race->state.Speed, c.after) << c.name;
  }
}

TEST(WorldTests, OffTrackFollowsTheCarsCentreAndNothingOutsideTheMask) {
  WorldFixture f(0);
  svc::Label& mino = f.race->controls().Labelmino;
  f.driveTo(kAreaGrass);
  OffTrackFlag(*f.race, kFifthScale);
  EXPECT_TRUE(mino.visible());
  f.driveTo(kAreaRoad);
  OffTrackFlag(*f.race, kFifthScale);
  EXPECT_FALSE(mino.visible());
  // Outside the mask the car is on no surface: not off the track, not on a wall.
  f.race->state.ViewLeft = 5000;
  OffTrackFlag(*f.race, kFifthScale);
  EXPECT_FALSE(mino.visible());
  f.race->state.Speed = 0.5;
  WallBounce(*f.race, kFifthScale);
  EXPECT_EQ(f.race->state.Speed, 0.5);
}

TEST(WorldTests, ACheckpointCountsOnceAndDrivingBackCountsThePreviousOneAgain) {
  WorldFixture f(0);
  f.race->state.NextCheckpoint = 0;
  const Area path[] = {kAreaCheckA, kAreaCheckA, kAreaRoad, kAreaCheckA,  // A once
                       kAreaCheckB, kAreaRoad,                            // B
                       kAreaCheckA, kAreaCheckB};  // back over A counts, forward over B again
  const int counts[] = {1, 1, 1, 1, 2, 2, 3, 4};
  for (std::size_t i = 0; i < std::size(path); ++i) {
    f.driveTo(path[i]);
    CheckpointTest(*f.race, kFifthScale, false);
    EXPECT_EQ(f.count(), counts[i]) << "step " << i;
  }
}

}  // namespace
