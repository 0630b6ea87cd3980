// The headless driver: runs the real game from a line-based script, with SDL's dummy video and
// audio drivers and a virtual clock that moves only when the game waits.
#pragma once
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "autopilot.h"
#include "driver_display.h"
#include "program/program.h"
#include "services/clock.h"
#include "services/platform.h"
#include "services/sound_effects.h"

namespace driver {

// A script line that cannot be carried out.
struct ScriptError : std::runtime_error {
  ScriptError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what) {}
};

class Driver : public svc::InputSource {
 public:
  // programFolder: the built program folder, used when the script names no root of its own;
  // the run then works on a private copy of it, so the build's settings file stays untouched.
  Driver(std::vector<std::string> lines, std::string programFolder, std::ostream& out);
  ~Driver() override;

  // Runs the whole script. Returns the process exit status.
  int run();

  void poll(std::deque<svc::InputEvent>& out) override;
  void waitForInput(std::uint32_t untilTick, bool hasDeadline) override;

 private:
  struct Line {
    int number;
    std::string command;
    std::string rest;
  };
  // Carries out lines until one needs the game to run (input, time, frames) or the script ends.
  void pump(std::deque<svc::InputEvent>* events, bool topLevel);
  bool blocked();
  // Lets time pass up to tick: the virtual clock jumps, the real one sleeps.
  void sleepUntil(std::uint32_t tick);
  void startProgram();
  void ensureRoot();
  // label: "" for an unlabelled dump.
  std::string dump(const std::string& label);
  // A file named in the script, relative to the folder the driver was started in.
  std::string scriptPath(const std::string& file) const;
  svc::Form& form(const Line& l, const std::string& name);
  game::Program& program(const Line& l);

  std::vector<Line> lines_;
  std::size_t next_ = 0;
  std::string builtFolder_;
  std::string startFolder_;
  std::string root_;
  std::string tempRoot_;
  std::ostream& out_;
  // Virtual time by default; the real clock after `realtime` (for measuring a real run).
  svc::VirtualClock virtualClock_;
  std::unique_ptr<svc::Clock> realClock_;
  svc::Clock* clock_ = &virtualClock_;
  std::unique_ptr<DriverDisplay> display_;
  std::unique_ptr<svc::AudioDevice> audio_;
  std::unique_ptr<svc::SoundEffects> effects_;  // before the audio device closes
  std::unique_ptr<svc::PictureLoader> pictures_;
  std::unique_ptr<svc::TextRenderer> text_;
  std::unique_ptr<game::Program> program_;
  Autopilot autopilot_;
  int relaunches_ = 0;
  bool programEnded_ = false;
  std::optional<std::uint32_t> waitTarget_;
  std::optional<std::uint32_t> frameTarget_;
  int waitLine_ = 0;
};

// The JSON dump of a program (settings, settings file, forms, menu and race state). A non-empty
// label comes first in it as "label".
std::string dumpJson(game::Program* program, const std::string& settingsFile, int relaunches,
                     std::uint32_t ticks, const std::string& display,
                     const std::string& label = "");

}  // namespace driver
