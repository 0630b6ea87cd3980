// The City (maps/m2) and the Circuit that lies in its park: artgen module "city". Lays the
// City out around the opponent's path, checks that the masks carry a good lap, then draws and
// writes every picture of the two tracks.
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "art.h"
#include "cars/keyed.h"
#include "checks.h"
#include "layout.h"
#include "masks.h"
#include "minimap.h"
#include "plan.h"
#include "render.h"
#include "signs.h"
#include "tracks/track_files.h"
#include "tracks/track_sim.h"
#include "tunnel.h"

namespace art::city {

namespace {

constexpr double kMinOnRoad = 97;  // per cent of the frames
constexpr int kLaps = 5;

std::vector<Vec> tracePositions(const Plan& plan) {
  std::vector<Vec> out;
  for (const PathPoint& p : plan.trace) out.push_back({p.x, p.y});
  return out;
}

bool onRoad(const Layout& L, Vec world) {
  const int x = int(std::floor(world.x + 1000)), y = int(std::floor(world.y + 1000));
  return L.ground.inside(x, y) && surfaceAt(L, x, y) == Surface::Road;
}

// Laps at top speed (7.8 pixels a frame) along a line beside the opponent's: `side` is the
// share of the road's half width to the left (negative: to the right), measured across the
// road at every point and never more than a street's width.
std::vector<Vec> lapsBeside(const Plan& plan, const Layout& L, double side, int laps) {
  Polyline lap = plan.lap;
  lap.push_back(lap.front());
  const Polyline line = resample(lap, 7.8);
  std::vector<Vec> out;
  for (int l = 0; l < laps; ++l)
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
      const Vec n = perp(unit(line[std::min(i + 2, line.size() - 1)] - line[i ? i - 1 : 0]));
      const Vec dir = side < 0 ? n * -1 : n;
      double room = 0;
      while (room < 66 && onRoad(L, line[i] + dir * (room + 1))) ++room;
      out.push_back(line[i] + dir * (std::abs(side) * std::max(0.0, room - 8)));
    }
  return out;
}

std::array<SignRule, 12> signRules(const Plan& plan) {
  std::array<SignRule, 12> r;
  for (std::size_t i = 0; i < 12; ++i)
    r[i] = {Heading(plan.signs[i].in), Heading(plan.signs[i].out)};
  return r;
}

void checkCity(const Plan& plan, const Layout& layout, const Masks& m) {
  const tracks::Keys ours = maskKeys();
  const Colour road = ours.road;
  tracks::checkLegend(m.kon[0], ours, ours.switch0, "mini1.bmp");
  tracks::checkLegend(m.kon[1], ours, ours.switch1, "mini2.bmp");
  const Keys keys = legendKeys(m.kon[0], m.kon[1], road);
  const std::array<const Image*, 2> kon{&m.kon[0], &m.kon[1]};
  for (const Vec start : {plan.playerStart, plan.opponentStart})
    if (tracks::maskAt(m.kon[0], 5, start) != road)
      throw std::runtime_error("a car's start place is not on the road");

  // The opponent, five laps from the race start.
  const std::vector<Vec> trace = tracePositions(plan);
  if (plan.trace.back().lap < kLaps)
    throw std::runtime_error("the opponent does not finish its laps");
  const tracks::OpponentFigures share = tracks::opponentOnRoad({{kon[0], kon[1]}, 5}, trace);
  std::printf("city: opponent on the road in %.2f %% of %zu frames, %d laps\n", share.percent(),
              share.frames, plan.trace.back().lap);
  if (share.percent() < kMinOnRoad) {
    const Vec at = share.misses.front();
    throw std::runtime_error("the opponent leaves the road too often, first at (" +
                             std::to_string(int(at.x)) + ", " + std::to_string(int(at.y)) + ")");
  }
  const auto events = drive(kon, keys, trace, {});
  checkLaps(events, kLaps, 22, true, "the opponent's laps");
  checkSigns(events, trace, signAfterCount, signRules(plan), "the opponent's path");

  // A player anywhere across the road: lines beside the opponent's at top speed.
  for (double side : {-1.0, -0.6, -0.3, 0.0, 0.3, 0.6, 1.0}) {
    const auto laps = lapsBeside(plan, layout, side, 2);
    const std::string who = "a lap at " + std::to_string(int(side * 100)) + " % across the road";
    checkLaps(drive(kon, keys, laps, {0, 0, 0, false}), 2, 22, false, who);
  }
  std::vector<Vec> corners;
  for (const Square& q : plan.pickups) corners.push_back({q.x, q.y});
  const auto shares = checkPickups(m.kon[0], keys, plan.playerStart, corners);
  std::printf("city: pick-up squares reachable, road share");
  for (double s : shares) std::printf(" %.0f%%", 100 * s);
  std::printf("\n");
}

void checkCircuitPicture(const Layout& layout, const Masks& m, const Image& picture) {
  const Keys keys = legendKeys(m.kon[0], m.kon[1], maskKeys().road);
  const Vec start = trainingCircuit().start;
  const double agree = checkCircuit(picture, m.kon[0], keys, start, [&](int mx, int my) {
    return layout.ground.at(mx * kMaskScale + 2, my * kMaskScale + 2) == Ground::Circuit;
  });
  std::printf("circuit: the picture agrees with the mask on %.1f %% of the park\n", 100 * agree);
  if (agree < 0.98) throw std::runtime_error("the Circuit picture does not match its mask");
}

// The map at a view: ground, shadows, markings, roofs and the objects in the streets.
void paintMap(Raster& r, const Plan& plan, const Layout& layout, const View& v) {
  paintGround(r, layout, v);
  paintShadows(r, layout, v);
  paintMarkings(r, plan, layout, v);
  paintRoofs(r, layout, v);
  paintStreetObjects(r, layout, v);
}

void run(const Context& ctx) {
  const Plan& plan = cityPlan();
  const Layout& layout = cityLayout();
  const Masks masks = buildMasks(plan, layout);
  checkCity(plan, layout, masks);
  tracks::writeExact(ctx, "/maps/m2/mini1.bmp", masks.kon[0]);
  tracks::writeExact(ctx, "/maps/m2/mini2.bmp", masks.kon[1]);

  Raster map(kMapSize, kMapSize);
  const View whole{{0, 0}, 1, false};
  paintMap(map, plan, layout, whole);
  ctx.writeJpg("/maps/m2/1.jpg", map.toImage(), 90);

  // The overlay: its mask, black over the objects, and its image on black.
  Raster overlayMask(kMapSize, kMapSize), overlay(kMapSize, kMapSize);
  source(overlayMask.cr(), {255, 255, 255});
  cairo_paint(overlayMask.cr());
  source(overlay.cr(), {0, 0, 0});
  cairo_paint(overlay.cr());
  paintOverlay(overlayMask, layout, whole, true);
  paintOverlay(overlay, layout, whole, false);
  const Image rw = overlayMask.toImage(), rb = overlay.toImage();
  cars::checkMaskPair(rw, rb, "the overlay");
  tracks::writeExact(ctx, "/maps/m2/rw.gif", rw);
  ctx.writeJpg("/maps/m2/rb.jpg", rb, 90);
  std::printf("city: the overlay image strays at most %u from black where the map shows through\n",
              tracks::overlaySpill(ctx, "/maps/m2/rb.jpg", rw));

  const Minimap mini = drawMinimap(plan, layout);
  cars::checkMaskPair(mini.mask, mini.image, "the minimap");
  tracks::writeExact(ctx, "/maps/m2/mb.bmp", mini.image);
  tracks::writeExact(ctx, "/maps/m2/mw.bmp", mini.mask);

  ctx.writeBmp("/gfx/builtin/Form1/Picture4.bmp", drawTunnel());
  for (int k = 0; k < 12; ++k)
    ctx.writeBmp("/gfx/builtin/Form1/znacka" + std::to_string(k) + ".bmp",
                 drawSign(plan.signs[std::size_t(k)]));

  // The Circuit: the City's park block at twice the size, with nothing over the cars.
  Raster circuit(1000, 1000);
  const View park{{500, 500}, 2, true};
  paintMap(circuit, plan, layout, park);
  paintOverlay(circuit, layout, park, false);
  const Image picture = circuit.toImage();
  checkCircuitPicture(layout, masks, picture);
  ctx.writeJpg("/maps/m2/0.jpg", picture, 90);
}
ARTGEN_MODULE("city", run);

}  // namespace

}  // namespace art::city
