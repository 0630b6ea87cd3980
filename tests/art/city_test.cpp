// The City's track checks must fail on broken tracks: a lap that misses a checkpoint, takes it
// in the wrong colour or the wrong mask, a finish line that is never re-armed, a line a fast
// car jumps, a sign pointing the wrong way, a pick-up square behind a wall, a Circuit a car can
// leave. Small synthetic masks show each fault; the signs' pictures must all differ.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "cars/keyed.h"
#include "tracks/city/checks.h"
#include "tracks/city/signs.h"

namespace {

using art::Image;
using art::Vec;
using art::city::Keys;
using art::city::LapEvent;
using svc::rgb;

constexpr svc::Colour kRoad = rgb(128, 128, 128), kOff = rgb(0, 140, 0), kWall = rgb(140, 0, 0),
                      kArrow = rgb(0, 200, 255), kFinish = rgb(255, 255, 255),
                      kMinus = rgb(128, 0, 255), kPlus = rgb(200, 0, 200), kA = rgb(0, 0, 255),
                      kB = rgb(0, 255, 0), kSwitch0 = rgb(255, 255, 0), kSwitch1 = rgb(255, 128, 0);

void legend(Image& m, svc::Colour sw) {
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) m.at(x, y) = kWall;
  m.at(0, 0) = kOff, m.at(0, 1) = kArrow, m.at(0, 2) = kFinish, m.at(4, 4) = kMinus;
  m.at(4, 3) = kPlus, m.at(5, 5) = kA, m.at(5, 4) = kB, m.at(2, 2) = sw;
}

// A straight strip of road along mask rows 8..10 from column 6 to 79, a meadow below it.
struct Strip {
  Image kon[2] = {Image(80, 40, kWall), Image(80, 40, kWall)};
  Strip() {
    for (Image& m : kon)
      for (int x = 6; x < 80; ++x)
        for (int y = 8; y < 39; ++y) m.at(x, y) = y <= 10 ? kRoad : kOff;
    legend(kon[0], kSwitch0);
    legend(kon[1], kSwitch1);
  }
  void line(int mask, int column, svc::Colour c, int width = 2) {
    for (int x = column; x < column + width; ++x)
      for (int y = 8; y <= 10; ++y) kon[mask].at(x, y) = c;
  }
  std::array<const Image*, 2> masks() const { return {&kon[0], &kon[1]}; }
  Keys keys() const { return art::city::legendKeys(kon[0], kon[1], kRoad); }
};

// The lap: checkpoints A and B, the switch up, A and B in the other mask, the switch back,
// the finish line.
Strip goodStrip() {
  Strip s;
  s.line(0, 20, kA);
  s.line(0, 30, kB);
  s.line(0, 40, kSwitch0);
  s.line(1, 50, kA);
  s.line(1, 58, kB);
  s.line(1, 66, kSwitch1);
  s.line(0, 72, kFinish);
  return s;
}

// `laps` runs along the strip's middle from column 68 (the grid, behind the finish line) at
// `step` world pixels a frame, jumping back to the strip's start after its end.
std::vector<Vec> laps(int count, double step) {
  std::vector<Vec> out;
  const double y = -1000 + 9 * 5 + 2.5, first = -1000 + 7 * 5, last = -1000 + 78 * 5;
  for (double x = -1000 + 68 * 5; x < last; x += step) out.push_back({x, y});
  for (int l = 0; l < count; ++l)
    for (double x = first; x < last; x += step) out.push_back({x, y});
  return out;
}

void expectLaps(const Strip& s, double step, bool good, const char* what) {
  const auto events = art::city::drive(s.masks(), s.keys(), laps(2, step), {});
  if (good) {
    EXPECT_NO_THROW(art::city::checkLaps(events, 2, 4, true, what)) << what;
  } else {
    EXPECT_THROW(art::city::checkLaps(events, 2, 4, true, what), std::runtime_error) << what;
  }
}

TEST(CityChecks, LapsOnBrokenStrips) {
  struct Case {
    const char* what;
    std::function<void(Strip&)> spoil;
    bool good;
  };
  const Case cases[] = {
      {"good strip", [](Strip&) {}, true},
      {"a checkpoint missing", [](Strip& s) { s.line(1, 58, kRoad); }, false},
      {"two checkpoints of one colour", [](Strip& s) { s.line(0, 30, kA); }, false},
      {"a checkpoint in the mask of the other section",
       [](Strip& s) {
         s.line(1, 50, kRoad);
         s.line(0, 50, kA);
       },
       false},
      {"the finish line never re-armed", [](Strip& s) { s.line(1, 66, kRoad); }, false},
      {"a second finish line on the lap", [](Strip& s) { s.line(0, 25, kFinish); }, false},
      {"the sections switch twice up", [](Strip& s) { s.line(0, 25, kSwitch0); }, false},
  };
  for (const Case& c : cases) {
    Strip s = goodStrip();
    c.spoil(s);
    expectLaps(s, 3, c.good, c.what);
  }
}

TEST(CityChecks, AFastCarJumpsAThinLine) {
  Strip s = goodStrip();
  expectLaps(s, 7.8, true, "two-pixel lines at top speed");
  // Frames land at world x -965 + 7.8 k: none of them in mask column 32 (x -840 .. -835).
  s.line(0, 30, kRoad, 2);
  s.line(0, 32, kB, 1);
  expectLaps(s, 7.8, false, "a one-pixel checkpoint at top speed");
}

TEST(CityChecks, LegendKeys) {
  struct Case {
    const char* what;
    std::function<void(Strip&)> spoil;
  };
  const Case cases[] = {
      {"two keys of one colour", [](Strip& s) { s.kon[0].at(5, 4) = kA, s.kon[1].at(5, 4) = kA; }},
      {"the masks disagree on a key", [](Strip& s) { s.kon[1].at(0, 0) = rgb(1, 2, 3); }},
      {"a key is the road colour",
       [](Strip& s) { s.kon[0].at(4, 3) = kRoad, s.kon[1].at(4, 3) = kRoad; }},
      {"both masks switch on one colour", [](Strip& s) { s.kon[1].at(2, 2) = kSwitch0; }},
  };
  EXPECT_NO_THROW(goodStrip().keys());
  for (const Case& c : cases) {
    Strip s = goodStrip();
    c.spoil(s);
    EXPECT_THROW(s.keys(), std::runtime_error) << c.what;
  }
}

TEST(CityChecks, SignsPointTheWayTheRoadGoes) {
  using art::city::Heading;
  // East for 400 pixels, then north for 400, one frame every 5 pixels.
  std::vector<Vec> path;
  for (int i = 0; i < 80; ++i) path.push_back({i * 5.0, 0});
  for (int i = 1; i <= 80; ++i) path.push_back({400, -i * 5.0});
  const std::vector<LapEvent> early{{LapEvent::Checkpoint, 10, 1, 0}};  // 350 before the turn
  const std::vector<LapEvent> late{{LapEvent::Checkpoint, 60, 1, 0}};   // 100 before the turn
  const auto showsFirst = [](int count) { return count == 1 ? 0 : -1; };
  struct Case {
    const char* what;
    Heading in, out;
    const std::vector<LapEvent>* at;
    bool good;
  };
  const Case cases[] = {
      {"turn left where the road turns left", Heading::East, Heading::North, &late, true},
      {"turn right where it turns left", Heading::East, Heading::South, &late, false},
      {"straight on far before the turn", Heading::East, Heading::East, &early, true},
      {"straight on just before the turn", Heading::East, Heading::East, &late, false},
      {"a sign for a car going the other way", Heading::West, Heading::North, &late, false},
  };
  for (const Case& c : cases) {
    std::array<art::city::SignRule, 12> signs{};
    signs[0] = {c.in, c.out};
    if (c.good) {
      EXPECT_NO_THROW(art::city::checkSigns(*c.at, path, showsFirst, signs, "path")) << c.what;
    } else {
      EXPECT_THROW(art::city::checkSigns(*c.at, path, showsFirst, signs, "path"),
                   std::runtime_error)
          << c.what;
    }
  }
}

TEST(CityChecks, PickupSquaresMustHoldReachableRoad) {
  Strip s = goodStrip();
  const Vec start{-1000 + 10 * 5 + 2, -1000 + 9 * 5 + 2};
  // Over the strip: the square's inside holds mask rows 8..10 of the road.
  EXPECT_NO_THROW(art::city::checkPickups(s.kon[0], s.keys(), start, {{-890, -1010}}));
  // In the meadow below it: reachable, but no road.
  EXPECT_THROW(art::city::checkPickups(s.kon[0], s.keys(), start, {{-890, -930}}),
               std::runtime_error);
  // Road no car reaches: a wall across the strip and the meadow in front of the square.
  for (int y = 6; y < 40; ++y) s.kon[0].at(20, y) = kWall;
  EXPECT_THROW(art::city::checkPickups(s.kon[0], s.keys(), start, {{-890, -1010}}),
               std::runtime_error);
}

TEST(CityChecks, TheCircuitIsClosedAndItsPictureMatches) {
  // A square circuit in mask pixels 130..170 of a 400 x 400 mask: road inside a tyre wall.
  Image kon(400, 400, kOff), picture(1000, 1000, rgb(90, 160, 60));
  legend(kon, kSwitch0);
  for (int y = 130; y <= 170; ++y)
    for (int x = 130; x <= 170; ++x) {
      const bool wall = x < 132 || x > 168 || y < 132 || y > 168;
      kon.at(x, y) = wall ? kWall : kRoad;
      for (int py = 0; py < 10; ++py)
        for (int px = 0; px < 10; ++px)
          picture.at((x - 100) * 10 + px, (y - 100) * 10 + py) =
              wall ? rgb(36, 36, 40) : rgb(86, 86, 90);
    }
  Image kon1 = kon;
  kon1.at(2, 2) = kSwitch1;
  const Keys keys = art::city::legendKeys(kon, kon1, kRoad);
  const Vec start{500, 500};  // mask pixel 150, 150
  const auto inCircuit = [](int x, int y) { return x >= 130 && x <= 170 && y >= 130 && y <= 170; };
  EXPECT_DOUBLE_EQ(art::city::checkCircuit(picture, kon, keys, start, inCircuit), 1.0);
  // The picture shows grass on a quarter of the road.
  Image grassy = picture;
  for (int y = 330; y < 500; ++y)
    for (int x = 330; x < 500; ++x) grassy.at(x, y) = rgb(90, 160, 60);
  EXPECT_LT(art::city::checkCircuit(grassy, kon, keys, start, inCircuit), 0.9);
  // A gap in the wall lets the car out, also through a corner.
  Image gap = kon;
  gap.at(150, 130) = kRoad, gap.at(151, 131) = kRoad;
  EXPECT_THROW(art::city::checkCircuit(picture, gap, keys, start, inCircuit), std::runtime_error);
  EXPECT_THROW(art::city::checkCircuit(picture, kon, keys, {-200, 500}, inCircuit),
               std::runtime_error);
}

TEST(CityChecks, MaskPairs) {
  Image mask(4, 3, rgb(255, 255, 255)), image(4, 3, 0);
  mask.at(1, 1) = 0, image.at(1, 1) = rgb(40, 90, 30);
  EXPECT_NO_THROW(art::cars::checkMaskPair(mask, image, "pair"));
  Image leaking = image;
  leaking.at(0, 0) = rgb(3, 3, 3);
  EXPECT_THROW(art::cars::checkMaskPair(mask, leaking, "pair"), std::runtime_error);
  Image grey = mask;
  grey.at(2, 2) = rgb(128, 128, 128);
  EXPECT_THROW(art::cars::checkMaskPair(grey, image, "pair"), std::runtime_error);
  EXPECT_THROW(art::cars::checkMaskPair(Image(4, 3, rgb(255, 255, 255)), Image(4, 3, 0), "pair"),
               std::runtime_error);
}

TEST(CitySigns, TwelveDifferentPlates) {
  using art::city::Dir;
  std::set<svc::PixelVector> seen;
  for (Dir in : {Dir::East, Dir::North, Dir::West, Dir::South})
    for (Dir out : {Dir::East, Dir::North, Dir::West, Dir::South}) {
      if ((int(in) + 2) % 4 == int(out)) continue;  // no U-turns
      const Image sign = art::city::drawSign({in, out});
      ASSERT_EQ(sign.width, 50);
      ASSERT_EQ(sign.height, 50);
      seen.insert(sign.pixels);
    }
  EXPECT_EQ(seen.size(), 12u);
}

}  // namespace
