#include "tracks/parking/parking_layout.h"

#include <cmath>
#include <numbers>

#include "toolkit/noise.h"

namespace art::tracks::parking {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kBayW = 44, kBayL = 76;

Layout build() {
  Layout L;
  unsigned seed = 1;
  auto rnd = [&] { return hash01(int(seed++), 3, 4242); };
  // A row of perpendicular bays; `north` is the side their open ends face.
  auto row = [&](double x0, double y, int count, bool openNorth, double taken) {
    for (int i = 0; i < count; ++i) {
      Bay b{{x0 + (i + 0.5) * kBayW, y},
            openNorth ? kPi / 2 : -kPi / 2,
            kBayW,
            kBayL,
            rnd() < taken,
            rnd() < 0.6,
            int(rnd() * 5) % 5,
            int(rnd() * 3) % 3,
            false};
      L.bays.push_back(b);
    }
  };
  // North-west: bays along the wall, open to the south.
  row(66, 24 + kBayL / 2 + 4, 10, false, 0.5);
  // Two double rows west and east of the central aisle, islands between their halves.
  for (double y : {330.0, 590.0}) {
    row(64, y + kBayL / 2, 5, true, 0.45);
    row(64, y + kBayL + 18 + kBayL / 2, 5, false, 0.45);
    row(446, y + kBayL / 2, 5, true, 0.45);
    row(446, y + kBayL + 18 + kBayL / 2, 5, false, 0.45);
    L.islands.push_back({64, y + kBayL, 64 + 5 * kBayW, y + kBayL + 18});
    L.islands.push_back({446, y + kBayL, 446 + 5 * kBayW, y + kBayL + 18});
  }
  // Bays for wheelchair users next to the shop's door.
  row(548, 232 + kBayL / 2, 3, true, 0.3);
  for (int i = 0; i < 3; ++i) {
    Bay& b = L.bays[L.bays.size() - 1 - i];
    b.disabled = i < 2;
  }
  // Parallel bays along the southern wall.
  for (int i = 0; i < 7; ++i) {
    Bay b{{130.0 + i * 92, 976 - 24}, 0,    40, 92, rnd() < 0.45, rnd() < 0.5, int(rnd() * 5) % 5,
          int(rnd() * 3) % 3,         false};
    L.bays.push_back(b);
  }
  // Grass along the western wall and round the shop's corner.
  L.islands.push_back({24, 250, 44, 890});
  // Lamps on the islands and along the pavement.
  for (const Box& is : std::vector<Box>(L.islands.begin(), L.islands.begin() + 4))
    for (double x : {is.x0 + 10, is.x1 - 10}) L.lamps.push_back({x, (is.y0 + is.y1) / 2});
  for (double x : {600.0, 760.0, 920.0}) L.lamps.push_back({x, 226});
  // Trees on the islands.
  for (const Box& is : std::vector<Box>(L.islands.begin(), L.islands.begin() + 4))
    for (double x = is.x0 + 52; x < is.x1 - 30; x += 62)
      L.trees.push_back({x, (is.y0 + is.y1) / 2});
  for (double y = 290; y < 880; y += 70) L.trees.push_back({34, y});
  // The practice pad east of the bays: a slalom of cones and a box to reverse into.
  for (int i = 0; i < 6; ++i) L.cones.push_back({850.0 + (i % 2 ? 28 : -28), 330 + i * 92.0});
  for (double y : {800.0, 830.0, 860.0}) {
    L.cones.push_back({900, y});
    L.cones.push_back({954, y});
  }
  L.cones.push_back({927, 800});
  // Arrows along the aisles.
  L.arrows = {{{370, 880}, -kPi / 2}, {{370, 470}, -kPi / 2}, {{180, 270}, kPi}, {{480, 270}, 0},
              {{180, 545}, 0},        {{560, 545}, kPi},      {{180, 850}, kPi}, {{560, 850}, 0}};
  return L;
}

}  // namespace

const Layout& layout() {
  static const Layout built = build();
  return built;
}

}  // namespace art::tracks::parking
