// SDL's events as the game's input: virtual-key codes, mouse buttons, and the window they are for.
#include "services/sdl_input.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

#include "services/gamepad.h"
#include "services/sdl_presenter.h"

namespace svc {

namespace {

// The virtual-key code of an SDL key, 0 for keys the game never sees.
int virtualKey(const SDL_Keysym& k) {
  const SDL_Keycode c = k.sym;
  if (c >= SDLK_a && c <= SDLK_z) return int('A' + (c - SDLK_a));
  if (c >= SDLK_0 && c <= SDLK_9) return int('0' + (c - SDLK_0));
  if (c >= SDLK_F1 && c <= SDLK_F12) return 112 + int(c - SDLK_F1);
  // One key a line reads as the table it is.
  // clang-format off
  switch (c) {
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_ESCAPE: return 27;
    case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_SPACE: return 32;
    case SDLK_DELETE: return 46;
    case SDLK_HOME: return 36;
    case SDLK_END: return 35;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    default: break;
  }
  // clang-format on
  if (c >= SDLK_KP_1 && c <= SDLK_KP_9) return 97 + int(c - SDLK_KP_1);
  if (c == SDLK_KP_0) return 96;
  return 0;
}

int mouseButton(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

void SdlInput::poll(std::deque<InputEvent>& out) {
  SDL_Event ev;
  using T = InputEvent::Type;
  while (SDL_PollEvent(&ev)) {
    InputEvent e;
    switch (ev.type) {
      case SDL_QUIT:
        e.type = T::Quit;
        break;
      case SDL_WINDOWEVENT:
        // The window system lost what was shown: put the last picture back.
        if (ev.window.event == SDL_WINDOWEVENT_EXPOSED) presenter_.refresh(ev.window.windowID);
        if (ev.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) presenter_.resized(ev.window.windowID);
        if (ev.window.event != SDL_WINDOWEVENT_CLOSE) continue;
        e.type = T::Quit;  // closing either window ends the game
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        e.type = ev.type == SDL_KEYDOWN ? T::KeyDown : T::KeyUp;
        e.slot = presenter_.slotOf(ev.key.windowID);
        e.key = virtualKey(ev.key.keysym);
        if (!e.key) continue;
        break;
      case SDL_TEXTINPUT:
        e.type = T::Text;
        e.slot = presenter_.slotOf(ev.text.windowID);
        e.text = ev.text.text;
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        e.type = ev.type == SDL_MOUSEBUTTONDOWN ? T::MouseDown : T::MouseUp;
        e.slot = presenter_.slotOf(ev.button.windowID);
        if (!presenter_.toPicture(ev.button.windowID, ev.button.x, ev.button.y, &e.x, &e.y)) {
          e.x = ev.button.x;
          e.y = ev.button.y;
        }
        e.button = mouseButton(ev.button.button);
        if (!e.button) continue;
        break;
      case SDL_CONTROLLERDEVICEADDED:
        SDL_GameControllerOpen(ev.cdevice.which);
        continue;
      case SDL_CONTROLLERDEVICEREMOVED:
        // A controller pulled out lets go of everything it held.
        if (SDL_GameController* c = SDL_GameControllerFromInstanceID(ev.cdevice.which))
          SDL_GameControllerClose(c);
        for (int b = 0; b < int(Pad::kButtons); ++b) {
          InputEvent up;
          up.type = T::PadUp;
          up.pad = b;
          out.push_back(std::move(up));
        }
        for (int a = 0; a < int(PadAxis::kCount); ++a) {
          InputEvent centred;
          centred.type = T::PadAxis;
          centred.pad = a;
          out.push_back(std::move(centred));
        }
        continue;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        if (ev.cbutton.button >= int(Pad::kButtons)) continue;
        e.type = ev.type == SDL_CONTROLLERBUTTONDOWN ? T::PadDown : T::PadUp;
        e.pad = ev.cbutton.button;
        break;
      case SDL_CONTROLLERAXISMOTION:
        if (ev.caxis.axis >= int(PadAxis::kCount)) continue;
        e.type = T::PadAxis;
        e.pad = ev.caxis.axis;
        e.value = ev.caxis.value;
        break;
      case SDL_MOUSEMOTION:
        e.type = T::MouseMove;
        e.slot = presenter_.slotOf(ev.motion.windowID);
        if (!presenter_.toPicture(ev.motion.windowID, ev.motion.x, ev.motion.y, &e.x, &e.y)) {
          e.x = ev.motion.x;
          e.y = ev.motion.y;
        }
        e.button = (ev.motion.state & SDL_BUTTON_LMASK) ? 1 : 0;
        break;
      default:
        continue;
    }
    out.push_back(std::move(e));
  }
}

void SdlInput::queueWindowClick(WindowSlot slot, int x, int y) {
  SDL_Event ev{};
  ev.type = SDL_MOUSEBUTTONDOWN;
  ev.button.windowID = presenter_.windowId(slot);
  ev.button.button = SDL_BUTTON_LEFT;
  ev.button.state = SDL_PRESSED;
  ev.button.x = x;
  ev.button.y = y;
  SDL_PushEvent(&ev);
}

void SdlInput::openControllers() {
  if (controllersOpen_) return;
  controllersOpen_ = true;
  // Each controller present, and each one plugged in later, is announced as an added device,
  // which poll opens. A machine without controller support plays on with keys and mouse.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    std::fprintf(stderr, "Drovanta: no game controllers (%s)\n", SDL_GetError());
}

VirtualController::VirtualController() {
  // Made by the program, it has no window focus to follow.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    throw std::runtime_error(std::string("no game controllers: ") + SDL_GetError());
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Drovanta virtual controller";
  device_ = SDL_JoystickAttachVirtualEx(&desc);
  if (device_ < 0)
    throw std::runtime_error(std::string("no virtual controller: ") + SDL_GetError());
}

VirtualController::~VirtualController() {
  unplug();
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void VirtualController::unplug() {
  if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
  device_ = -1;
}

bool VirtualController::opened() const {
  return device_ >= 0 && SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device_));
}

void VirtualController::setButton(Pad button, bool down) {
  if (SDL_Joystick* j = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device_)))
    SDL_JoystickSetVirtualButton(j, static_cast<int>(button), down ? 1 : 0);
}

void VirtualController::setAxis(PadAxis axis, int value) {
  if (SDL_Joystick* j = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device_)))
    SDL_JoystickSetVirtualAxis(j, static_cast<int>(axis), static_cast<Sint16>(value));
}

void SdlInput::waitForInput(std::uint32_t untilTick, bool hasDeadline) {
  openControllers();
  int timeout = 100;  // wake now and then even when nothing is due
  if (hasDeadline) {
    const std::int32_t left = static_cast<std::int32_t>(untilTick - SDL_GetTicks());
    timeout = std::max<std::int32_t>(0, std::min<std::int32_t>(left, timeout));
  }
  // A video driver that draws nowhere cannot wait for events: SDL then polls every millisecond,
  // which keeps an idle game at several per cent of a core. Nothing can arrive there but a quit,
  // so sleeping a while before looking again loses nothing.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0)) {
    SDL_Delay(static_cast<Uint32>(std::min(timeout, 20)));
    return;
  }
  SDL_WaitEventTimeout(nullptr, timeout);
}

}  // namespace svc
