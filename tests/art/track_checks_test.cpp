// The track checks artgen runs before it writes a track must reject broken tracks: a lap that
// skips a checkpoint, colours out of order, a finish line that never re-arms or re-arms twice,
// a guide rail against the road, a wall across the road, a gap in a wall. Small synthetic masks
// show the lap rules; the real Village and Parking masks, spoiled one fault at a time, show the
// checks catch the faults on the tracks the game ships.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tracks/parking/parking_layout.h"
#include "tracks/parking/parking_masks.h"
#include "tracks/track_field.h"
#include "tracks/track_mask.h"
#include "tracks/track_sim.h"
#include "tracks/village/village_checks.h"
#include "tracks/village/village_layout.h"
#include "tracks/village/village_masks.h"
#include "tracks/village/village_scenery.h"

namespace {

using art::Image;
using namespace art::tracks;

// A ring road on 40 × 40 masks (world = 5 × mask pixel - 1000): the car drives round the square
// of mask pixels from (10, 10) to (30, 30), clockwise, starting at (14, 10).
struct Ring {
  Keys keys = trackKeys();
  Image kon[2];
  Ring() {
    for (int s = 0; s < 2; ++s) {
      kon[s] = Image(40, 40, keys.road);
      writeLegend(kon[s], keys, s == 0 ? keys.switch0 : keys.switch1);
    }
    put(0, 16, 10, keys.finish);        // the finish line just ahead of the start
    put(-1, 30, 14, keys.checkpointB);  // first checkpoint: B, in both masks
    put(-1, 20, 30, keys.checkpointA);
    put(1, 10, 25, keys.switch1);  // section 1 -> 0, re-arms
    put(0, 10, 15, keys.switch0);  // section 0 -> 1
  }
  // One pixel in mask s, or in both for s = -1.
  void put(int s, int x, int y, art::Colour c) {
    for (int i = 0; i < 2; ++i)
      if (s < 0 || s == i) kon[i].at(x, y) = c;
  }
  std::vector<art::Vec> path(int laps) const {
    std::vector<art::Vec> pts;
    auto add = [&](int x, int y) { pts.push_back({x * 5.0 + 2.5 - 1000, y * 5.0 + 2.5 - 1000}); };
    for (int x = 14; x < 30; ++x) add(x, 10);
    for (int lap = 0; lap <= laps; ++lap) {
      for (int y = 10; y < 30; ++y) add(30, y);
      for (int x = 30; x > 10; --x) add(x, 30);
      for (int y = 30; y > 10; --y) add(10, y);
      for (int x = 10; x < 30; ++x) add(x, 10);
    }
    return pts;
  }
  std::vector<Event> drive(int laps) const {
    PlayerRun run({{&kon[0], &kon[1]}, 5}, 1, 1, false);
    for (const art::Vec& p : path(laps)) run.step(p);
    return run.events();
  }
};

TEST(TrackChecks, LapRulesOnARing) {
  struct Case {
    const char* what;
    std::function<void(Ring&)> spoil;
    bool valid;
  };
  const Case cases[] = {
      {"a good ring", [](Ring&) {}, true},
      {"a checkpoint missing", [](Ring& r) { r.put(-1, 20, 30, r.keys.road); }, false},
      {"both checkpoints the same colour", [](Ring& r) { r.put(-1, 20, 30, r.keys.checkpointB); },
       false},
      {"the first checkpoint in colour A",
       [](Ring& r) {
         r.put(-1, 30, 14, r.keys.checkpointA);
         r.put(-1, 20, 30, r.keys.checkpointB);
       },
       false},
      {"the checkpoint only in the other section's mask",
       [](Ring& r) { r.put(1, 20, 30, r.keys.road); }, false},
      {"no finish line", [](Ring& r) { r.put(0, 16, 10, r.keys.road); }, false},
      {"a checkpoint between the grid and the finish line",
       [](Ring& r) { r.put(-1, 15, 10, r.keys.checkpointA); }, false},
      {"no switch back to section 0", [](Ring& r) { r.put(1, 10, 25, r.keys.road); }, false},
      {"a second re-arm in the lap",
       [](Ring& r) {
         r.put(1, 22, 10, r.keys.switch1);
         r.put(0, 26, 10, r.keys.switch0);
       },
       false},
  };
  for (const Case& c : cases) {
    Ring ring;
    c.spoil(ring);
    if (c.valid) {
      EXPECT_NO_THROW(checkLaps(ring.drive(3), 2, 1, 3, c.what)) << c.what;
    } else {
      EXPECT_THROW(checkLaps(ring.drive(3), 2, 1, 3, c.what), std::runtime_error) << c.what;
    }
  }
}

TEST(TrackChecks, RunFollowsTheGameSections) {
  Ring ring;
  PlayerRun run({{&ring.kon[0], &ring.kon[1]}, 5}, 1, 1, false);
  const std::vector<art::Vec> pts = ring.path(0);
  for (const art::Vec& p : pts) run.step(p);
  // Round once: section 1 -> 0 at the KON(1) line, 0 -> 1 at the KON(0) line.
  EXPECT_EQ(run.section(), 1);
  int switches = 0, rearms = 0;
  for (const Event& e : run.events()) {
    switches += e.what == Happening::Switch;
    rearms += e.what == Happening::Rearm;
  }
  EXPECT_EQ(switches, 2);
  EXPECT_EQ(rearms, 1);
}

TEST(TrackChecks, OpponentFiguresCountWallsAndGrass) {
  Ring ring;
  const std::vector<art::Vec> pts = ring.path(0);
  const Masks m{{&ring.kon[0], &ring.kon[1]}, 5};
  EXPECT_DOUBLE_EQ(opponentOnRoad(m, pts).percent(), 100.0);
  ring.put(-1, 30, 20, ring.keys.wall);
  ring.put(-1, 30, 21, ring.keys.offTrack);
  const OpponentFigures f = opponentOnRoad(m, pts);
  EXPECT_EQ(f.frames - f.onRoad, 2u);
  EXPECT_EQ(f.misses.size(), 2u);
  // Beyond the edge of the mask there is no road either.
  std::vector<art::Vec> leaving = pts;
  leaving.push_back({-1010, -900});
  leaving.push_back({-900, -700});
  const OpponentFigures out = opponentOnRoad(m, leaving);
  EXPECT_EQ(out.frames - out.onRoad, 4u);
}

TEST(TrackChecks, LegendNeedsEveryKeyOnceInItsPixel) {
  const Keys keys = trackKeys();
  Image good(8, 8, keys.road);
  writeLegend(good, keys, keys.switch0);
  EXPECT_NO_THROW(checkLegend(good, keys, keys.switch0, "good"));
  Image moved = good;
  moved.at(5, 4) = keys.checkpointA;  // both checkpoint keys alike
  EXPECT_THROW(checkLegend(moved, keys, keys.switch0, "alike"), std::runtime_error);
  EXPECT_THROW(checkLegend(good, keys, keys.switch1, "other switch"), std::runtime_error);
  EXPECT_THROW(checkLegend(Image(4, 4, keys.road), keys, keys.switch0, "small"),
               std::runtime_error);
}

// The real Village: its masks pass, and each spoiled copy fails.
struct VillageFixture {
  const village::Layout& L = village::layout();
  Keys keys = trackKeys();
  village::VillageMasks masks;
  VillageFixture() {
    const RoadField field(L.road, -1000, -1000, 2000, 5);
    const village::Scenery& sc = village::scenery(L, field);
    masks = village::drawMasks(L, keys, [&](cairo_t* cr) { village::wallPaths(cr, sc); });
  }
  // Repaints every pixel of one colour in both masks (the legend corner kept).
  static void recolour(village::VillageMasks& m, art::Colour from, art::Colour to,
                       const std::function<bool(int, int)>& where) {
    for (Image& k : m.kon)
      for (int y = 0; y < k.height; ++y)
        for (int x = 0; x < k.width; ++x)
          if ((x >= 6 || y >= 6) && k.at(x, y) == from && where(x, y)) k.at(x, y) = to;
  }
};

TEST(TrackChecks, VillageMasksPassAndSpoiledOnesFail) {
  static const VillageFixture fx;
  EXPECT_NO_THROW(village::checkMasks(fx.L, fx.masks, fx.keys));
  const Keys& k = fx.keys;
  auto near = [](art::Vec p) {
    return [p](int x, int y) {
      return std::abs(x * 5 - 1000 - p.x) < 80 && std::abs(y * 5 - 1000 - p.y) < 80;
    };
  };
  const art::tracks::Station& cp5 = fx.L.road[std::ptrdiff_t(fx.L.checkpoints[4])];
  const art::tracks::Station& rail = fx.L.road[std::ptrdiff_t(fx.L.rails[0].stretch.first + 4)];
  struct Case {
    const char* what;
    std::function<void(village::VillageMasks&)> spoil;
  };
  const Case cases[] = {
      {"checkpoint 5 painted over",
       [&](auto& m) {
         VillageFixture::recolour(m, k.checkpointB, k.road, near({cp5.x, cp5.y}));
       }},
      {"checkpoint 5 in the wrong colour",
       [&](auto& m) {
         VillageFixture::recolour(m, k.checkpointB, k.checkpointA, near({cp5.x, cp5.y}));
       }},
      {"no re-arming switch",
       [&](auto& m) {
         VillageFixture::recolour(m, k.switch1, k.road, [](int, int) { return true; });
       }},
      {"the guide rails swapped",
       [&](auto& m) {
         VillageFixture::recolour(m, k.guideMinus, k.checkpointA, near({rail.x, rail.y}));
         VillageFixture::recolour(m, k.guidePlus, k.guideMinus, near({rail.x, rail.y}));
         VillageFixture::recolour(m, k.checkpointA, k.guidePlus, near({rail.x, rail.y}));
       }},
      {"a wall across the start straight",
       [&](auto& m) {
         VillageFixture::recolour(m, k.road, k.wall,
                                  [](int x, int y) { return x == 120 && y > 350; });
       }},
  };
  for (const Case& c : cases) {
    village::VillageMasks m = fx.masks;
    c.spoil(m);
    EXPECT_THROW(village::checkMasks(fx.L, m, fx.keys), std::runtime_error) << c.what;
  }
}

TEST(TrackChecks, ParkingMasksPassAndSpoiledOnesFail) {
  const parking::Layout& L = parking::layout();
  const Keys k = trackKeys();
  const parking::ParkingMasks good = parking::drawMasks(L, k);
  EXPECT_NO_THROW(parking::checkMasks(good, k));
  struct Case {
    const char* what;
    std::function<void(parking::ParkingMasks&)> spoil;
  };
  const Case cases[] = {
      {"a gap in the wall",
       [](auto& m) {
         for (Image& i : m.kon) i.at(150, 199) = i.at(150, 198) = i.at(150, 197);
       }},
      {"a checkpoint on the ground", [&](auto& m) { m.kon[0].at(150, 150) = k.checkpointB; }},
      {"a parked car at the start", [&](auto& m) { m.kon[0].at(137, 176) = k.wall; }},
      {"a mask too small", [](auto& m) { m.kon[1] = Image(150, 150, m.kon[1].at(0, 0)); }},
  };
  for (const Case& c : cases) {
    parking::ParkingMasks m = good;
    c.spoil(m);
    EXPECT_THROW(parking::checkMasks(m, k), std::runtime_error) << c.what;
  }
}

}  // namespace
