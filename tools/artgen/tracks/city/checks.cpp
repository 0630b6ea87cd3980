#include "checks.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "grid.h"
#include "tracks/track_mask.h"

namespace art::city {

namespace {

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what);
}

// The mask pixel of a world point as the game reads it: single precision, truncated.
bool maskPixel(const Image& mask, Vec world, double scale, int& x, int& y) {
  const float fx = float((world.x + 1000) / scale), fy = float((world.y + 1000) / scale);
  if (!(fx >= 0 && fy >= 0 && fx < mask.width && fy < mask.height)) return false;
  x = int(fx);
  y = int(fy);
  return true;
}

// The nearest of the four directions within 35 degrees, or -1 on a bend.
int cardinal(Vec d) {
  const double deg = std::atan2(-d.y, d.x) * 180 / std::numbers::pi;
  const double q = std::round(deg / 90);
  if (std::abs(deg - q * 90) > 35) return -1;
  return (int(q) % 4 + 4) % 4;
}

Vec directionAt(const std::vector<Vec>& p, std::size_t i) {
  const std::size_t a = i >= 3 ? i - 3 : 0, b = std::min(p.size() - 1, i + 3);
  return p[b] - p[a];
}

const char* headingName(int h) {
  static const char* names[] = {"east", "north", "west", "south"};
  return h >= 0 ? names[h] : "a bend";
}

}  // namespace

Keys legendKeys(const Image& kon0, const Image& kon1, Colour road) {
  for (const Image* m : {&kon0, &kon1})
    if (m->width < 6 || m->height < 6) fail("a mask is too small for its legend");
  Keys k{kon0.at(0, 0),
         kon0.at(0, 1),
         kon0.at(3, 3),
         kon0.at(0, 2),
         kon0.at(4, 4),
         kon0.at(4, 3),
         {kon0.at(5, 5), kon0.at(5, 4)},
         {kon0.at(2, 2), kon1.at(2, 2)}};
  const std::pair<int, int> shared[] = {{0, 0}, {0, 1}, {3, 3}, {0, 2},
                                        {4, 4}, {4, 3}, {5, 5}, {5, 4}};
  for (auto [x, y] : shared)
    if (kon0.at(x, y) != kon1.at(x, y))
      fail("the masks disagree on the key at (" + std::to_string(x) + ", " + std::to_string(y) +
           ")");
  const Colour all[] = {k.offTrack,    k.arrow,      k.wall,          k.finish,
                        k.guideMinus,  k.guidePlus,  k.checkpoint[0], k.checkpoint[1],
                        k.switches[0], k.switches[1]};
  for (std::size_t i = 0; i < std::size(all); ++i) {
    if (all[i] == road) fail("a legend key is the road colour");
    for (std::size_t j = i + 1; j < std::size(all); ++j)
      if (all[i] == all[j]) fail("two legend keys share a colour");
  }
  return k;
}

std::vector<LapEvent> drive(const std::array<const Image*, 2>& kon, const Keys& keys,
                            const std::vector<Vec>& positions, DriveState st) {
  std::vector<LapEvent> events;
  bool onFinish = false;
  for (std::size_t f = 0; f < positions.size(); ++f) {
    const Vec p = positions[f];
    auto at = [&](int s) { return tracks::maskAt(*kon[std::size_t(s)], 5, p); };
    // The view's order: checkpoint, section switch; then the rules' finish line.
    if (at(st.section) == keys.checkpoint[st.next]) {
      ++st.count;
      events.push_back({LapEvent::Checkpoint, f, st.count, st.next});
      st.next ^= 1;
    }
    if (at(st.section) == kon[std::size_t(st.section)]->at(2, 2)) {
      if (++st.section == 2) {
        st.section = 0;
        st.armed = true;
        events.push_back({LapEvent::Rearm, f, st.count, 0});
      } else {
        events.push_back({LapEvent::SectionUp, f, st.count, 0});
      }
    }
    const bool finish = at(0) == keys.finish;
    if (finish && !onFinish) events.push_back({LapEvent::FinishTouch, f, st.count, 0});
    onFinish = finish;
    if (st.armed && finish) {
      st.armed = false;
      events.push_back({LapEvent::Finish, f, st.count, 0});
      st.count = 0;
    }
  }
  return events;
}

void checkLaps(const std::vector<LapEvent>& events, int laps, int perLap, bool fromGrid,
               const std::string& who) {
  std::size_t i = 0;
  if (fromGrid) {
    while (i < events.size() && events[i].kind == LapEvent::FinishTouch) ++i;
    if (i >= events.size() || events[i].kind != LapEvent::Finish || events[i].count != 0)
      fail(who + ": the first thing crossed from the grid is not the finish line");
    ++i;
  }
  int colour = 0;
  for (int lap = 1; lap <= laps; ++lap) {
    const std::string at = who + ", lap " + std::to_string(lap) + ": ";
    int count = 0, ups = 0, rearms = 0, touches = 0;
    for (;; ++i) {
      if (i >= events.size())
        fail(at + "the lap does not reach the finish line (" + std::to_string(count) +
             " checkpoints)");
      const LapEvent& e = events[i];
      if (e.kind == LapEvent::Finish) break;
      if (e.kind == LapEvent::Checkpoint) {
        if (e.colour != colour)
          fail(at + "checkpoint " + std::to_string(count + 1) + " has the wrong colour");
        colour ^= 1;
        ++count;
      }
      if (e.kind == LapEvent::SectionUp) ++ups;
      if (e.kind == LapEvent::Rearm) ++rearms;
      if (e.kind == LapEvent::FinishTouch) ++touches;
    }
    if (count != perLap)
      fail(at + std::to_string(count) + " checkpoints instead of " + std::to_string(perLap));
    if (touches != 1)
      fail(at + "the car comes onto the finish line " + std::to_string(touches) + " times");
    if (ups != 1 || rearms != 1)
      fail(at + "the sections switch " + std::to_string(ups) + " and " + std::to_string(rearms) +
           " times instead of once each");
    ++i;
  }
}

void checkSigns(const std::vector<LapEvent>& events, const std::vector<Vec>& positions,
                const std::function<int(int)>& signForCount, const std::array<SignRule, 12>& signs,
                const std::string& who) {
  constexpr double kStraightAhead = 200, kTurnWithin = 650;
  for (const LapEvent& e : events) {
    if (e.kind != LapEvent::Checkpoint) continue;
    const int k = signForCount(e.count);
    if (k < 0) continue;
    const SignRule rule = signs[std::size_t(k)];
    const std::string at = who + ": the sign after checkpoint " + std::to_string(e.count) +
                           " (picture " + std::to_string(k) + ")";
    const int in = cardinal(directionAt(positions, e.frame));
    if (in != int(rule.in))
      fail(at + " expects the car going " + headingName(int(rule.in)) + ", it goes " +
           headingName(in));
    // Along the path: how far it keeps its direction and which direction it turns to.
    double travelled = 0;
    int next = in;
    for (std::size_t f = e.frame + 1; f < positions.size() && next == in; ++f) {
      travelled += norm(positions[f] - positions[f - 1]);
      const int c = cardinal(directionAt(positions, f));
      if (c >= 0 && c != in) next = c;
    }
    if (rule.in == rule.out) {
      if (travelled < kStraightAhead)
        fail(at + " says straight on, the road turns " + headingName(next) + " after " +
             std::to_string(int(travelled)) + " pixels");
    } else if (next != int(rule.out) || travelled > kTurnWithin) {
      fail(at + " says turn " + headingName(int(rule.out)) + ", the road goes " +
           headingName(next) + " after " + std::to_string(int(travelled)) + " pixels");
    }
  }
}

std::vector<double> checkPickups(const Image& kon0, const Keys& keys, Vec start,
                                 const std::vector<Vec>& corners) {
  int sx, sy;
  if (!maskPixel(kon0, start, 5, sx, sy)) fail("the start is outside the mask");
  const auto reach = floodFill(kon0.width, kon0.height, sx, sy, [&](int x, int y) {
    return (x >= 6 || y >= 6) && kon0.at(x, y) != keys.wall;
  });
  std::vector<double> shares;
  for (const Vec& c : corners) {
    int road = 0, all = 0;
    for (int y = 0; y < kon0.height; ++y)
      for (int x = 0; x < kon0.width; ++x) {
        // The mask pixel's world area must lie strictly inside the square.
        const double wx = x * 5.0 - 1000, wy = y * 5.0 - 1000;
        if (wx <= c.x || wy <= c.y || wx + 5 >= c.x + 100 || wy + 5 >= c.y + 100) continue;
        ++all;
        if (reach.at(x, y) && kon0.at(x, y) != keys.offTrack) ++road;
      }
    if (road < 4)
      fail("the pick-up square at (" + std::to_string(int(c.x)) + ", " + std::to_string(int(c.y)) +
           ") holds no road a car can reach");
    shares.push_back(double(road) / all);
  }
  return shares;
}

int circuitClass(Colour c) {
  const int r = int(svc::red(c)), g = int(svc::green(c)), b = int(svc::blue(c));
  const int lum = (r + g + b) / 3;
  if (g > r + 18 && g > b + 10) return 1;                             // grass
  if (r > b + 30 && g > b + 20 && lum > 120 && r - g < 45) return 1;  // gravel
  if (b > r + 30 && b > g + 12) return 2;                             // blue tyres, roofs
  if (lum < 52) return 2;                                             // black tyres
  if (r > 200 && g > 80 && g < 170 && b < 90) return -1;              // cones
  return 0;                                                           // asphalt, kerbs, paint
}

double checkCircuit(const Image& picture, const Image& kon0, const Keys& keys, Vec start,
                    const std::function<bool(int, int)>& park) {
  constexpr int kFirst = 100, kLast = 199, kScale = 10;
  if (picture.width != 1000 || picture.height != 1000)
    fail("the Circuit picture is not 1000 x 1000");
  const Colour at = tracks::maskAt(kon0, kScale, start);
  if (at == keys.wall || at == keys.offTrack || at == svc::kOutside)
    fail("the Circuit's start is not on the road");
  // Everything a car can reach from the start must stay inside the Circuit's part of the mask.
  // Diagonal steps count too: a car moving several pixels a frame can slip between corners.
  Grid<std::uint8_t> seen(kon0.width, kon0.height, 0);
  const int sx = int((start.x + 1000) / kScale), sy = int((start.y + 1000) / kScale);
  std::vector<std::pair<int, int>> stack{{sx, sy}};
  seen.at(sx, sy) = 1;
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    if (x <= kFirst || y <= kFirst || x >= kLast || y >= kLast)
      fail("a car can drive out of the Circuit (mask pixel " + std::to_string(x) + ", " +
           std::to_string(y) + ")");
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = x + dx, ny = y + dy;
        if (seen.at(nx, ny) || kon0.at(nx, ny) == keys.wall) continue;
        seen.at(nx, ny) = 1;
        stack.push_back({nx, ny});
      }
  }
  std::size_t compared = 0, agree = 0;
  for (int my = kFirst; my <= kLast; ++my)
    for (int mx = kFirst; mx <= kLast; ++mx) {
      if (!park(mx, my)) continue;
      const Colour m = kon0.at(mx, my);
      const int want = m == keys.offTrack ? 1 : m == keys.wall ? 2 : 0;
      int votes[3] = {0, 0, 0};
      for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x) {
          const int c =
              circuitClass(picture.at((mx - kFirst) * kScale + x, (my - kFirst) * kScale + y));
          if (c >= 0) ++votes[c];
        }
      if (votes[0] + votes[1] + votes[2] == 0) continue;
      const int shown = votes[0] >= votes[1] && votes[0] >= votes[2] ? 0
                        : votes[1] >= votes[2]                       ? 1
                                                                     : 2;
      ++compared;
      if (shown == want) ++agree;
    }
  if (!compared) fail("nothing of the Circuit to compare");
  return double(agree) / double(compared);
}

}  // namespace art::city
