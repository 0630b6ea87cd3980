// The five paint colours of the player's cars, with their folder names and menu order.
#pragma once
#include <array>

#include "car_models.h"

namespace art::cars {

struct Colourway {
  const char* folder;  // colour folder of the sprite sets ("White" is spelt with a capital)
  const char* mini;    // minimap marker name: "/gfx/cars/mini" + mini + ".bmp"
  int swatch;          // number of the colour page's swatch picture
  Paint paint;
};

inline const std::array<Colourway, 5>& colourways() {
  static const std::array<Colourway, 5> all = {{
      {"blue", "blue", 1, {{30, 84, 204}, {240, 242, 246}, {8, 20, 72}}},
      {"red", "red", 0, {{212, 24, 30}, {244, 244, 244}, {84, 0, 12}}},
      {"green", "green", 2, {{24, 140, 62}, {240, 240, 232}, {0, 48, 26}}},
      {"yellow", "yellow", 3, {{246, 200, 26}, {28, 28, 32}, {150, 72, 0}}},
      {"White", "white", 4, {{234, 235, 238}, {30, 84, 204}, {96, 104, 124}}},
  }};
  return all;
}

}  // namespace art::cars
