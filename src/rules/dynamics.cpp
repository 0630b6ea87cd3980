#include "rules/dynamics.h"

#include "race/angles.h"

namespace game {

bool ApplyContact(RaceState& s, svc::Colour c, const std::array<svc::Colour, 4>& key) {
  // The opponent's speed in pixels per frame, turned into the player's own speed unit. The keys
  // are distinct, so at most one of these applies.
  if (c == key[3]) {
    s.Speed = s.OpponentSpeed / (s.SpeedScale + 2) - 0.1;
    return true;
  }
  if (c == key[0]) {
    s.Speed = s.OpponentSpeed / s.SpeedScale + 0.1;
    return true;
  }
  if (c == key[1]) {
    s.Speed = s.OpponentSpeed / (s.SpeedScale + 2) - 0.1;
    s.Heading = s.OpponentHeading - 6;
    return true;
  }
  if (c == key[2]) {
    s.Speed = s.OpponentSpeed / (s.SpeedScale + 2);
    s.Heading = s.OpponentHeading + 6;
    return true;
  }
  return false;
}

void Steering(RaceState& s) {
  // "right" turns counter-clockwise going forwards; reversing turns the other way.
  if (s.Speed > 0.1) {
    if (s.Steer == "right") s.Heading += s.TurnRate;
    if (s.Steer == "left") s.Heading -= s.TurnRate;
  } else if (s.Speed < -0.1) {
    if (s.Steer == "right") s.Heading -= s.TurnRate;
    if (s.Steer == "left") s.Heading += s.TurnRate;
  }
}

void Pedal(RaceState& s, bool offTrack) {
  if (s.Throttle == "up") {
    if (s.Speed > 0.06 && s.Gear < 1) s.Gear = 1;
    if (s.Rpm > 9.5 && s.Gear < 5) {
      s.Rpm = 2;
      ++s.Gear;
    }
    if (offTrack) {
      if (s.Speed > 0.5)
        s.Speed -= 0.03;
      else if (s.Speed < 0.5)
        s.Speed += 0.01;
      else
        s.Speed = 0.5;
      if (s.Rpm < 10) s.Rpm += 0.2;
    } else {
      if (s.Speed < 1)
        s.Speed += 0.01;
      else
        s.Speed = 1;
      if (s.Rpm < 10) s.Rpm += 0.35;
    }
  } else if (s.Throttle == "down") {
    if (s.Speed > 0 && s.Rpm < 3.5 && s.Gear > 1) {
      s.Rpm = 9.4;
      --s.Gear;
    }
    if (s.Speed < 0) s.Gear = 0;
    if (s.Speed > -0.2)
      s.Speed -= 0.03;
    else
      s.Speed = -0.2;
    if (s.Rpm > 0.1) s.Rpm -= 0.5;
  } else {
    if (s.Speed > -0.05 && s.Speed < 0.05) s.Gear = 0;
    if (s.Rpm < 3.5 && s.Gear > 1) {
      s.Rpm = 9.4;
      --s.Gear;
    }
    if (offTrack) {
      if (s.Speed > 0.5) s.Speed -= 0.03;
      if (s.Speed > 0.05) s.Speed -= 0.01;
      if (s.Speed < -0.01) s.Speed += 0.02;
      if (s.Rpm > 0.1) s.Rpm -= 0.3;
    } else {
      if (s.Speed > 0) s.Speed -= 0.005;
      if (s.Speed < -0.02) s.Speed += 0.02;
      if (s.Rpm > 0.1) s.Rpm -= 0.22;
    }
  }
}

void HeadingWrap(RaceState& s) {
  if (s.Heading >= 361) s.Heading = 0;
  if (s.Heading <= -1) s.Heading = 360;
}

void Movement(RaceState& s, const ViewLimits& L) {
  const int h = HeadingDegrees(s.Heading);
  const double d = s.Speed * (s.SpeedScale * s.CosTable(h));
  const double e = s.Speed * (s.SpeedScale * s.SinTable(h));
  const double halfW = s.ViewWidth / 2, halfH = s.ViewHeight / 2;
  auto topInside = [&] { return L.minTop <= s.ViewTop && s.ViewTop <= L.maxTop; };
  auto leftInside = [&] { return L.minLeft <= s.ViewLeft && s.ViewLeft <= L.maxLeft; };
  // Past a limit the view stops on that axis and the car moves across it, until the car is
  // back at the centre line; then the view scrolls again.
  if (s.ViewLeft > L.maxLeft) {
    if (topInside()) s.ViewTop -= e;
    if (s.CarScreenX + 1 >= halfW) {
      s.CarScreenX += d;
    } else {
      s.CarScreenX = halfW;
      s.ViewLeft += d;
    }
  }
  if (s.ViewLeft < L.minLeft) {
    if (topInside()) s.ViewTop -= e;
    if (s.CarScreenX - 1 <= halfW) {
      s.CarScreenX += d;
    } else {
      s.CarScreenX = halfW;
      s.ViewLeft += d;
    }
  }
  if (s.ViewTop < L.minTop) {
    if (leftInside()) s.ViewLeft += d;
    if (s.CarScreenY - 1 <= halfH) {
      s.CarScreenY -= e;
    } else {
      s.CarScreenY = halfH;
      s.ViewTop -= e;
    }
  }
  if (s.ViewTop > L.maxTop) {
    if (leftInside()) s.ViewLeft += d;
    if (s.CarScreenY + 1 >= halfH) {
      s.CarScreenY -= e;
    } else {
      s.CarScreenY = halfH;
      s.ViewTop -= e;
    }
  }
  if (leftInside() && topInside()) {
    s.ViewLeft += d;
    s.ViewTop -= e;
  }
}

}  // namespace game
