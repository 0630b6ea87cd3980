#include "tracks/parking/parking_paint.h"

#include <cmath>
#include <numbers>

#include "canvas.h"
#include "cars/car_models.h"
#include "cars/paints.h"
#include "toolkit/noise.h"
#include "tracks/track_objects.h"
#include "tracks/track_textures.h"

namespace art::tracks::parking {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr Rgb kWhite{236, 236, 228};

void box(cairo_t* cr, const Box& b, double grow = 0) {
  cairo_rectangle(cr, b.x0 - grow, b.y0 - grow, b.x1 - b.x0 + 2 * grow, b.y1 - b.y0 + 2 * grow);
}

Coverage fillCover(const Draw& path) {
  return cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
    path(cr);
    cairo_fill(cr);
  });
}

Rgb paintWorn(int x, int y) {
  return kWhite * std::clamp(0.82 + 0.25 * valueNoise(x / 4.0, y / 4.0, 501), 0.55, 1.0);
}

Rgb concrete(int x, int y, double slab) {
  // Paving slabs in a grid with dark joints.
  Rgb c = Rgb{176, 174, 166} * (0.95 + 0.08 * hash01(int(x / slab), int(y / slab), 502) +
                                0.05 * valueNoise(x / 3.0, y / 3.0, 503));
  if (std::fmod(x, slab) < 1 || std::fmod(y, slab) < 1) c = c * 0.78;
  return c;
}

void bayLines(Picture& pic, const Bay& b) {
  const double cs = std::cos(b.angle), sn = std::sin(b.angle);
  auto at = [&](double u, double v) {
    return Vec{b.centre.x + u * cs - v * sn, b.centre.y + u * sn + v * cs};
  };
  const Coverage c = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
    cairo_set_line_width(cr, 3);
    const double hl = b.length / 2, hw = b.width / 2;
    if (b.length > 80) {
      // A parallel bay: corner marks only.
      for (double u : {-hl, hl}) {
        const Vec p = at(u, -hw), q = at(u, hw);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
      }
      for (double u : {-hl, hl - 16}) {
        const Vec p = at(u, -hw), q = at(u + 16, -hw);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, q.x, q.y);
      }
    } else {
      // Perpendicular bays: both sides and the back, open towards the aisle (+u).
      const Vec a = at(hl, -hw), bb = at(-hl, -hw), c2 = at(-hl, hw), d = at(hl, hw);
      polygon(cr, {{a.x, a.y}, {bb.x, bb.y}, {c2.x, c2.y}, {d.x, d.y}}, false);
    }
    cairo_stroke(cr);
  });
  pic.paint(c, paintWorn);
  if (b.disabled) {
    const Coverage blue = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      const Vec p = at(0, 0);
      cairo_save(cr);
      cairo_translate(cr, p.x, p.y);
      cairo_rotate(cr, b.angle);
      cairo_rectangle(cr, -b.length / 2 + 3, -b.width / 2 + 3, b.length - 6, b.width - 6);
      cairo_restore(cr);
      cairo_fill(cr);
    });
    pic.paint(blue, Rgb{36, 92, 176}, 0.85);
    // The wheelchair sign, read from the aisle.
    const Coverage sign = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      const Vec p = at(-4, 0);
      cairo_translate(cr, p.x, p.y);
      cairo_rotate(cr, b.angle + kPi / 2);
      cairo_scale(cr, 1.3, 1.3);
      cairo_arc(cr, 1, -11, 2.6, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_set_line_width(cr, 2.6);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      polygon(cr, {{0, -6}, {0, 2}, {7, 2}, {9, 9}}, false);
      cairo_move_to(cr, 0, -3);
      cairo_line_to(cr, 6, -3);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 2.2);
      cairo_arc(cr, -1, 4, 7, 0.55 * kPi, 2.05 * kPi);
      cairo_stroke(cr);
    });
    pic.paint(sign, paintWorn);
  }
}

void arrow(Picture& pic, Vec at, double angle) {
  const Coverage c = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, angle);
    polygon(cr, {{-34, -5}, {8, -5}, {8, -14}, {34, 0}, {8, 14}, {8, 5}, {-34, 5}});
    cairo_fill(cr);
  });
  pic.paint(c, paintWorn);
}

// The car faces along the bay; nose to the back line or out to the aisle.
double parkedHeading(const Bay& b) {
  return b.angle + (b.facingIn ? kPi : 0) +
         (hash01(int(b.centre.x), int(b.centre.y), 7) - 0.5) * 0.06;
}

void parkedShadow(ShadowLayer& shadows, const Bay& b) {
  Coverage sh = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
    cairo_translate(cr, b.centre.x + 4, b.centre.y + 5);
    cairo_rotate(cr, parkedHeading(b));
    cairo_rectangle(cr, -30, -15, 60, 30);
    cairo_fill(cr);
  });
  blur(sh, 2);
  shadows.add(sh, 0.55);
}

void parkedCar(Picture& pic, const Bay& b) {
  const auto& ways = cars::colourways();
  const cars::Colourway& way = ways[std::size_t(b.paint) % ways.size()];
  const cars::Model model = b.model == 0   ? cars::Model::Viper
                            : b.model == 1 ? cars::Model::Porsche
                                           : cars::Model::Ferari;
  pic.draw(kMapSpace, [&](cairo_t* cr) {
    cairo_translate(cr, b.centre.x, b.centre.y);
    cairo_rotate(cr, parkedHeading(b));
    cars::drawCar(cr, model, way.paint, cars::Lamps{});
  });
}

}  // namespace

Image paintGround(const Layout& L) {
  Picture pic(kMapSize, kMapSize, {90, 128, 60});
  // Grass outside the wall.
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) pic.at(x, y) = grass(x, y, 0.7);
  // The asphalt, a little darker where cars stand and drip.
  const Coverage tar = fillCover([&](cairo_t* cr) { box(cr, L.inside); });
  pic.paint(tar, [&](int x, int y) { return asphalt(x, y, 0, -6); });
  for (const Bay& b : L.bays) {
    const Coverage stain = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      cairo_arc(cr, b.centre.x + (hash01(int(b.centre.x), 1, 9) - 0.5) * 20, b.centre.y, 9, 0,
                2 * kPi);
      cairo_fill(cr);
    });
    Coverage soft = stain;
    blur(soft, 4);
    pic.darken(soft, 0.18);
  }
  // Kerbed islands and the pavement.
  for (const Box& is : L.islands) {
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, is); }),
              [&](int x, int y) { return concrete(x, y, 8); });
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, is, -3); }),
              [&](int x, int y) { return grass(x, y, 0.9); });
  }
  pic.paint(fillCover([&](cairo_t* cr) { box(cr, L.pavement); }),
            [&](int x, int y) { return concrete(x, y, 12); });
  // Markings.
  for (const Bay& b : L.bays) bayLines(pic, b);
  for (const auto& [at, angle] : L.arrows) arrow(pic, at, angle);
  {
    // The zebra crossing from the shop's door across the aisle.
    const Coverage z = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      for (double y = 236; y < 322; y += 14) cairo_rectangle(cr, 704, y, 48, 8);
      cairo_fill(cr);
    });
    pic.paint(z, paintWorn);
    // A hatched box nobody may park in, by the practice pad.
    const Coverage h = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      cairo_rectangle(cr, 700, 250, 276, 3);
      for (double x = 700; x < 976; x += 18) {
        polygon(cr, {{x, 253}, {x + 10, 253}, {x + 2, 263}, {x - 8, 263}});
      }
      cairo_fill(cr);
    });
    pic.paint(h, Rgb{230, 196, 40}, 0.9);
    // The pad's name painted large.
    pic.draw(kMapSpace, [&](cairo_t* cr) {
      cairo_translate(cr, 930, 560);
      cairo_rotate(cr, -kPi / 2);
      setFont(cr, 40, true);
      cairo_set_source_rgba(cr, 0.93, 0.93, 0.88, 0.85);
      drawTextCentred(cr, "CVIČIŠTĚ", -160, -25, 320, 50);
    });
  }

  // Shadows of the shop, the wall, the booth, trees, cars and posts, then the things.
  ShadowLayer shadows(kMapSize, kMapSize);
  roofShadow(shadows, kMapSize, kMapSize, kMapSpace,
             {{(L.building.x0 + L.building.x1) / 2, (L.building.y0 + L.building.y1) / 2},
              L.building.x1 - L.building.x0,
              L.building.y1 - L.building.y0,
              0,
              RoofKind::Slate,
              false,
              22,
              1});
  roofShadow(shadows, kMapSize, kMapSize, kMapSpace,
             {{(L.booth.x0 + L.booth.x1) / 2, (L.booth.y0 + L.booth.y1) / 2},
              L.booth.x1 - L.booth.x0,
              L.booth.y1 - L.booth.y0,
              0,
              RoofKind::Slate,
              false,
              12,
              2});
  for (const Vec& p : L.lamps) {
    Coverage c = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, p.x, p.y);
      cairo_line_to(cr, p.x + 60 * kShadowX, p.y + 60 * kShadowY);
      cairo_stroke(cr);
    });
    blur(c, 1);
    shadows.add(c, 0.4);
  }
  for (const Vec& p : L.cones) {
    Coverage c = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      cairo_arc(cr, p.x + 4, p.y + 5, 6, 0, 2 * kPi);
      cairo_fill(cr);
    });
    blur(c, 1);
    shadows.add(c, 0.45);
  }
  for (std::size_t i = 0; i < L.trees.size(); ++i)
    canopyShadow(shadows, kMapSize, kMapSize, kMapSpace,
                 {L.trees[i], 17, Foliage::Broadleaf, unsigned(i) + 40});
  for (const Bay& b : L.bays)
    if (b.parked) parkedShadow(shadows, b);
  shadows.apply(pic);
  for (const Bay& b : L.bays)
    if (b.parked) parkedCar(pic, b);
  // The perimeter wall of rendered blocks with a coping.
  {
    const Coverage ring = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      box(cr, L.inside, 8);
      cairo_rectangle(cr, L.inside.x1, L.inside.y0, L.inside.x0 - L.inside.x1,
                      L.inside.y1 - L.inside.y0);
      cairo_fill(cr);
    });
    pic.paint(ring, [&](int x, int y) {
      const bool lit = x < L.inside.x0 || y < L.inside.y0;
      Rgb c = Rgb{196, 188, 172} * (lit ? 1.04 : 0.84);
      const double along = (x < L.inside.x0 || x > L.inside.x1) ? y : x;
      if (std::fmod(along, 24) < 1.2) c = c * 0.8;
      return c * (0.96 + 0.06 * valueNoise(x / 3.0, y / 3.0, 520));
    });
  }
  // The shop: a flat roof of gravel with a parapet, air-conditioning boxes, skylights and its
  // name in big letters.
  {
    const Box& B = L.building;
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, B); }), [&](int x, int y) {
      return Rgb{150, 150, 146} * (0.95 + 0.1 * hash01(x, y, 530));
    });
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, B, -6); }),
              [&](int x, int y) { return gravel(x, y) * 0.92; });
    for (int i = 0; i < 4; ++i) {
      const Box sky{B.x0 + 30 + i * 46.0, B.y0 + 100, B.x0 + 60 + i * 46.0, B.y0 + 130};
      pic.paint(fillCover([&](cairo_t* cr) { box(cr, sky); }), [&](int x, int y) {
        return mix(Rgb{120, 170, 210}, Rgb{60, 96, 140}, (y - sky.y0) / 30.0) *
               (0.95 + 0.05 * hash01(x, y, 531));
      });
    }
    for (int i = 0; i < 3; ++i) {
      const Box ac{B.x1 - 120 + i * 34.0, B.y0 + 96, B.x1 - 94 + i * 34.0, B.y0 + 122};
      ShadowLayer acShadow(kMapSize, kMapSize);
      roofShadow(
          acShadow, kMapSize, kMapSize, kMapSpace,
          {{(ac.x0 + ac.x1) / 2, (ac.y0 + ac.y1) / 2}, 26, 26, 0, RoofKind::Slate, false, 8, 3});
      acShadow.apply(pic);
      pic.paint(fillCover([&](cairo_t* cr) { box(cr, ac); }), Rgb{200, 202, 204});
      pic.paint(fillCover([&](cairo_t* cr) {
                  cairo_arc(cr, (ac.x0 + ac.x1) / 2, (ac.y0 + ac.y1) / 2, 9, 0, 2 * kPi);
                }),
                Rgb{60, 62, 66});
    }
    pic.draw(kMapSpace, [&](cairo_t* cr) {
      setFont(cr, 52, true);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
      drawTextCentred(cr, "AUTOŠKOLA", B.x0 + 4, B.y0 + 14, B.x1 - B.x0, 70);
      cairo_set_source_rgb(cr, 0.96, 0.78, 0.16);
      drawTextCentred(cr, "AUTOŠKOLA", B.x0, B.y0 + 10, B.x1 - B.x0, 70);
    });
  }
  // The booth at the gate and the barrier across it.
  {
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, L.booth); }), Rgb{210, 208, 200});
    pic.paint(fillCover([&](cairo_t* cr) { box(cr, L.booth, -3); }), Rgb{70, 110, 150});
    const Coverage arm = cover(kMapSize, kMapSize, kMapSpace, [&](cairo_t* cr) {
      cairo_rectangle(cr, 868, 958, 96, 6);
      cairo_fill(cr);
    });
    pic.paint(arm, [&](int x, int) { return int(x / 12) % 2 ? Rgb{220, 40, 36} : kWhite; });
  }
  // Islands' trees, lamp posts and the cones.
  for (std::size_t i = 0; i < L.trees.size(); ++i)
    paintCanopy(pic, kMapSpace, {L.trees[i], 17, Foliage::Broadleaf, unsigned(i) + 40});
  for (const Vec& p : L.lamps) {
    pic.paint(fillCover([&](cairo_t* cr) { cairo_arc(cr, p.x, p.y, 3.5, 0, 2 * kPi); }),
              Rgb{70, 74, 80});
    pic.paint(fillCover([&](cairo_t* cr) { cairo_rectangle(cr, p.x - 6, p.y - 3, 12, 6); }),
              Rgb{210, 212, 200});
  }
  for (const Vec& p : L.cones) {
    pic.paint(fillCover([&](cairo_t* cr) { cairo_arc(cr, p.x, p.y, 6, 0, 2 * kPi); }),
              Rgb{240, 110, 20});
    pic.paint(fillCover([&](cairo_t* cr) {
                cairo_arc(cr, p.x, p.y, 4, 0, 2 * kPi);
                cairo_arc_negative(cr, p.x, p.y, 2.5, 2 * kPi, 0);
              }),
              kWhite);
    pic.paint(fillCover([&](cairo_t* cr) { cairo_arc(cr, p.x - 0.6, p.y - 0.6, 1.6, 0, 2 * kPi); }),
              Rgb{255, 170, 90});
  }
  return pic.toImage();
}

}  // namespace art::tracks::parking
