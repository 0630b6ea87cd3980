// The player's cars seen from above, facing east: Viper GTS, Porsche, Ferari and the truck.
#pragma once
#include <cairo.h>

#include "cars/cars_paint.h"

namespace art::cars {

enum class Model { Viper, Porsche, Ferari, Truck };

struct Paint {
  Rgb body;
  Rgb stripe;  // racing stripes and the truck's livery
  Rgb shadow;  // what the body colour turns to where it falls away from the light
  // The body colour part way (0..1) into its shadow.
  Rgb dark(double t) const { return mix(body, shadow, t); }
};

// Which lamps burn: the lit set ("lights") has the head lamps on and the tail lamps glowing.
struct Lamps {
  bool head = false;
  bool tail = false;
  bool brake = false;
  bool reverse = false;
};

// Sizes and lamp places of a model, in pixels of its sprite (the car's frame is centred on it).
struct Layout {
  int width, height;   // sprite size with the car facing east
  double front, rear;  // x of the nose and the tail in the car's frame
  double headY;        // distance of the head lamps' centres from the axis
  double tailY;        // distance of the tail lamps' centres from the axis
};
Layout layout(Model model);

// Draws the car centred on the origin, x forwards, y to the car's right, 1 unit a pixel.
void drawCar(cairo_t* cr, Model model, const Paint& paint, const Lamps& lamps);

}  // namespace art::cars
