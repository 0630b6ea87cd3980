// Button icons and page watermarks, drawn as vectors in a unit box.
#include "menu/menu_icons.h"

#include <cmath>
#include <cstdint>

namespace art::menu {

namespace {

// Fills the current path with a vertical gradient from top to bottom of the icon box.
void fillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  setLinear(cr, 0, y0, 0, y1, {{0, top}, {1, bottom}});
  cairo_fill_preserve(cr);
}

void outline(cairo_t* cr, double width = 0.06) {
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// All icons are drawn in a unit box: x and y from -0.5 to 0.5.
void arrow(cairo_t* cr, bool up) {
  const double d = up ? -1 : 1;
  polygon(cr, {{0, 0.38 * d},
               {0.5, -0.22 * d},
               {0.18, -0.22 * d},
               {0.18, -0.42 * d},
               {-0.18, -0.42 * d},
               {-0.18, -0.22 * d},
               {-0.5, -0.22 * d}});
  fillVertical(cr, -0.4, 0.4, {255, 236, 150}, {255, 170, 40});
  outline(cr);
}

void play(cairo_t* cr) {
  cairo_arc(cr, 0, 0, 0.46, 0, 2 * M_PI);
  fillVertical(cr, -0.46, 0.46, {120, 230, 140}, {20, 130, 60});
  outline(cr);
  cairo_move_to(cr, -0.14, -0.24);
  cairo_line_to(cr, 0.26, 0);
  cairo_line_to(cr, -0.14, 0.24);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
}

void gear(cairo_t* cr) {
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
    const double r = (i % 2) ? 0.36 : 0.48;
    if (i == 0) cairo_move_to(cr, r * std::cos(a0), r * std::sin(a0));
    cairo_line_to(cr, r * std::cos(a0), r * std::sin(a0));
    cairo_line_to(cr, r * std::cos(a1), r * std::sin(a1));
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 0, 0, 0.15, 2 * M_PI, 0);
  fillVertical(cr, -0.5, 0.5, {220, 228, 240}, {110, 120, 140});
  outline(cr, 0.05);
}

void info(cairo_t* cr) {
  cairo_arc(cr, 0, 0, 0.46, 0, 2 * M_PI);
  fillVertical(cr, -0.46, 0.46, {110, 180, 255}, {30, 80, 190});
  outline(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_arc(cr, 0, -0.22, 0.075, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_rectangle(cr, -0.065, -0.08, 0.13, 0.36);
  cairo_fill(cr);
}

void power(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 0.14);
  cairo_arc(cr, 0, 0.04, 0.36, -M_PI / 2 + 0.7, -M_PI / 2 - 0.7 + 2 * M_PI);
  cairo_move_to(cr, 0, -0.46);
  cairo_line_to(cr, 0, -0.02);
  cairo_set_source_rgb(cr, 1, 0.42, 0.3);
  cairo_stroke(cr);
}

void chevrons(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 0.15);
  for (double x : {-0.28, 0.08}) {
    cairo_move_to(cr, x, -0.3);
    cairo_line_to(cr, x + 0.24, 0);
    cairo_line_to(cr, x, 0.3);
  }
  source(cr, kYellow);
  cairo_stroke(cr);
}

void monitor(cairo_t* cr) {
  roundedRect(cr, -0.48, -0.4, 0.96, 0.62, 0.06);
  fillVertical(cr, -0.4, 0.22, {70, 80, 100}, {30, 35, 48});
  outline(cr);
  cairo_rectangle(cr, -0.4, -0.33, 0.8, 0.48);
  fillVertical(cr, -0.33, 0.15, {110, 200, 255}, {30, 80, 170});
  cairo_new_path(cr);
  polygon(cr, {{-0.1, 0.22}, {0.1, 0.22}, {0.16, 0.4}, {-0.16, 0.4}});
  fillVertical(cr, 0.22, 0.4, {120, 130, 150}, {60, 66, 80});
  cairo_new_path(cr);
}

void speaker(cairo_t* cr) {
  polygon(cr, {{-0.46, -0.14},
               {-0.28, -0.14},
               {-0.04, -0.36},
               {-0.04, 0.36},
               {-0.28, 0.14},
               {-0.46, 0.14}});
  fillVertical(cr, -0.36, 0.36, {230, 236, 248}, {130, 140, 160});
  outline(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 0.07);
  for (double r : {0.16, 0.3, 0.44}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, -0.04, 0, r, -0.75, 0.75);
  }
  source(cr, kCyan);
  cairo_stroke(cr);
}

void globe(cairo_t* cr) {
  cairo_arc(cr, 0, 0, 0.46, 0, 2 * M_PI);
  fillVertical(cr, -0.46, 0.46, {90, 170, 255}, {20, 60, 150});
  outline(cr);
  cairo_set_line_width(cr, 0.045);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_move_to(cr, -0.46, 0);
  cairo_line_to(cr, 0.46, 0);
  cairo_move_to(cr, 0, -0.46);
  cairo_line_to(cr, 0, 0.46);
  cairo_stroke(cr);
  for (double s : {0.22, 0.4}) {
    cairo_save(cr);
    cairo_scale(cr, s / 0.46, 1);
    cairo_arc(cr, 0, 0, 0.46, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_stroke(cr);
  }
  for (double y : {-0.24, 0.24}) {
    const double half = std::sqrt(0.46 * 0.46 - y * y);
    cairo_move_to(cr, -half, y);
    cairo_line_to(cr, half, y);
  }
  cairo_stroke(cr);
}

void gauge(cairo_t* cr) {
  cairo_arc(cr, 0, 0.08, 0.48, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  fillVertical(cr, -0.4, 0.08, {60, 68, 90}, {24, 28, 40});
  outline(cr);
  // Coloured scale from green to red.
  cairo_set_line_width(cr, 0.09);
  const Rgb cols[] = {{80, 220, 110}, {250, 210, 60}, {255, 80, 60}};
  for (int i = 0; i < 3; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0.08, 0.38, M_PI + i * M_PI / 3 + 0.05, M_PI + (i + 1) * M_PI / 3 - 0.05);
    source(cr, cols[i]);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 0.07);
  cairo_move_to(cr, 0, 0.08);
  cairo_line_to(cr, 0.24, -0.2);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_stroke(cr);
  cairo_arc(cr, 0, 0.08, 0.07, 0, 2 * M_PI);
  cairo_fill(cr);
}

void flagCz(cairo_t* cr) {
  const double x0 = -0.5, y0 = -0.33, w = 1, h = 0.66;
  cairo_rectangle(cr, x0, y0, w, h / 2);
  cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
  cairo_fill(cr);
  cairo_rectangle(cr, x0, y0 + h / 2, w, h / 2);
  cairo_set_source_rgb(cr, 0.84, 0.08, 0.12);
  cairo_fill(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + w / 2, 0);
  cairo_line_to(cr, x0, y0 + h);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.07, 0.25, 0.55);
  cairo_fill(cr);
  cairo_rectangle(cr, x0, y0, w, h);
  outline(cr, 0.04);
}

void flagUk(cairo_t* cr) {
  const double x0 = -0.5, y0 = -0.3, w = 1, h = 0.6;
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, w, h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.0, 0.14, 0.45);
  cairo_paint(cr);
  cairo_set_line_width(cr, 0.13);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + w, y0 + h);
  cairo_move_to(cr, x0 + w, y0);
  cairo_line_to(cr, x0, y0 + h);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.045);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x0 + w, y0 + h);
  cairo_move_to(cr, x0 + w, y0);
  cairo_line_to(cr, x0, y0 + h);
  cairo_set_source_rgb(cr, 0.8, 0.06, 0.14);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.1, y0, 0.2, h);
  cairo_rectangle(cr, x0, -0.1, w, 0.2);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  cairo_rectangle(cr, -0.06, y0, 0.12, h);
  cairo_rectangle(cr, x0, -0.06, w, 0.12);
  cairo_set_source_rgb(cr, 0.8, 0.06, 0.14);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_rectangle(cr, x0, y0, w, h);
  outline(cr, 0.04);
}

void person(cairo_t* cr) {
  cairo_arc(cr, 0, -0.2, 0.18, 0, 2 * M_PI);
  fillVertical(cr, -0.38, -0.02, {255, 226, 170}, {220, 170, 110});
  outline(cr, 0.04);
  cairo_move_to(cr, -0.36, 0.46);
  cairo_curve_to(cr, -0.36, 0.1, -0.2, 0.02, 0, 0.02);
  cairo_curve_to(cr, 0.2, 0.02, 0.36, 0.1, 0.36, 0.46);
  cairo_close_path(cr);
  fillVertical(cr, 0.02, 0.46, {255, 200, 70}, {210, 120, 20});
  outline(cr, 0.04);
}

void trophy(cairo_t* cr) {
  cairo_set_line_width(cr, 0.07);
  cairo_arc(cr, -0.3, -0.2, 0.13, M_PI / 2, 3 * M_PI / 2);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, 0.3, -0.2, 0.13, M_PI / 2, -M_PI / 2);
  source(cr, {230, 170, 40});
  cairo_stroke(cr);
  cairo_move_to(cr, -0.3, -0.42);
  cairo_line_to(cr, 0.3, -0.42);
  cairo_curve_to(cr, 0.3, -0.02, 0.12, 0.08, 0.06, 0.1);
  cairo_line_to(cr, 0.06, 0.26);
  cairo_line_to(cr, 0.22, 0.3);
  cairo_line_to(cr, 0.22, 0.44);
  cairo_line_to(cr, -0.22, 0.44);
  cairo_line_to(cr, -0.22, 0.3);
  cairo_line_to(cr, -0.06, 0.26);
  cairo_line_to(cr, -0.06, 0.1);
  cairo_curve_to(cr, -0.12, 0.08, -0.3, -0.02, -0.3, -0.42);
  cairo_close_path(cr);
  setLinear(cr, -0.3, 0, 0.3, 0,
            {{0, {200, 130, 20}}, {0.35, {255, 236, 140}}, {1, {180, 110, 10}}});
  cairo_fill_preserve(cr);
  outline(cr, 0.04);
}

void crate(cairo_t* cr) {
  // A glowing parcel, as the Kolder Run's pick-ups.
  glow(cr, 0, 0, 0.1, 0.6, {255, 200, 60}, 0.6);
  cairo_rectangle(cr, -0.36, -0.32, 0.72, 0.64);
  fillVertical(cr, -0.32, 0.32, {214, 150, 80}, {140, 84, 34});
  outline(cr, 0.05);
  cairo_set_line_width(cr, 0.05);
  cairo_set_source_rgba(cr, 0.35, 0.18, 0.05, 0.8);
  cairo_move_to(cr, -0.36, -0.32);
  cairo_line_to(cr, 0.36, 0.32);
  cairo_move_to(cr, 0.36, -0.32);
  cairo_line_to(cr, -0.36, 0.32);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.36, -0.06, 0.72, 0.12);
  cairo_set_source_rgb(cr, 0.95, 0.85, 0.4);
  cairo_fill(cr);
}

void chequered(cairo_t* cr) {
  cairo_set_line_width(cr, 0.06);
  cairo_move_to(cr, -0.4, 0.48);
  cairo_line_to(cr, -0.4, -0.44);
  cairo_set_source_rgb(cr, 0.85, 0.87, 0.9);
  cairo_stroke(cr);
  const double x0 = -0.37, y0 = -0.44, cell = 0.16;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 5; ++i) {
      const double wave = 0.05 * std::sin(i * 1.2);
      cairo_rectangle(cr, x0 + i * cell, y0 + j * cell + wave, cell, cell);
      if ((i + j) % 2)
        cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
      else
        cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
      cairo_fill(cr);
    }
}

void road(cairo_t* cr) {
  polygon(cr, {{-0.12, -0.44}, {0.12, -0.44}, {0.48, 0.44}, {-0.48, 0.44}});
  fillVertical(cr, -0.44, 0.44, {90, 96, 110}, {50, 54, 64});
  outline(cr, 0.04);
  cairo_set_source_rgb(cr, 1, 0.86, 0.3);
  for (int i = 0; i < 3; ++i) {
    const double y = -0.36 + i * 0.3, h = 0.1 + i * 0.04, w = 0.03 + i * 0.015;
    cairo_rectangle(cr, -w, y, 2 * w, h);
  }
  cairo_fill(cr);
}

void cone(cairo_t* cr) {
  cairo_rectangle(cr, -0.4, 0.32, 0.8, 0.12);
  fillVertical(cr, 0.32, 0.44, {255, 120, 30}, {190, 70, 10});
  cairo_new_path(cr);
  polygon(cr, {{-0.08, -0.46}, {0.08, -0.46}, {0.28, 0.32}, {-0.28, 0.32}});
  setLinear(cr, -0.28, 0, 0.28, 0, {{0, {210, 80, 10}}, {0.4, {255, 160, 60}}, {1, {200, 70, 10}}});
  cairo_fill(cr);
  polygon(cr, {{-0.16, -0.08}, {0.16, -0.08}, {0.2, 0.08}, {-0.2, 0.08}});
  cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
  cairo_fill(cr);
}

void check(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, -0.38, 0.02);
  cairo_line_to(cr, -0.1, 0.3);
  cairo_line_to(cr, 0.4, -0.3);
  cairo_set_line_width(cr, 0.2);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.13);
  cairo_set_source_rgb(cr, 0.45, 0.95, 0.5);
  cairo_stroke(cr);
}

void startLight(cairo_t* cr) {
  roundedRect(cr, -0.2, -0.48, 0.4, 0.96, 0.1);
  fillVertical(cr, -0.48, 0.48, {50, 54, 64}, {20, 22, 28});
  outline(cr, 0.04);
  const Rgb lamp[] = {{70, 20, 20}, {70, 60, 15}, {90, 255, 120}};
  for (int i = 0; i < 3; ++i) {
    const double y = -0.3 + i * 0.3;
    if (i == 2) {
      glow(cr, 0, y, 0.05, 0.4, lamp[2], 0.7);
    }
    cairo_arc(cr, 0, y, 0.11, 0, 2 * M_PI);
    source(cr, lamp[i]);
    cairo_fill(cr);
  }
}

void wheel(cairo_t* cr) {
  cairo_set_line_width(cr, 0.1);
  cairo_arc(cr, 0, 0, 0.42, 0, 2 * M_PI);
  setLinear(cr, 0, -0.45, 0, 0.45, {{0, {200, 210, 230}}, {1, {90, 100, 120}}});
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.09);
  cairo_move_to(cr, -0.4, -0.04);
  cairo_curve_to(cr, -0.2, 0.02, -0.12, 0.02, 0, 0.02);
  cairo_curve_to(cr, 0.12, 0.02, 0.2, 0.02, 0.4, -0.04);
  cairo_move_to(cr, 0, 0.02);
  cairo_line_to(cr, 0, 0.4);
  cairo_stroke(cr);
  cairo_arc(cr, 0, 0.04, 0.11, 0, 2 * M_PI);
  source(cr, kYellow);
  cairo_fill(cr);
}

void truck(cairo_t* cr) {
  // Seen from above, facing right: a box body and the cab.
  cairo_rectangle(cr, -0.5, -0.24, 0.64, 0.48);
  fillVertical(cr, -0.24, 0.24, {255, 214, 80}, {200, 140, 20});
  outline(cr, 0.04);
  roundedRect(cr, 0.18, -0.21, 0.3, 0.42, 0.07);
  fillVertical(cr, -0.21, 0.21, {90, 140, 230}, {30, 60, 150});
  outline(cr, 0.04);
  cairo_rectangle(cr, 0.34, -0.17, 0.08, 0.34);
  cairo_set_source_rgb(cr, 0.6, 0.85, 1);
  cairo_fill(cr);
}

}  // namespace

void drawTopCar(cairo_t* cr, double cx, double cy, double length, double width, Rgb paint,
                bool stripes) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, length, width);
  // Soft shadow.
  roundedRect(cr, -0.47, -0.42, 1.0, 0.92, 0.25);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  cairo_fill(cr);
  // Tyres peek out at the corners.
  cairo_set_source_rgb(cr, 0.06, 0.06, 0.07);
  for (double x : {-0.3, 0.24})
    for (double y : {-0.5, 0.36}) cairo_rectangle(cr, x, y, 0.16, 0.14);
  cairo_fill(cr);
  roundedRect(cr, -0.5, -0.44, 1.0, 0.88, 0.22);
  setLinear(cr, 0, -0.44, 0, 0.44,
            {{0, mix(paint, kWhite, 0.35)}, {0.5, paint}, {1, mix(paint, {0, 0, 0}, 0.45)}});
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  cairo_set_line_width(cr, 0.05);
  cairo_stroke(cr);
  if (stripes) {
    cairo_rectangle(cr, -0.5, -0.12, 1.0, 0.07);
    cairo_rectangle(cr, -0.5, 0.05, 1.0, 0.07);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_fill(cr);
  }
  // Windscreen and rear window.
  roundedRect(cr, 0.05, -0.34, 0.2, 0.68, 0.08);
  cairo_set_source_rgb(cr, 0.12, 0.18, 0.28);
  cairo_fill(cr);
  roundedRect(cr, -0.34, -0.3, 0.12, 0.6, 0.06);
  cairo_set_source_rgb(cr, 0.12, 0.18, 0.28);
  cairo_fill(cr);
  // Head lamps.
  cairo_set_source_rgb(cr, 1, 0.97, 0.8);
  cairo_rectangle(cr, 0.44, -0.36, 0.05, 0.14);
  cairo_rectangle(cr, 0.44, 0.22, 0.05, 0.14);
  cairo_fill(cr);
  cairo_restore(cr);
}

void drawIcon(cairo_t* cr, Icon icon, double cx, double cy, double size) {
  if (icon == Icon::None) return;
  cairo_save(cr);
  cairo_new_path(cr);  // text leaves a current point; no stray line from it
  cairo_translate(cr, cx, cy);
  if (icon == Icon::Viper || icon == Icon::Porsche || icon == Icon::Ferari) {
    const Rgb paint = icon == Icon::Viper     ? Rgb{40, 80, 210}
                      : icon == Icon::Porsche ? Rgb{190, 196, 208}
                                              : Rgb{214, 28, 30};
    drawTopCar(cr, 0, 0, size * 1.45, size * 0.62, paint, icon == Icon::Viper);
    cairo_restore(cr);
    return;
  }
  cairo_scale(cr, size, size);
  switch (icon) {
    case Icon::ArrowUp:
      arrow(cr, true);
      break;
    case Icon::ArrowDown:
      arrow(cr, false);
      break;
    case Icon::Play:
      play(cr);
      break;
    case Icon::Gear:
      gear(cr);
      break;
    case Icon::Info:
      info(cr);
      break;
    case Icon::Power:
      power(cr);
      break;
    case Icon::Next:
      chevrons(cr);
      break;
    case Icon::Monitor:
      monitor(cr);
      break;
    case Icon::Speaker:
      speaker(cr);
      break;
    case Icon::Globe:
      globe(cr);
      break;
    case Icon::Gauge:
      gauge(cr);
      break;
    case Icon::FlagCz:
      flagCz(cr);
      break;
    case Icon::FlagUk:
      flagUk(cr);
      break;
    case Icon::Person:
      person(cr);
      break;
    case Icon::Trophy:
      trophy(cr);
      break;
    case Icon::Crate:
      crate(cr);
      break;
    case Icon::Chequered:
      chequered(cr);
      break;
    case Icon::Road:
      road(cr);
      break;
    case Icon::Cone:
      cone(cr);
      break;
    case Icon::Truck:
      truck(cr);
      break;
    case Icon::Check:
      check(cr);
      break;
    case Icon::Start:
      startLight(cr);
      break;
    case Icon::Wheel:
      wheel(cr);
      break;
    default:
      break;
  }
  cairo_restore(cr);
}

void drawDecor(cairo_t* cr, const Decor& decor) {
  // Drawn apart, turned into a cool monochrome and laid on the page faintly: a watermark.
  const int size = int(std::ceil(decor.size * 1.4));
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* icr = cairo_create(s);
  drawIcon(icr, decor.icon, size / 2.0, size / 2.0, decor.size);
  cairo_destroy(icr);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < size; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < size; ++x) {
      const std::uint32_t p = row[x];
      const double a = (p >> 24) / 255.0;
      if (a == 0) continue;
      // Premultiplied: luminance of the colour, then a cool tint of it.
      const double lum =
          (0.3 * ((p >> 16) & 0xFF) + 0.59 * ((p >> 8) & 0xFF) + 0.11 * (p & 0xFF)) / (255.0 * a);
      const double v = 0.35 + 0.65 * lum;
      auto ch = [&](double tint) { return std::uint32_t(std::lround(v * tint * a * 255)); };
      row[x] = (p & 0xFF000000u) | (ch(0.62) << 16) | (ch(0.78) << 8) | ch(1.0);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_set_source_surface(cr, s, decor.cx - size / 2.0, decor.cy - size / 2.0);
  cairo_paint_with_alpha(cr, 0.16);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

}  // namespace art::menu
