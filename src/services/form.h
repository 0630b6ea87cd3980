// A window of the game (a form): its controls by name, its timers and its key handlers. The
// runtime composes a visible form into an image and puts it on the screen.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/clock.h"
#include "services/controls.h"

namespace svc {

class Timer {
 public:
  Timer(std::string name, Clock* clock, int interval)
      : name_(std::move(name)), clock_(clock), interval_(interval) {}
  const std::string& name() const { return name_; }
  int interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  // Enabling a running timer does not restart it; disabling and enabling does.
  void setEnabled(bool on);
  std::function<void()> onTick;
  // Says when a tick would do nothing: the program need not wake for the timer then, and the
  // ticks it sleeps through are passed over on the timer's own beat.
  std::function<bool()> quiet;
  bool isQuiet() const { return quiet && quiet(); }
  // After a wait it did not wake: passes over the ticks due before now, on the timer's beat.
  void passQuietTicks();

  // Fires the tick when due. A late tick fires once; the next one is due one interval after the
  // missed due time, or one interval from now when more than one was missed (never a burst).
  void fireIfDue();
  std::uint32_t due() const { return due_; }

 private:
  std::string name_;
  Clock* clock_;
  int interval_;
  bool enabled_ = false;
  std::uint32_t due_ = 0;
};

// What every form of one program shares: the clock, the text renderer, and the order in which
// forms were brought to the front.
struct UiContext {
  Clock* clock = nullptr;
  TextRenderer* text = nullptr;
  std::uint64_t showCounter = 0;
};

// Which OS window a form appears in: the game's main window (menu, race) or the small start-up
// settings window.
enum class WindowSlot { Main, Tool };

class Form {
 public:
  Form(std::string name, UiContext& ui, WindowSlot slot);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  WindowSlot slot() const { return slot_; }
  Clock& clock() const { return *ui_.clock; }

  std::string caption;
  bool borderless = false;
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void move(int left, int top);
  void resize(int width, int height);
  bool visible() const { return visible_; }
  void show();  // also brings the form to the front of its window slot
  void hide();
  // An unloaded form is hidden for good: its timers stop and input no longer reaches it.
  void unload();
  bool loaded() const { return loaded_; }
  std::uint64_t shownOrder() const { return shownOrder_; }

  // The form's own background: a colour and an optional picture drawn at the top left.
  void setBackColor(Colour c);
  Colour backColor() const { return backColor_; }
  void setPicture(ImagePtr picture, const std::string& file);
  const std::string& pictureFile() const { return pictureFile_; }

  // Creating controls. parent nullptr puts the control on the form itself.
  PictureBox& addPicture(const std::string& name, int left, int top, int width, int height,
                         Control* parent = nullptr);
  ImageBox& addImage(const std::string& name, int left, int top, int width, int height,
                     Control* parent = nullptr);
  Label& addLabel(const std::string& name, const std::string& caption, int left, int top, int width,
                  int height, Control* parent = nullptr);
  TextBox& addTextBox(const std::string& name, const std::string& text, int left, int top,
                      int width, int height, Control* parent = nullptr);
  LineShape& addLine(const std::string& name, Control* parent = nullptr);
  Button& addButton(const std::string& name, const std::string& caption, int left, int top,
                    int width, int height, Control* parent = nullptr);
  Timer& addTimer(const std::string& name, int interval, bool enabled);

  // Lookup by name ("car(3)" for an array element); throws std::out_of_range for unknown names.
  Control& control(const std::string& name) const;
  Control* findControl(const std::string& name) const;
  PictureBox& picture(const std::string& name) const;
  ImageBox& image(const std::string& name) const;
  Label& label(const std::string& name) const;
  TextBox& textBox(const std::string& name) const;
  LineShape& line(const std::string& name) const;
  Button& button(const std::string& name) const;
  Timer& timer(const std::string& name) const;
  const std::vector<Control*>& allControls() const { return order_; }
  const std::vector<Control*>& topLevel() const { return topLevel_; }
  const std::vector<Timer*>& timers() const { return timerOrder_; }

  // Keyboard: virtual-key codes (Left 37, Up 38, Right 39, Down 40, Esc 27, letters 65..90,
  // numpad + 107, numpad - 109). Auto-repeat arrives as repeated key-downs.
  // Told of every click that reaches a control's click handler, before the handler runs.
  std::function<void()> onControlClick;
  // Keys reach this form through the player's key bindings (Runtime::keyBindings).
  bool takesKeyBindings = false;
  std::function<void(int key)> onKeyDown;
  std::function<void(int key)> onKeyUp;
  // A game controller. While padDrives says so, a controller input listed in padKeys is pressed
  // and released as its key, never through the key bindings. Otherwise the controller moves a
  // highlight over the controls a click would reach, in reading order: A clicks the highlighted
  // one, B clicks padBack, and the inputs listed in padKeys still stand for their keys.
  std::function<bool()> padDrives;
  std::map<int, int> padKeys;  // Pad -> virtual-key code
  Control* padBack = nullptr;
  // The controls a click at their centre reaches, in reading order (rows top to bottom, each
  // left to right).
  std::vector<Control*> padTargets() const;
  Control* highlight() const { return highlight_; }
  // Draws a frame around the control (nullptr: none); presentation only.
  void setHighlight(Control* c);
  // The control's top-left corner in form pixels.
  static void formPosition(const Control& c, int* x, int* y);

  // Mouse over the form's own background (no control hit).
  MouseHandlers mouse;
  TextBox* focus = nullptr;

  // Lets go of the pixels of every picture on the form, for a form that will not be seen again
  // (the menu under a race, which ends in a fresh start): names and sizes stay.
  void releasePixels();

  // The composed picture of the form, updated when something changed.
  const Surface& image();
  // The composed picture in two layers, for a presenter that copies the picture out itself and
  // so need not have the whole window composed first: `base`, the surface of an opaque picture
  // box covering the window from its corner (the race's view), and `over`, right only inside
  // `parts`, where the box's children and the controls after it draw. False, and nothing
  // composed, when there is no such box or the parts cover the whole window: image() then.
  struct Layers {
    const Surface* base = nullptr;
    const Surface* over = nullptr;
    std::vector<Control::Clip> parts;
  };
  bool layers(Layers* out);
  // Changes anything shown; bumps the version the runtime compares.
  void changed() { ++version_; }
  std::uint64_t version() const;
  // The topmost visible control at form pixel (x, y), with the point in its own pixels.
  Control* hitTest(int x, int y, int* localX, int* localY) const;

 private:
  template <class T>
  T& add(std::unique_ptr<T> c, int left, int top, int width, int height, Control* parent);
  template <class T>
  T& typed(const std::string& name, ControlKind kind) const;
  void compose();
  void drawHighlight();
  bool coversWindow(const Control& c) const;

  std::string name_;
  UiContext& ui_;
  WindowSlot slot_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = false;
  bool loaded_ = true;
  std::uint64_t shownOrder_ = 0;
  Colour backColor_ = 0;
  ImagePtr picture_;
  std::string pictureFile_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::vector<Control*> topLevel_;
  std::map<std::string, Control*> byName_;
  std::vector<std::unique_ptr<Timer>> ownedTimers_;
  std::vector<Timer*> timerOrder_;
  std::map<std::string, Timer*> timersByName_;
  Surface image_;
  Control* highlight_ = nullptr;
  std::uint64_t version_ = 1;
  std::uint64_t composedVersion_ = 0;
};

}  // namespace svc
