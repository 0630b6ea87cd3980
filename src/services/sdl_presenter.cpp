// The game's OS windows: created on first showing, resized and retitled as their forms change,
// and the main one switched to full screen.
#include "services/sdl_presenter.h"

#include <SDL.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

namespace svc {

struct SdlPresenter::Window {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  int width = 0, height = 0;
  SDL_Rect drawn{0, 0, 0, 0};  // where the picture is drawn in the window
  bool swapRedBlue = false;    // the texture keeps blue in the lowest byte
  // The last picture went straight into the window surface and the texture does not hold it;
  // wanted: the window needs the picture again (its size changed since).
  bool textureStale = false, wanted = false;
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
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    if (form.borderless) flags |= SDL_WINDOW_BORDERLESS;
    int x = form.left(), y = form.top();
    const bool kept = slot == WindowSlot::Main && opening_;
    if (kept && onADisplay(openingRect_)) {
      x = openingRect_.x;
      y = openingRect_.y;
    }
    if (slot == WindowSlot::Main) {
      formLeft_ = form.left();
      formTop_ = form.top();
    }
    if (slot == WindowSlot::Tool) x = y = SDL_WINDOWPOS_CENTERED;
    if (slot == WindowSlot::Tool) flags |= SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_UTILITY;
    w->window = SDL_CreateWindow(form.caption.c_str(), x, y, form.width(), form.height(), flags);
    if (!w->window)
      throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
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
    // The texture for the new size is made when a picture first needs it.
    if (w->texture) SDL_DestroyTexture(w->texture);
    w->texture = nullptr;
    w->textureStale = false;
    const int scale = windowScale(form.width(), form.height());
    const bool keptSize = slot == WindowSlot::Main && opening_ && w->width == 0;
    if (keptSize && !fullscreen_)
      SDL_SetWindowSize(w->window, openingRect_.width, openingRect_.height);
    else if (!fullscreen_ || slot != WindowSlot::Main)
      SDL_SetWindowSize(w->window, form.width() * scale, form.height() * scale);
    w->width = form.width();
    w->height = form.height();
    fit(*w);
  }
  if (w->caption != form.caption) {
    SDL_SetWindowTitle(w->window, form.caption.c_str());
    w->caption = form.caption;
  }
  const bool spread = spread_ && fullscreen_ && slot == WindowSlot::Main;
  SDL_SetWindowBordered(w->window, form.borderless || spread ? SDL_FALSE : SDL_TRUE);
  if (slot == WindowSlot::Main && !fullscreen_ &&
      (form.left() != formLeft_ || form.top() != formTop_)) {
    SDL_SetWindowPosition(w->window, form.left(), form.top());
    formLeft_ = form.left();
    formTop_ = form.top();
  }
  return *w;
}

namespace {

// The 32-bit layouts with blue in the lowest byte, into which the game's pixels (red in the
// lowest byte) are turned as they are copied.
bool blueLowest(Uint32 format) {
  return format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
}

// Red and blue change places in n pixels: four at a time where the processor has SSE2 (every
// x86-64), else two.
void swapRedBlue(const Colour* from, Colour* to, int n) {
  int i = 0;
#ifdef __SSE2__
  const __m128i keep = _mm_set1_epi32(static_cast<int>(0xFF00FF00u));
  const __m128i low = _mm_set1_epi32(0xFF);
  for (; i + 4 <= n; i += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
    const __m128i swapped = _mm_or_si128(_mm_and_si128(v, keep),
                                         _mm_or_si128(_mm_slli_epi32(_mm_and_si128(v, low), 16),
                                                      _mm_and_si128(_mm_srli_epi32(v, 16), low)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), swapped);
  }
#endif
  for (; i + 1 < n; i += 2) {
    std::uint64_t v;
    std::memcpy(&v, from + i, sizeof v);
    v = (v & 0xFF00FF00FF00FF00ull) | ((v & 0x000000FF000000FFull) << 16) |
        ((v >> 16) & 0x000000FF000000FFull);
    std::memcpy(to + i, &v, sizeof v);
  }
  for (; i < n; ++i) {
    const Colour c = from[i];
    to[i] = (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
  }
}

}  // namespace

void SdlPresenter::present(WindowSlot slot, Form& form) {
  Window& w = window(slot, form);
  if (!w.shown) {
    SDL_ShowWindow(w.window);
    // The start-up window stands above the menu.
    if (slot == WindowSlot::Tool) SDL_RaiseWindow(w.window);
    w.shown = true;
  }
  w.wanted = false;
  if (form.width() > 0 && form.height() > 0) {
    if (drawDirect(w, form)) return;
    const Surface& img = form.image();
    upload(w, img);
    w.textureStale = false;
  }
  redraw(w);
}

bool SdlPresenter::wantsPicture(WindowSlot slot) const {
  auto it = windows_.find(slot);
  return it != windows_.end() && it->second && it->second->wanted;
}

SDL_Surface* SdlPresenter::directSurface(Window& w) {
  // A picture shown at its own size by the software renderer goes straight into the window
  // surface that renderer draws on: one copy of the whole window fewer each frame, and no texture
  // (a window-sized picture of its own) is made.
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(w.renderer, &info) != 0 || !(info.flags & SDL_RENDERER_SOFTWARE))
    return nullptr;
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(w.renderer, &outW, &outH);
  if (w.drawn.x != 0 || w.drawn.y != 0 || w.drawn.w != w.width || w.drawn.h != w.height ||
      outW != w.width || outH != w.height)
    return nullptr;
  SDL_Surface* surface = SDL_GetWindowSurface(w.window);
  if (!surface || surface->w != w.width || surface->h != w.height) return nullptr;
  const Uint32 f = surface->format->format;
  const bool redLowest = f == SDL_PIXELFORMAT_BGR888 || f == SDL_PIXELFORMAT_ABGR8888;
  return blueLowest(f) || redLowest ? surface : nullptr;
}

bool SdlPresenter::drawDirect(Window& w, Form& form) {
  SDL_Surface* surface = directSurface(w);
  if (!surface) return false;
  const bool swap = blueLowest(surface->format->format);
  // A form whose picture is a window-covering picture box with a little drawn over it (the
  // race) is copied from the box and the places drawn over, instead of composed whole first.
  Form::Layers layers;
  const bool layered = form.layers(&layers);
  const Surface& img = layered ? *layers.base : form.image();
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
  auto copy = [&](const Surface& from, int x0, int y0, int x1, int y1) {
    x1 = std::min({x1, from.width(), w.width});
    y1 = std::min({y1, from.height(), w.height});
    for (int y = y0; y < y1 && x0 < x1; ++y) {
      auto* row = reinterpret_cast<Colour*>(static_cast<unsigned char*>(surface->pixels) +
                                            y * surface->pitch) +
                  x0;
      if (swap)
        swapRedBlue(from.row(y) + x0, row, x1 - x0);
      else
        std::memcpy(row, from.row(y) + x0, sizeof(Colour) * (x1 - x0));
    }
  };
  copy(img, 0, 0, img.width(), img.height());
  for (const Control::Clip& p : layers.parts) copy(*layers.over, p.x0, p.y0, p.x1, p.y1);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  SDL_UpdateWindowSurface(w.window);
  w.textureStale = true;
  return true;
}

int SdlPresenter::windowScale(int width, int height) {
  return scale_ > 0 ? scale_ : autoWindowScale(desktopWidth(), desktopHeight(), width, height);
}

bool SdlPresenter::onADisplay(const WindowRect& r) {
  // The window's title bar end must be on a display to be reached: its top left corner area.
  const int displays = SDL_GetNumVideoDisplays();
  for (int i = 0; i < displays; ++i) {
    SDL_Rect b{};
    if (SDL_GetDisplayBounds(i, &b) != 0) continue;
    if (r.x + 32 > b.x && r.x < b.x + b.w - 32 && r.y >= b.y && r.y < b.y + b.h - 32) return true;
  }
  return false;
}

bool SdlPresenter::mainWindowRect(WindowRect* out) const {
  auto it = windows_.find(WindowSlot::Main);
  if (it == windows_.end() || !it->second || !it->second->window) return false;
  if (fullscreen_) {
    if (!windowedKnown_) return false;
    *out = windowed_;
    return true;
  }
  SDL_GetWindowPosition(it->second->window, &out->x, &out->y);
  SDL_GetWindowSize(it->second->window, &out->width, &out->height);
  return true;
}

void SdlPresenter::openMainWindowAt(const WindowRect& rect) {
  opening_ = true;
  openingRect_ = rect;
}

bool SdlPresenter::makeTexture(Window& w) {
  if (w.texture) return true;
  // The texture takes the window's own layout, so drawing it into the window is a plain copy;
  // the game's pixels (red in the lowest byte) are turned into it while they are uploaded.
  w.swapRedBlue = blueLowest(SDL_GetWindowPixelFormat(w.window));
  w.texture = SDL_CreateTexture(w.renderer,
                                w.swapRedBlue ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_XBGR8888,
                                SDL_TEXTUREACCESS_STREAMING, w.width, w.height);
  if (!w.texture) return false;
  fit(w);
  return true;
}

void SdlPresenter::upload(Window& w, const Surface& img) {
  if (!makeTexture(w)) return;
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(w.texture, nullptr, &pixels, &pitch) != 0) return;
  const int width = std::min(img.width(), w.width), height = std::min(img.height(), w.height);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<Colour*>(static_cast<unsigned char*>(pixels) + y * pitch);
    if (w.swapRedBlue)
      swapRedBlue(img.row(y), row, width);
    else
      std::memcpy(row, img.row(y), sizeof(Colour) * width);
  }
  SDL_UnlockTexture(w.texture);
}

void SdlPresenter::setWindowScale(int scale, bool smooth) {
  scale_ = scale;
  smooth_ = smooth;
  for (auto& [slot, w] : windows_)
    if (w && w->width > 0) fit(*w);
}

void SdlPresenter::fit(Window& w) {
  // The picture keeps its shape in any window, with black bars where the shapes differ. Sharp:
  // the largest whole-number step of nearest pixels that fits, while the window holds one;
  // smooth (or a window smaller than the picture): scaled to the window's nearer sides, filtered.
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(w.renderer, &outW, &outH);
  if (w.width <= 0 || w.height <= 0 || outW <= 0 || outH <= 0) return;
  const bool whole = !smooth_ && outW >= w.width && outH >= w.height;
  double step = std::min(double(outW) / w.width, double(outH) / w.height);
  if (whole) step = std::floor(step);
  const int drawnW = int(std::lround(w.width * step)), drawnH = int(std::lround(w.height * step));
  w.drawn = {(outW - drawnW) / 2, (outH - drawnH) / 2, drawnW, drawnH};
  if (w.texture)
    SDL_SetTextureScaleMode(w.texture, whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

bool SdlPresenter::toPicture(std::uint32_t windowId, int x, int y, int* px, int* py) const {
  for (const auto& [slot, w] : windows_) {
    if (!w || w->width <= 0 || SDL_GetWindowID(w->window) != windowId || w->drawn.w <= 0) continue;
    // The picture pixel under the middle of the window pixel.
    *px = int(std::floor((x + 0.5 - w->drawn.x) * w->width / w->drawn.w));
    *py = int(std::floor((y + 0.5 - w->drawn.y) * w->height / w->drawn.h));
    return true;
  }
  return false;
}

void SdlPresenter::resized(std::uint32_t windowId) {
  for (auto& [slot, w] : windows_)
    if (w && w->width > 0 && SDL_GetWindowID(w->window) == windowId) {
      fit(*w);
      redraw(*w);
    }
}

void SdlPresenter::setWindowSize(WindowSlot slot, int width, int height) {
  auto it = windows_.find(slot);
  if (it == windows_.end() || !it->second) return;
  SDL_SetWindowSize(it->second->window, width, height);
  resized(SDL_GetWindowID(it->second->window));
}

void SdlPresenter::setWindowPosition(WindowSlot slot, int x, int y) {
  auto it = windows_.find(slot);
  if (it != windows_.end() && it->second) SDL_SetWindowPosition(it->second->window, x, y);
}

bool SdlPresenter::windowPixels(WindowSlot slot, Image* out) {
  auto it = windows_.find(slot);
  if (it == windows_.end() || !it->second || !it->second->renderer) return false;
  int w = 0, h = 0;
  if (SDL_GetRendererOutputSize(it->second->renderer, &w, &h) != 0) return false;
  *out = Image(w, h);
  return SDL_RenderReadPixels(it->second->renderer, nullptr, SDL_PIXELFORMAT_XBGR8888,
                              out->pixels.data(), int(w * sizeof(Colour))) == 0;
}

std::uint32_t SdlPresenter::windowId(WindowSlot slot) const {
  auto it = windows_.find(slot);
  return it == windows_.end() || !it->second ? 0 : SDL_GetWindowID(it->second->window);
}

void SdlPresenter::redraw(Window& w) {
  if (w.textureStale) {
    // The window surface still holds the picture while the window keeps its size; otherwise the
    // game presents it again.
    if (directSurface(w))
      SDL_UpdateWindowSurface(w.window);
    else
      w.wanted = true;
    return;
  }
  // The bars around a picture that does not fill the window are black; a picture that fills it
  // covers every pixel.
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(w.renderer, &outW, &outH);
  if (w.drawn.x > 0 || w.drawn.y > 0 || w.drawn.w < outW || w.drawn.h < outH)
    SDL_RenderClear(w.renderer);
  if (w.texture) SDL_RenderCopy(w.renderer, w.texture, nullptr, &w.drawn);
  SDL_RenderPresent(w.renderer);
}

void SdlPresenter::refresh(std::uint32_t windowId) {
  for (auto& [slot, w] : windows_)
    if (w && w->width > 0 && SDL_GetWindowID(w->window) == windowId) redraw(*w);
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
  if (SDL_GetClosestDisplayMode(display, &want, &got) && got.w == width && got.h == height) {
    SDL_SetWindowDisplayMode(win, &got);
    spread_ = false;
    return SDL_SetWindowFullscreen(win, SDL_WINDOW_FULLSCREEN) == 0;
  }
  // No such mode (Wayland, or a display without it): the window spreads borderless over the
  // whole display and the picture is scaled into it with bars. Done by hand rather than by a
  // window manager's full-screen state, so it holds where there is no window manager either.
  SDL_Rect bounds{};
  if (SDL_GetDisplayBounds(display, &bounds) != 0) return false;
  SDL_SetWindowBordered(win, SDL_FALSE);
  SDL_SetWindowPosition(win, bounds.x, bounds.y);
  SDL_SetWindowSize(win, bounds.w, bounds.h);
  SDL_RaiseWindow(win);
  spread_ = true;
  return true;
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
    Window& w = *it->second;
    if (spread_)
      spread_ = false;  // its border comes back with the form at the next showing
    else
      SDL_SetWindowFullscreen(win, 0);
    // Back where it stood as a window; one that opened full screen takes the form's place and
    // the scale's size.
    if (!windowedKnown_) {
      const int scale = windowScale(w.width, w.height);
      windowed_ = {formLeft_, formTop_, w.width * scale, w.height * scale};
    }
    SDL_SetWindowSize(win, windowed_.width, windowed_.height);
    SDL_SetWindowPosition(win, windowed_.x, windowed_.y);
    windowedKnown_ = false;
    fullscreen_ = false;
  } else {
    if (!fullscreen_) windowedKnown_ = mainWindowRect(&windowed_);
    if (!enterFullscreen(win, width, height)) return false;
    fullscreen_ = true;
  }
  // The picture fitted to the window's new size at once, whatever the window system tells later.
  if (it->second->width > 0) fit(*it->second);
  return true;
}

WindowSlot SdlPresenter::slotOf(std::uint32_t id) const {
  for (const auto& [slot, w] : windows_)
    if (w && SDL_GetWindowID(w->window) == id) return slot;
  return WindowSlot::Main;
}

}  // namespace svc
