// The outside-facing services the runtime uses, each an interface with a real SDL/POSIX version
// and a plain in-memory version for tests and the driver.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "services/form.h"
#include "services/surface.h"

namespace svc {

struct InputEvent {
  enum class Type {
    MouseDown,
    MouseUp,
    MouseMove,
    KeyDown,
    KeyUp,
    Text,
    PadDown,
    PadUp,
    PadAxis,
    Quit
  };
  Type type = Type::MouseMove;
  WindowSlot slot = WindowSlot::Main;
  int x = 0, y = 0;  // window pixels
  int button = 1;    // 1 left, 2 right, 4 middle
  int key = 0;       // virtual-key code
  std::string text;  // UTF-8, for Text
  int pad = 0;       // a Pad for PadDown and PadUp, a PadAxis for PadAxis
  int value = 0;     // the axis position, for PadAxis
};

// Where input comes from: the window system, or a script.
class InputSource {
 public:
  virtual ~InputSource() = default;
  // Appends every pending event.
  virtual void poll(std::deque<InputEvent>& out) = 0;
  // Blocks until input may be pending or the tick is reached (when hasDeadline), whichever is
  // first; used only when the game has nothing to do.
  virtual void waitForInput(std::uint32_t untilTick, bool hasDeadline) = 0;
};

// A window's place on the desktop and its size, in desktop pixels.
struct WindowRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// Puts composed window images on the screen, and switches the display mode of the main window.
class Presenter {
 public:
  virtual ~Presenter() = default;
  virtual void present(WindowSlot slot, Form& form) = 0;
  virtual void hide(WindowSlot slot) = 0;
  // Width and height in pixels of the desktop mode of the display the main window is on.
  virtual int desktopWidth() = 0;
  virtual int desktopHeight() = 0;
  // Full screen at the given mode for the main window; false leaves full screen. Returns false
  // when the display refused the mode (the window stays as it was).
  virtual bool setFullscreen(bool on, int width, int height) = 0;
  virtual bool fullscreen() const = 0;
  // How windows show their pictures: a window opens `scale` times the picture's size (0: the
  // largest whole step that fits 80 % of the desktop), and a picture scaled to a window is drawn
  // in sharp whole-number steps where the window allows, or smoothly to fill it.
  virtual void setWindowScale(int /*scale*/, bool /*smooth*/) {}
  // Where the main window stands and how large it is as a window (while full screen: where it
  // stood before); false before it has opened.
  virtual bool mainWindowRect(WindowRect* /*out*/) const { return false; }
  // The place and size the main window opens at, kept from an earlier run: instead of the
  // form's place and the scale's size. A place off every display keeps only the size.
  virtual void openMainWindowAt(const WindowRect& /*rect*/) {}
  // The window lost its picture (its size changed) and wants the form presented again, changed
  // or not.
  virtual bool wantsPicture(WindowSlot /*slot*/) const { return false; }
};

// The largest whole number of times a picture fits 80 % of a desktop, at least 1.
int autoWindowScale(int desktopWidth, int desktopHeight, int width, int height);

// One music player control. Several may exist (menu and race); the audio device plays the one
// that was last asked to play.
class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;
  // Opens the file; a missing or unreadable file throws DataFileError.
  virtual void setFileName(const std::string& path) = 0;
  virtual const std::string& fileName() const = 0;
  virtual void play() = 0;   // from the start, or on from a pause; loops
  virtual void pause() = 0;  // halts; play resumes
  virtual void stop() = 0;
  // Hundredths of a decibel relative to full volume: gain 10^(v / 2000).
  virtual void setVolume(int hundredthsOfDb) = 0;
  virtual int volume() const = 0;
  virtual bool playing() const = 0;
};

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  virtual std::unique_ptr<MusicPlayer> newPlayer() = 0;
};

// Gain (0..1) of a volume in hundredths of a decibel.
double volumeGain(int hundredthsOfDb);

class PictureLoader {
 public:
  virtual ~PictureLoader() = default;
  // Decodes a .bmp, .jpg or .gif file; throws DataFileError when it is missing or unreadable.
  virtual ImagePtr load(const std::string& path) = 0;
  // Starts decoding these files on another thread, in order, so that their loads find them
  // ready. A hint only: what a load returns or throws is the same either way.
  virtual void prefetch(const std::vector<std::string>& paths) { (void)paths; }
};

// Presenter that shows nothing (unit tests).
class NullPresenter : public Presenter {
 public:
  void present(WindowSlot, Form&) override { ++presented; }
  void hide(WindowSlot) override {}
  int desktopWidth() override { return desktop; }
  int desktopHeight() override { return desktopTall; }
  bool setFullscreen(bool on, int w, int h) override {
    full = on;
    modeWidth = w;
    modeHeight = h;
    ++modeChanges;
    return true;
  }
  bool fullscreen() const override { return full; }
  bool mainWindowRect(WindowRect* out) const override {
    if (!placed) return false;
    *out = place;
    return true;
  }
  void openMainWindowAt(const WindowRect& rect) override {
    place = rect;
    placed = true;
  }
  WindowRect place;
  bool placed = false;
  int desktop = 1024;
  int desktopTall = 768;
  bool full = false;
  int modeWidth = 0, modeHeight = 0, modeChanges = 0;
  int presented = 0;
};

// Audio that only remembers what it was told (unit tests).
class NullAudio : public AudioDevice {
 public:
  std::unique_ptr<MusicPlayer> newPlayer() override;
};

}  // namespace svc
