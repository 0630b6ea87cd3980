// The buttons of the race's pause and end panel. They are built into the race window, so one
// picture serves both languages: an icon and a word that reads the same in Czech and English.
#include <cmath>
#include <string>

#include "canvas.h"
#include "story_checks.h"
#include "story_icons.h"
#include "story_paint.h"
#include "story_text.h"

namespace art::story {

namespace {

// What a button does decides its colour: go on (green), again (amber), leave (red).
enum class Role { Go, Again, Leave };

struct ButtonSpec {
  const char* control;
  int width;
  Icon icon;
  const char* word;  // may be empty
  Role role;
};

constexpr int kHeight = 15;
constexpr ButtonSpec kButtons[] = {
    {"Image2", 58, Icon::Play, "OK", Role::Go},          // resume
    {"ok", 58, Icon::Menu, "Menu", Role::Leave},         // leave
    {"Command4", 45, Icon::Menu, "Menu", Role::Leave},   // leave
    {"Image3", 58, Icon::Village, "", Role::Again},      // repeat the Village race
    {"Command3", 58, Icon::City, "", Role::Again},       // repeat the City race
    {"kolde", 58, Icon::Replay, "Kolder", Role::Again},  // a new Kolder Run
    {"Image1", 58, Icon::Trophy, "", Role::Go},          // on to the championship's City race
};

Rgb accent(Role r) {
  switch (r) {
    case Role::Go:
      return {44, 150, 78};
    case Role::Again:
      return {214, 142, 28};
    case Role::Leave:
      return {178, 52, 48};
  }
  return {};
}

Image button(const ButtonSpec& b) {
  const double w = b.width, h = kHeight;
  const Rgb a = accent(b.role);
  Canvas c(b.width, kHeight);
  cairo_t* cr = c.cr();
  // Dark frame, then the bevelled face tinted by the role.
  source(cr, {8, 10, 16});
  cairo_paint(cr);
  roundedRect(cr, 1, 1, w - 2, h - 2, 2);
  setLinear(cr, 0, 1, 0, h - 1,
            {{0, mix({96, 106, 136}, a, 0.45)},
             {0.5, mix({46, 52, 74}, a, 0.4)},
             {0.52, mix({34, 38, 56}, a, 0.35)},
             {1, mix({22, 26, 40}, a, 0.3)}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 2, 1.5);
  cairo_line_to(cr, w - 2, 1.5);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
  cairo_stroke(cr);
  cairo_move_to(cr, 2, h - 1.5);
  cairo_line_to(cr, w - 2, h - 1.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
  cairo_stroke(cr);

  // Icon and word, centred together; "again" buttons lead with the replay arrow.
  const bool again = b.role == Role::Again && b.icon != Icon::Replay;
  const bool forward = b.icon == Icon::Trophy;
  font(cr, 10, true);
  const std::string word = b.word;
  const double icon = 10, gap = 3;
  double total = icon + (word.empty() ? 0 : gap + advance(cr, word));
  if (again || forward) total += icon + 2;
  double x = std::floor((w - total) / 2);
  const double iy = 3;
  auto shadowed = [&](const auto& drawFn) {
    cairo_save(cr);
    cairo_translate(cr, 0.8, 0.8);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    drawFn();
    cairo_restore(cr);
    source(cr, {255, 255, 255});
    drawFn();
  };
  if (again) {
    shadowed([&] { drawIcon(cr, Icon::Replay, x, iy, icon); });
    x += icon + 2;
  }
  const Rgb iconColour = mix(a, {255, 255, 255}, 0.7);
  cairo_save(cr);
  cairo_translate(cr, 0.8, 0.8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
  drawIcon(cr, b.icon, x, iy, icon);
  cairo_restore(cr);
  source(cr, b.icon == Icon::Trophy ? Rgb{255, 214, 90} : iconColour);
  drawIcon(cr, b.icon, x, iy, icon);
  x += icon;
  if (forward) {
    x += 2;
    shadowed([&] { drawIcon(cr, Icon::FastForward, x, iy, icon); });
    x += icon;
  }
  if (!word.empty()) {
    x += gap;
    const double baseline = 11.5;
    cairo_move_to(cr, x + 0.8, baseline + 0.8);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_show_text(cr, word.c_str());
    write(cr, word, x, baseline, {255, 255, 255});
  }
  return c.toImage();
}

void writeButtons(const Context& ctx) {
  for (const ButtonSpec& b : kButtons) {
    Image img = button(b);
    avoidKey(img);
    writeChecked(ctx, std::string("/gfx/builtin/Form1/") + b.control + ".bmp", img, b.width,
                 kHeight);
  }
}

}  // namespace

}  // namespace art::story

ARTGEN_MODULE("story_buttons", art::story::writeButtons);
