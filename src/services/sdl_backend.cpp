#include "services/sdl_backend.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "services/errors.h"

namespace svc {

namespace {

// SDL's own allocations, with the large ones (the decoded track pictures) offered large pages.
void* sdlMalloc(size_t size) {
  void* p = std::malloc(size);
  if (p) adviseLargePages(p, size);
  return p;
}
void* sdlCalloc(size_t count, size_t size) {
  void* p = std::calloc(count, size);
  if (p && count) adviseLargePages(p, count * size);
  return p;
}
void* sdlRealloc(void* p, size_t size) { return std::realloc(p, size); }
void sdlFree(void* p) { std::free(p); }

}  // namespace

std::string noDisplayMessage(const char* chosenDriver, bool driverRequested, const char* display,
                             const char* wayland) {
  const std::string driver = chosenDriver ? chosenDriver : "";
  if (driverRequested || (driver != "offscreen" && driver != "dummy")) return "";
  auto value = [](const char* name, const char* v) {
    return std::string(name) + (v && *v ? "=" + std::string(v) : " is not set");
  };
  return "no display found (" + value("DISPLAY", display) + ", " + value("WAYLAND_DISPLAY", wayland) +
         "): start the game on a desktop, or choose a video driver with SDL_VIDEODRIVER";
}

SdlSystem::SdlSystem(bool headless) {
  // Before SDL allocates anything.
  SDL_SetMemoryFunctions(sdlMalloc, sdlCalloc, sdlRealloc, sdlFree);
  if (headless) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  // The windows show a picture the game has composed already: copying it needs no GL context,
  // whose start (a software GL where the machine has no graphics driver) kept the menu from the
  // screen for half a second.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // The start-up window takes the focus first; the click that brings the menu forward is the
  // player's first click on it and must not be lost.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  const bool driverRequested = requested && *requested;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    throw std::runtime_error(std::string("cannot start SDL: ") + SDL_GetError());
  const std::string unseen = noDisplayMessage(SDL_GetCurrentVideoDriver(), driverRequested,
                                              SDL_getenv("DISPLAY"), SDL_getenv("WAYLAND_DISPLAY"));
  if (!unseen.empty()) {
    SDL_Quit();
    throw std::runtime_error(unseen);
  }
  // A game without sound is still a game: audio failing to start is not fatal.
  audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!audio_) std::fprintf(stderr, "Drovanta: no audio (%s)\n", SDL_GetError());
  IMG_Init(IMG_INIT_JPG);
  if (TTF_Init() != 0) throw std::runtime_error(std::string("cannot start SDL_ttf: ") + TTF_GetError());
}

SdlSystem::~SdlSystem() {
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
}

// --- Clock -------------------------------------------------------------------------------

std::uint32_t SdlClock::ticks() { return SDL_GetTicks(); }

double SdlClock::secondsSinceMidnight() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const double frac =
      double(std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
             1000) /
      1000.0;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + frac;
}

void SdlClock::waitUntil(std::uint32_t tick) {
  for (;;) {
    const std::int32_t left = static_cast<std::int32_t>(tick - SDL_GetTicks());
    if (left <= 0) return;
    SDL_Delay(std::uint32_t(left));
  }
}

// --- Windows -------------------------------------------------------------------------------

struct SdlPresenter::Window {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int width = 0, height = 0;
  std::string caption;
  bool shown = false;
  ~Window() {
    if (texture) SDL_DestroyTexture(texture);
    if (renderer) SDL_DestroyRenderer(renderer);
    if (window) SDL_DestroyWindow(window);
  }
};

SdlPresenter::SdlPresenter() = default;
SdlPresenter::~SdlPresenter() = default;

SdlPresenter::Window& SdlPresenter::window(WindowSlot slot, Form& form) {
  auto& w = windows_[slot];
  if (!w) {
    w = std::make_unique<Window>();
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (form.borderless) flags |= SDL_WINDOW_BORDERLESS;
    int x = form.left(), y = form.top();
    if (slot == WindowSlot::Tool) x = y = SDL_WINDOWPOS_CENTERED;
    if (slot == WindowSlot::Tool) flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_UTILITY;
    w->window = SDL_CreateWindow(form.caption.c_str(), x, y, form.width(), form.height(), flags);
    if (!w->window) throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    // The game composes its whole picture itself and only copies it to the screen, which the
    // software renderer does at once (see SdlSystem for its window surface).
    w->renderer = SDL_CreateRenderer(w->window, -1, SDL_RENDERER_SOFTWARE);
    if (!w->renderer) w->renderer = SDL_CreateRenderer(w->window, -1, 0);
    if (!w->renderer) throw std::runtime_error(std::string("cannot draw: ") + SDL_GetError());
    w->caption = form.caption;
    // Full screen asked for before the window existed.
    if (slot == WindowSlot::Main && fullscreen_ &&
        !enterFullscreen(w->window, fullWidth_, fullHeight_))
      fullscreen_ = false;
  }
  if (w->width != form.width() || w->height != form.height()) {
    if (w->texture) SDL_DestroyTexture(w->texture);
    // The game's pixels have red in the lowest byte; this format takes them as they are.
    w->texture = SDL_CreateTexture(w->renderer, SDL_PIXELFORMAT_XBGR8888,
                                   SDL_TEXTUREACCESS_STREAMING, form.width(), form.height());
    SDL_RenderSetLogicalSize(w->renderer, form.width(), form.height());
    if (!fullscreen_ || slot != WindowSlot::Main) SDL_SetWindowSize(w->window, form.width(), form.height());
    w->width = form.width();
    w->height = form.height();
  }
  if (w->caption != form.caption) {
    SDL_SetWindowTitle(w->window, form.caption.c_str());
    w->caption = form.caption;
  }
  SDL_SetWindowBordered(w->window, form.borderless ? SDL_FALSE : SDL_TRUE);
  if (slot == WindowSlot::Main && !fullscreen_) {
    int x = 0, y = 0;
    SDL_GetWindowPosition(w->window, &x, &y);
    if (x != form.left() || y != form.top()) SDL_SetWindowPosition(w->window, form.left(), form.top());
  }
  return *w;
}

void SdlPresenter::present(WindowSlot slot, Form& form) {
  Window& w = window(slot, form);
  if (!w.shown) {
    SDL_ShowWindow(w.window);
    // The start-up window stands above the menu.
    if (slot == WindowSlot::Tool) SDL_RaiseWindow(w.window);
    w.shown = true;
  }
  const Surface& img = form.image();
  if (img.width() > 0 && img.height() > 0)
    SDL_UpdateTexture(w.texture, nullptr, img.row(0), int(img.width() * sizeof(Colour)));
  redraw(w);
}

void SdlPresenter::redraw(Window& w) {
  SDL_RenderClear(w.renderer);
  SDL_RenderCopy(w.renderer, w.texture, nullptr, nullptr);
  SDL_RenderPresent(w.renderer);
}

void SdlPresenter::refresh(std::uint32_t windowId) {
  for (auto& [slot, w] : windows_)
    if (w && w->texture && SDL_GetWindowID(w->window) == windowId) redraw(*w);
}

void SdlPresenter::hide(WindowSlot slot) {
  auto it = windows_.find(slot);
  if (it == windows_.end() || !it->second) return;
  SDL_HideWindow(it->second->window);
  it->second->shown = false;
}

bool SdlPresenter::desktopMode(int* width, int* height) {
  // The display the game's window is on; before it has opened, the one it opens on, at the
  // top left of the screen.
  const SDL_Point topLeft{0, 0};
  int index = SDL_GetPointDisplayIndex(&topLeft);
  auto it = windows_.find(WindowSlot::Main);
  if (it != windows_.end() && it->second) index = SDL_GetWindowDisplayIndex(it->second->window);
  index = std::max(0, index);
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(index, &mode) != 0) return false;
  *width = mode.w;
  *height = mode.h;
  return true;
}

int SdlPresenter::desktopWidth() {
  int w = 0, h = 0;
  return desktopMode(&w, &h) ? w : 0;
}

int SdlPresenter::desktopHeight() {
  int w = 0, h = 0;
  return desktopMode(&w, &h) ? h : 0;
}

bool SdlPresenter::enterFullscreen(SDL_Window* win, int width, int height) {
  SDL_DisplayMode want{};
  want.w = width;
  want.h = height;
  SDL_DisplayMode got{};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(win));
  Uint32 flag = SDL_WINDOW_FULLSCREEN;
  if (SDL_GetClosestDisplayMode(display, &want, &got) && got.w == width && got.h == height) {
    SDL_SetWindowDisplayMode(win, &got);
  } else {
    // No such mode: fill the desktop and let the renderer scale the 640 × 480 picture.
    flag = SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  return SDL_SetWindowFullscreen(win, flag) == 0;
}

bool SdlPresenter::setFullscreen(bool on, int width, int height) {
  fullWidth_ = width;
  fullHeight_ = height;
  auto it = windows_.find(WindowSlot::Main);
  if (it == windows_.end() || !it->second) {
    fullscreen_ = on;  // applied when the window opens
    return true;
  }
  SDL_Window* win = it->second->window;
  if (!on) {
    SDL_SetWindowFullscreen(win, 0);
    fullscreen_ = false;
    return true;
  }
  if (!enterFullscreen(win, width, height)) return false;
  fullscreen_ = true;
  return true;
}

WindowSlot SdlPresenter::slotOf(std::uint32_t id) const {
  for (const auto& [slot, w] : windows_)
    if (w && SDL_GetWindowID(w->window) == id) return slot;
  return WindowSlot::Main;
}

// --- Input ---------------------------------------------------------------------------------

namespace {

// The virtual-key code of an SDL key, 0 for keys the game never sees.
int virtualKey(const SDL_Keysym& k) {
  const SDL_Keycode c = k.sym;
  if (c >= SDLK_a && c <= SDLK_z) return int('A' + (c - SDLK_a));
  if (c >= SDLK_0 && c <= SDLK_9) return int('0' + (c - SDLK_0));
  if (c >= SDLK_F1 && c <= SDLK_F12) return 112 + int(c - SDLK_F1);
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
  if (c >= SDLK_KP_1 && c <= SDLK_KP_9) return 97 + int(c - SDLK_KP_1);
  if (c == SDLK_KP_0) return 96;
  return 0;
}

int mouseButton(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 4;
    default: return 0;
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
        e.x = ev.button.x;
        e.y = ev.button.y;
        e.button = mouseButton(ev.button.button);
        if (!e.button) continue;
        break;
      case SDL_MOUSEMOTION:
        e.type = T::MouseMove;
        e.slot = presenter_.slotOf(ev.motion.windowID);
        e.x = ev.motion.x;
        e.y = ev.motion.y;
        e.button = (ev.motion.state & SDL_BUTTON_LMASK) ? 1 : 0;
        break;
      default:
        continue;
    }
    out.push_back(std::move(e));
  }
}

void SdlInput::waitForInput(std::uint32_t untilTick, bool hasDeadline) {
  int timeout = 100;  // wake now and then even when nothing is due
  if (hasDeadline) {
    const std::int32_t left = static_cast<std::int32_t>(untilTick - SDL_GetTicks());
    timeout = std::max<std::int32_t>(0, std::min<std::int32_t>(left, timeout));
  }
  SDL_WaitEventTimeout(nullptr, timeout);
}

// --- Pictures ------------------------------------------------------------------------------

namespace {

// The decoded picture in the game's colours. The formats the game's own files decode to (24-bit
// JPEG and BMP, 8-bit GIF) are read directly; SDL's general conversion is several times slower
// on the 2000 × 2000 track pictures.
bool readDirect(SDL_Surface* s, Image& img) {
  const Uint32 format = s->format->format;
  const bool rgb24 = format == SDL_PIXELFORMAT_RGB24, bgr24 = format == SDL_PIXELFORMAT_BGR24;
  if (!rgb24 && !bgr24 && format != SDL_PIXELFORMAT_INDEX8) return false;
  Colour palette[256] = {};
  if (format == SDL_PIXELFORMAT_INDEX8) {
    const SDL_Palette* p = s->format->palette;
    if (!p) return false;
    for (int i = 0; i < p->ncolors && i < 256; ++i)
      palette[i] = rgb(p->colors[i].r, p->colors[i].g, p->colors[i].b);
  }
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(s->pixels) + y * s->pitch;
    Colour* dst = img.pixels.data() + size_t(y) * img.width;
    if (rgb24)
      for (int x = 0; x < s->w; ++x, src += 3) dst[x] = rgb(src[0], src[1], src[2]);
    else if (bgr24)
      for (int x = 0; x < s->w; ++x, src += 3) dst[x] = rgb(src[2], src[1], src[0]);
    else
      for (int x = 0; x < s->w; ++x) dst[x] = palette[src[x]];
  }
  SDL_UnlockSurface(s);
  return true;
}

}  // namespace

ImagePtr SdlPictureLoader::load(const std::string& path) {
  SDL_Surface* loaded = IMG_Load(path.c_str());
  if (!loaded) throw DataFileError(path, IMG_GetError());
  auto img = std::make_shared<Image>(loaded->w, loaded->h);
  if (readDirect(loaded, *img)) {
    SDL_FreeSurface(loaded);
    return img;
  }
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(loaded);
  if (!rgba) throw DataFileError(path, SDL_GetError());
  SDL_LockSurface(rgba);
  for (int y = 0; y < rgba->h; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    Colour* dst = img->pixels.data() + size_t(y) * img->width;
    for (int x = 0; x < rgba->w; ++x) dst[x] = rgb(src[4 * x], src[4 * x + 1], src[4 * x + 2]);
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return img;
}

namespace {

// An SDL copy of a picture in 24-bit RGB, for the writers.
SDL_Surface* toSdl(const Image& image) {
  if (image.width <= 0 || image.height <= 0) return nullptr;
  SDL_Surface* s =
      SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 24, SDL_PIXELFORMAT_RGB24);
  if (!s) return nullptr;
  for (int y = 0; y < image.height; ++y) {
    auto* dst = reinterpret_cast<std::uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < image.width; ++x) {
      const Colour c = image.at(x, y);
      dst[3 * x] = std::uint8_t(red(c));
      dst[3 * x + 1] = std::uint8_t(green(c));
      dst[3 * x + 2] = std::uint8_t(blue(c));
    }
  }
  return s;
}

}  // namespace

bool savePng(const Image& image, const std::string& path) {
  SDL_Surface* s = toSdl(image);
  const bool ok = s && IMG_SavePNG(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

bool saveBmp(const Image& image, const std::string& path) {
  SDL_Surface* s = toSdl(image);
  const bool ok = s && SDL_SaveBMP(s, path.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

bool saveJpg(const Image& image, const std::string& path, int quality) {
  // Tools write JPEGs without starting the whole of SDL; the JPEG codec is loaded on demand.
  if (!(IMG_Init(IMG_INIT_JPG) & IMG_INIT_JPG)) return false;
  SDL_Surface* s = toSdl(image);
  const bool ok = s && IMG_SaveJPG(s, path.c_str(), quality) == 0;
  SDL_FreeSurface(s);
  return ok;
}

void showErrorBox(const std::string& title, const std::string& message) {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && std::string(driver) != "dummy")
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}

std::string executableFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return ".";
  std::string folder = base;
  SDL_free(base);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// --- Text ----------------------------------------------------------------------------------

SdlTextRenderer::SdlTextRenderer(std::string fontFolder) : folder_(std::move(fontFolder)) {}

SdlTextRenderer::~SdlTextRenderer() {
  for (auto& [key, f] : fonts_) TTF_CloseFont(static_cast<TTF_Font*>(f));
}

void* SdlTextRenderer::font(const TextStyle& style) {
  const auto key = std::make_pair(style.size, style.bold);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  const std::string file = folder_ + (style.bold ? "/DejaVuSans-Bold.ttf" : "/DejaVuSans.ttf");
  TTF_Font* f = TTF_OpenFont(file.c_str(), style.size);
  if (!f) throw DataFileError(file, TTF_GetError());
  fonts_[key] = f;
  return f;
}

Coverage SdlTextRenderer::renderLine(const std::string& utf8, const TextStyle& style) {
  Coverage c;
  if (utf8.empty()) return c;
  auto* f = static_cast<TTF_Font*>(font(style));
  SDL_Surface* s = TTF_RenderUTF8_Blended(f, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!s) return c;
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(s);
  if (!rgba) return c;
  c.width = rgba->w;
  c.height = rgba->h;
  c.alpha.resize(size_t(c.width) * c.height);
  SDL_LockSurface(rgba);
  for (int y = 0; y < c.height; ++y) {
    const auto* src = reinterpret_cast<const std::uint8_t*>(rgba->pixels) + y * rgba->pitch;
    for (int x = 0; x < c.width; ++x) c.alpha[size_t(y) * c.width + x] = src[4 * x + 3];
  }
  SDL_UnlockSurface(rgba);
  SDL_FreeSurface(rgba);
  return c;
}

int SdlTextRenderer::lineWidth(const std::string& utf8, const TextStyle& style) {
  int w = 0, h = 0;
  if (utf8.empty()) return 0;
  TTF_SizeUTF8(static_cast<TTF_Font*>(font(style)), utf8.c_str(), &w, &h);
  return w;
}

int SdlTextRenderer::lineHeight(const TextStyle& style) {
  return TTF_FontLineSkip(static_cast<TTF_Font*>(font(style)));
}

}  // namespace svc
