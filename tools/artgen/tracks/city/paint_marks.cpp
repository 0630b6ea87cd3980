// Road markings: dashed centre lines, zebra crossings at the crossings, the chequered finish
// line, the two grid boxes at the start, and the manhole covers.
#include <cmath>
#include <numbers>

#include "render.h"

namespace art::city {

namespace {

const Rgb kPaint{236, 234, 226};

Vec toMap(Vec w) {
  return {w.x + 1000, w.y + 1000};
}

// Samples of one street in order.
std::vector<const CentreSample*> streetSamples(const Layout& L, int street) {
  std::vector<const CentreSample*> out;
  for (const CentreSample& s : L.centre)
    if (s.street == street) out.push_back(&s);
  return out;
}

bool nearLine(const Plan& plan, Vec m, double within) {
  const double total = length(plan.lap);
  for (const KeyLine& k : plan.lines) {
    if (k.kind != LineKind::Finish) continue;
    const Vec at = toMap(pointAt(plan.lap, std::fmod(k.lapS + total, total)));
    if (norm(at - m) < within) return true;
  }
  return norm(m - toMap(plan.playerStart)) < within + 40 ||
         norm(m - toMap(plan.opponentStart)) < within + 40;
}

void centreLines(cairo_t* cr, const Plan& plan, const Layout& L) {
  source(cr, kPaint, 0.82);
  cairo_set_line_width(cr, 3);
  const double dash[] = {22, 18};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (std::size_t st = 0; st < plan.streets.size(); ++st) {
    const auto samples = streetSamples(L, int(st));
    bool drawing = false;
    for (const CentreSample* s : samples) {
      const Vec m = toMap(s->at);
      const bool ok = !s->junction && !s->repeated && !nearLine(plan, m, 70) &&
                      groundAt(L, m.x, m.y) == Ground::Road;
      if (ok && !drawing) cairo_move_to(cr, m.x, m.y);
      if (ok && drawing) cairo_line_to(cr, m.x, m.y);
      if (!ok && drawing) cairo_stroke(cr);
      drawing = ok;
    }
    if (drawing) cairo_stroke(cr);
  }
  cairo_set_dash(cr, nullptr, 0, 0);
}

// Half the road's width across a street point (to the kerb on either side).
void roadAcross(const Layout& L, Vec m, Vec n, double& lo, double& hi) {
  auto road = [&](Vec p) {
    const int x = int(p.x), y = int(p.y);
    return L.roads.road.inside(x, y) && L.roads.road.at(x, y);
  };
  lo = hi = 0;
  while (lo < 90 && road(m - n * (lo + 1))) ++lo;
  while (hi < 90 && road(m + n * (hi + 1))) ++hi;
}

void zebra(cairo_t* cr, const Layout& L, Vec m, Vec t) {
  const Vec n = perp(t);
  double lo, hi;
  roadAcross(L, m, n, lo, hi);
  if (lo + hi > 160) return;  // not a plain street here
  source(cr, kPaint, 0.88);
  for (double a = -lo + 5; a + 6 <= hi - 4; a += 12) {
    const Vec c = m + n * (a + 3);
    const Vec p[4] = {c - t * 11 - n * 3, c + t * 11 - n * 3, c + t * 11 + n * 3,
                      c - t * 11 + n * 3};
    cairo_move_to(cr, p[0].x, p[0].y);
    for (int i = 1; i < 4; ++i) cairo_line_to(cr, p[i].x, p[i].y);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

// Zebra crossings on every arm of a crossing, a little way out from it.
void zebras(cairo_t* cr, const Plan& plan, const Layout& L) {
  for (std::size_t st = 0; st < plan.streets.size(); ++st) {
    const auto samples = streetSamples(L, int(st));
    for (std::size_t i = 1; i < samples.size(); ++i) {
      const CentreSample& a = *samples[i - 1];
      const CentreSample& b = *samples[i];
      if (a.junction == b.junction || a.repeated || b.repeated) continue;
      // Step out of the crossing by 20 pixels along the arm.
      const int dir = a.junction ? 1 : -1;
      const std::size_t k = a.junction ? std::min(samples.size() - 1, i + 2) : (i >= 3 ? i - 3 : 0);
      const CentreSample& z = *samples[k];
      if (z.junction || z.repeated) continue;
      const Vec m = toMap(z.at);
      if (nearLine(plan, m, 90) || groundAt(L, m.x, m.y) != Ground::Road) continue;
      (void)dir;
      zebra(cr, L, m, z.tangent);
    }
  }
}

void finishLine(cairo_t* cr, const Plan& plan, const Layout& L) {
  const double total = length(plan.lap);
  for (const KeyLine& k : plan.lines) {
    if (k.kind != LineKind::Finish) continue;
    const double s = std::fmod(k.lapS + total, total);
    const Vec m = toMap(pointAt(plan.lap, s)), t = tangentAt(plan.lap, s), n = perp(t);
    double lo, hi;
    roadAcross(L, m, n, lo, hi);
    const double sq = 8;
    for (int row = -1; row <= 1; ++row)
      for (double a = -lo; a < hi; a += sq) {
        const int idx = int(std::floor((a + lo) / sq)) + row;
        source(cr, idx % 2 ? Rgb{30, 30, 32} : kPaint, 0.92);
        const double w = std::min(sq, hi - a);
        const Vec c = m + t * (row * sq) + n * a;
        cairo_move_to(cr, c.x, c.y);
        const Vec p1 = c + n * w, p2 = p1 + t * sq, p3 = c + t * sq;
        cairo_line_to(cr, p1.x, p1.y);
        cairo_line_to(cr, p2.x, p2.y);
        cairo_line_to(cr, p3.x, p3.y);
        cairo_close_path(cr);
        cairo_fill(cr);
      }
  }
}

// The two grid boxes: a white bracket round each car's place, facing east.
void gridBoxes(cairo_t* cr, const Plan& plan) {
  source(cr, kPaint, 0.9);
  cairo_set_line_width(cr, 3);
  for (const Vec s : {plan.playerStart, plan.opponentStart}) {
    const Vec m = toMap(s);
    polygon(
        cr,
        {{m.x + 36, m.y - 18}, {m.x + 44, m.y - 18}, {m.x + 44, m.y + 18}, {m.x + 36, m.y + 18}},
        false);
    cairo_stroke(cr);
    cairo_move_to(cr, m.x - 34, m.y - 18);
    cairo_line_to(cr, m.x - 34, m.y + 18);
    cairo_stroke(cr);
  }
  // "START" painted across the road ahead of the grid.
  const Vec m = toMap((plan.playerStart + plan.opponentStart) * 0.5);
  cairo_save(cr);
  cairo_translate(cr, m.x + 80, m.y);
  cairo_rotate(cr, -std::numbers::pi / 2);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 26);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "START", &e);
  source(cr, kPaint, 0.85);
  cairo_move_to(cr, -e.width / 2 - e.x_bearing, e.height / 2);
  cairo_show_text(cr, "START");
  cairo_restore(cr);
}

void manholes(cairo_t* cr, const Plan& plan, const Layout& L) {
  int n = 0;
  for (const CentreSample& s : L.centre) {
    if (s.junction || ++n % 23) continue;
    const Vec m = toMap(s.at) + perp(s.tangent) * (n % 2 ? 26.0 : -26.0);
    if (nearLine(plan, m, 60) || groundAt(L, m.x, m.y) != Ground::Road) continue;
    source(cr, {46, 46, 48});
    cairo_arc(cr, m.x, m.y, 6.5, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    source(cr, {104, 102, 98});
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, m.x, m.y, 5.8, 0, 2 * std::numbers::pi);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 0.8);
    for (int k = -2; k <= 2; ++k) {
      cairo_move_to(cr, m.x - 4, m.y + k * 2);
      cairo_line_to(cr, m.x + 4, m.y + k * 2);
    }
    cairo_stroke(cr);
  }
}

}  // namespace

void paintMarkings(Raster& r, const Plan& plan, const Layout& L, const View& v) {
  cairo_t* cr = r.cr();
  v.apply(cr);
  manholes(cr, plan, L);
  centreLines(cr, plan, L);
  zebras(cr, plan, L);
  finishLine(cr, plan, L);
  gridBoxes(cr, plan);
}

}  // namespace art::city
