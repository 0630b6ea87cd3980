// The runtime of one program: its forms, event processing (re-entrant doEvents), timers,
// presentation, picture loading and the program folder.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "services/clock.h"
#include "services/form.h"
#include "services/gamepad.h"
#include "services/key_bindings.h"
#include "services/platform.h"
#include "services/random.h"
#include "services/sound_effects.h"

namespace svc {

struct Services {
  std::string programFolder;  // no trailing slash
  Clock* clock = nullptr;
  InputSource* input = nullptr;
  Presenter* presenter = nullptr;
  AudioDevice* audio = nullptr;
  PictureLoader* pictures = nullptr;
  TextRenderer* text = nullptr;
  // The folder whose Data/ keeps the player's files; empty: the program folder.
  std::string dataFolder;
  // Sound effects; none: silent ones.
  SoundEffects* effects = nullptr;
};

class Runtime {
 public:
  explicit Runtime(const Services& services);

  UiContext& ui() { return ui_; }
  Clock& clock() { return *services_.clock; }
  Presenter& presenter() { return *services_.presenter; }
  AudioDevice& audio() { return *services_.audio; }
  SoundEffects& effects() { return services_.effects ? *services_.effects : silentEffects_; }
  Random& random() { return random_; }
  const std::string& programFolder() const { return services_.programFolder; }
  // The full path of a relative path written with forward slashes: the program folder followed
  // by it, or for the player's files ("/Data/...") the data folder.
  std::string path(const std::string& relative) const;

  // Decodes a picture of the program folder (relative path); throws DataFileError.
  ImagePtr loadPicture(const std::string& relative);
  // Has these pictures decoded ahead on another core, for loads soon to come.
  void prefetchPictures(const std::vector<std::string>& relatives);
  // Loads a picture into a control and remembers the file name.
  void loadInto(PictureBox& box, const std::string& relative);
  void loadInto(ImageBox& box, const std::string& relative);

  // Forms take part in event processing once added; the caller owns them.
  void addForm(Form& form);
  const std::vector<Form*>& forms() const { return forms_; }
  Form* findForm(const std::string& name) const;

  // Handles every pending input event, fires every due timer once, and presents each window
  // whose image changed. Handlers run inside it and may call it again.
  void doEvents();
  // Presents changed windows without handling input.
  void present();
  // Runs the program's idle loop until something ends the program (ProgramEnd).
  [[noreturn]] void run();
  // Sleeps until input arrives, a timer is due, or the tick is reached, whichever is first;
  // for loops that wait while they process events.
  void idleWait(std::uint32_t untilTick);

  // The keys the player bound to the actions of forms that take bindings.
  KeyBindings& keyBindings() { return keyBindings_; }

  // Called when the window system asks the program to end (a window closed, a terminate
  // signal); the program then ends.
  std::function<void()> onQuit;

  // Called by the frame loop at each frame start (the driver counts frames with it).
  std::function<void()> onFrame;

 private:
  void dispatch(const InputEvent& e);
  // A controller input pressed or released, for the front form of the main window.
  void padInput(Form* form, Pad input, bool pressed);
  void moveHighlight(Form& form, int step);
  // A left click at the centre of a control, as the mouse would make it.
  void clickAtCentre(Form& form, const Control& control);
  void hoverAtCentre(Form& form, const Control& control);
  Form* frontForm(WindowSlot slot) const;
  bool nextTimerDue(std::uint32_t* due) const;
  void passQuietTicks();

  Services services_;
  UiContext ui_;
  Random random_;
  KeyBindings keyBindings_;
  NullSoundEffects silentEffects_;
  std::vector<Form*> forms_;
  std::deque<InputEvent> queue_;
  std::map<std::string, std::weak_ptr<const Image>> pictureCache_;
  std::map<WindowSlot, std::uint64_t> presentedVersion_;
  std::map<WindowSlot, Form*> presentedForm_;
  PadAxes padAxes_;
  struct HeldPad {
    Form* form;
    int key;
  };
  std::map<int, HeldPad> padHeld_;  // Pad -> the key it pressed, until it is released
  Control* captured_ = nullptr;     // control holding the mouse between down and up
  Form* capturedForm_ = nullptr;
};

}  // namespace svc
