#include "driver.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <tuple>

#include "services/errors.h"
#include "services/gamepad.h"
#include "services/ini_file.h"
#include "services/sdl_audio.h"
#include "services/sdl_clock.h"
#include "services/sdl_effects.h"
#include "services/sdl_pictures.h"
#include "services/sdl_system.h"
#include "services/sdl_text.h"
#include "services/tool_writers/image_writers.h"
#include "stop_signals.h"
#include "utf8_text.h"

namespace fs = std::filesystem;

namespace driver {

namespace {

// Thrown by `quit` (and the end of the script) to leave every loop of the game.
struct ScriptEnd {};

// Thrown when SIGTERM or SIGINT asks the driver to stop: leaves every loop the same way.
struct Stopped {
  int signal;
};

void checkStop() {
  if (const int signal = stopSignal()) throw Stopped{signal};
}

// The longest single sleep on the real clock, so a stop signal is seen promptly.
constexpr std::uint32_t kSleepSlice = 100;

int parseInt(int line, const std::string& text) {
  try {
    std::size_t used = 0;
    const long v = std::stol(text, &used);
    if (used != text.size()) throw std::invalid_argument(text);
    return int(v);
  } catch (const std::exception&) {
    throw ScriptError(line, "not a whole number: '" + text + "'");
  }
}

std::pair<std::string, std::string> splitFirst(const std::string& s) {
  const auto sp = s.find(' ');
  if (sp == std::string::npos) return {s, ""};
  return {s.substr(0, sp), s.substr(sp + 1)};
}

std::string readFile(const std::string& path, bool* exists) {
  std::ifstream in(path, std::ios::binary);
  *exists = bool(in);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

Driver::Driver(std::vector<std::string> lines, std::string programFolder, std::ostream& out)
    : builtFolder_(std::move(programFolder)),
      // The game changes the current directory to its program folder; the script's own files
      // are named from where the driver was started.
      startFolder_(fs::current_path().string()),
      out_(out),
      virtualClock_(0) {
  int number = 0;
  for (std::string& raw : lines) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos || raw[start] == '#') continue;
    auto [command, rest] = splitFirst(raw.substr(start));
    lines_.push_back({number, command, rest});
  }
}

Driver::~Driver() {
  program_.reset();
  if (!tempRoot_.empty()) {
    std::error_code ec;
    fs::remove_all(tempRoot_, ec);
  }
}

void Driver::ensureRoot() {
  if (!root_.empty()) return;
  // A private program folder: links to the built files, a copy of the settings folder.
  char pattern[] = "/tmp/drovanta-run-XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a temporary folder");
  tempRoot_ = root_ = pattern;
  for (const auto& entry : fs::directory_iterator(builtFolder_)) {
    const fs::path target = fs::path(root_) / entry.path().filename();
    if (entry.path().filename() == "Data")
      fs::copy(entry.path(), target, fs::copy_options::recursive);
    else
      fs::create_symlink(fs::absolute(entry.path()), target);
  }
}

std::string Driver::scriptPath(const std::string& file) const {
  const fs::path p(file);
  return p.is_absolute() ? file : (fs::path(startFolder_) / p).string();
}

game::Program& Driver::program(const Line& l) {
  if (!program_ || programEnded_)
    throw ScriptError(l.number, l.command + ": the program is not running");
  return *program_;
}

svc::Form& Driver::form(const Line& l, const std::string& name) {
  svc::Form* f = program(l).runtime().findForm(name);
  if (!f) throw ScriptError(l.number, "no window " + name);
  return *f;
}

void Driver::startProgram() {
  ensureRoot();
  svc::Services services;
  services.programFolder = root_;
  services.clock = clock_;
  services.input = this;
  services.presenter = display_.get();
  services.audio = audio_.get();
  services.effects = effects_.get();
  services.pictures = pictures_.get();
  services.text = text_.get();
  program_.reset();
  display_->processEnded();
  text_ = std::make_unique<svc::SdlTextRenderer>(root_ + "/fonts");
  services.text = text_.get();
  program_ = std::make_unique<game::Program>(services);
  programEnded_ = false;
  program_->start();
}

bool Driver::blocked() {
  // Once the program has ended for good (or before it starts) nothing else lets time pass.
  const bool ended = !program_ || programEnded_;
  if (waitTarget_) {
    if (ended) sleepUntil(*waitTarget_);
    if (svc::tickAfter(*waitTarget_, clock_->ticks())) return true;
    waitTarget_.reset();
  }
  if (frameTarget_) {
    if (ended) {
      frameTarget_.reset();
      throw ScriptError(waitLine_, "frames: the program has ended");
    }
    game::Race* race = program_->race();
    if (race && race->state.TotalFrames < *frameTarget_) return true;
    frameTarget_.reset();
  }
  return false;
}

void Driver::sleepUntil(std::uint32_t tick) {
  if (clock_ == &virtualClock_) return clock_->waitUntil(tick);
  while (svc::tickAfter(tick, clock_->ticks())) {
    checkStop();
    const std::uint32_t slice = clock_->ticks() + kSleepSlice;
    clock_->waitUntil(svc::tickAfter(tick, slice) ? slice : tick);
  }
}

void Driver::poll(std::deque<svc::InputEvent>& out) {
  checkStop();
  pump(&out, false);
  if (game::Race* race = program_ && !programEnded_ ? program_->race() : nullptr)
    autopilot_.drive(*race, out);
}

void Driver::waitForInput(std::uint32_t untilTick, bool hasDeadline) {
  // Nothing runs frames: time passes only here.
  checkStop();
  if (frameTarget_) throw ScriptError(waitLine_, "frames: no race is running");
  if (waitTarget_) {
    std::uint32_t to = *waitTarget_;
    if (hasDeadline && svc::tickAfter(to, untilTick)) to = untilTick;
    sleepUntil(to);
  } else if (hasDeadline && next_ >= lines_.size()) {
    sleepUntil(untilTick);
  }
}

void Driver::pump(std::deque<svc::InputEvent>* events, bool topLevel) {
  using T = svc::InputEvent::Type;
  while (!blocked()) {
    checkStop();
    if (next_ >= lines_.size()) throw ScriptEnd{};
    const Line l = lines_[next_++];
    const std::string& c = l.command;
    auto needEvents = [&] {
      if (!events) throw ScriptError(l.number, c + ": the program is not running");
    };
    auto push = [&](svc::InputEvent e) {
      needEvents();
      events->push_back(std::move(e));
    };
    if (c == "root") {
      if (program_) throw ScriptError(l.number, "root: only before start");
      root_ = scriptPath(l.rest);
    } else if (c == "setting" || c == "no-settings-file") {
      if (program_ && !programEnded_) throw ScriptError(l.number, c + ": only before start");
      ensureRoot();
      const std::string file = root_ + "/Data/snow.ini";
      if (c == "no-settings-file") {
        std::error_code ec;
        fs::remove(file, ec);
      } else {
        auto [key, value] = splitFirst(l.rest);
        if (!svc::writeProfileString(file, "dv", key, value))
          throw ScriptError(l.number, "cannot write " + file);
      }
    } else if (c == "option") {
      // One value of the options file, in the section its option belongs to.
      if (program_ && !programEnded_) throw ScriptError(l.number, c + ": only before start");
      ensureRoot();
      auto [key, value] = splitFirst(l.rest);
      const game::OptionKey* option = nullptr;
      for (const game::OptionKey& o : game::kOptionKeys)
        if (key == o.key) option = &o;
      if (!option) throw ScriptError(l.number, "no option " + key);
      const std::string file = root_ + game::kOptionsFile;
      if (!svc::writeProfileString(file, option->section, key, value))
        throw ScriptError(l.number, "cannot write " + file);
    } else if (c == "realtime") {
      if (program_) throw ScriptError(l.number, "realtime: only before start");
      realClock_ = std::make_unique<svc::SdlClock>();
      clock_ = realClock_.get();
    } else if (c == "desktop") {
      // The desktop mode of the display: WIDTH [HEIGHT] (the height stays when not given).
      std::istringstream in(l.rest);
      int w = 0, h = display_->desktopTall;
      std::string height;
      if (in >> w && in >> height) h = std::atoi(height.c_str());
      if (!in.eof() || w <= 0 || h <= 0)
        throw ScriptError(l.number, "desktop: WIDTH [HEIGHT] expected");
      display_->desktop = w;
      display_->desktopTall = h;
    } else if (c == "start") {
      if (!topLevel) throw ScriptError(l.number, "start: the program is already running");
      startProgram();
      return;
    } else if (c == "select") {
      auto [field, value] = splitFirst(l.rest);
      game::MenuWindow* menu = program(l).menu();
      if (!menu) throw ScriptError(l.number, "select: no menu");
      try {
        menu->setSelection(field, value);
      } catch (const std::out_of_range&) {
        throw ScriptError(l.number, "select: no field " + field);
      }
    } else if (c == "race") {
      needEvents();
      game::MenuWindow* menu = program(l).menu();
      if (!menu || !menu->form().loaded())
        throw ScriptError(l.number, "race: no menu to start from");
      menu->startRace();
    } else if (c == "wait") {
      waitTarget_ = clock_->ticks() + std::uint32_t(parseInt(l.number, l.rest));
      waitLine_ = l.number;
    } else if (c == "frames") {
      game::Race* race = program(l).race();
      if (!race) throw ScriptError(l.number, "frames: no race is running");
      frameTarget_ = race->state.TotalFrames + std::uint32_t(parseInt(l.number, l.rest));
      waitLine_ = l.number;
    } else if (c == "autopilot") {
      auto [mode, speed] = splitFirst(l.rest);
      if (mode == "off") {
        autopilot_.disable();
      } else if (mode == "on") {
        // autopilot on [SPEED] [pad]
        std::istringstream words(speed);
        std::string word;
        double top = 1;
        bool byPad = false;
        while (words >> word) {
          if (word == "pad") {
            byPad = true;
            continue;
          }
          char* end = nullptr;
          top = std::strtod(word.c_str(), &end);
          if (*end || top <= 0)
            throw ScriptError(l.number, "autopilot: not a speed: '" + word + "'");
        }
        autopilot_.enable(top, byPad);
      } else {
        throw ScriptError(l.number, "autopilot: on [SPEED] [pad] or off expected");
      }
    } else if (c == "click") {
      const auto dot = l.rest.find('.');
      if (dot == std::string::npos) throw ScriptError(l.number, "click: FORM.CONTROL expected");
      svc::Form& f = form(l, l.rest.substr(0, dot));
      svc::Control* ctl = f.findControl(l.rest.substr(dot + 1));
      if (!ctl) throw ScriptError(l.number, "click: no control " + l.rest);
      int x = ctl->width() / 2, y = ctl->height() / 2;
      for (svc::Control* p = ctl; p; p = p->parent()) {
        if (!p->visible()) throw ScriptError(l.number, "click: " + l.rest + " is not visible");
        x += p->left();
        y += p->top();
      }
      if (!f.visible()) throw ScriptError(l.number, "click: window " + f.name() + " is not shown");
      // A player's pointer stays inside the window: a control slid off it cannot be clicked.
      if (x < 0 || y < 0 || x >= f.width() || y >= f.height())
        throw ScriptError(l.number, "click: " + l.rest + " lies outside the window");
      svc::InputEvent e;
      e.slot = f.slot();
      e.x = x;
      e.y = y;
      e.type = T::MouseMove;
      e.button = 0;
      push(e);
      e.button = 1;
      e.type = T::MouseDown;
      push(e);
      e.type = T::MouseUp;
      push(e);
      return;
    } else if (c == "mousedown" || c == "mouseup" || c == "mousemove") {
      std::istringstream in(l.rest);
      std::string name;
      int x = 0, y = 0;
      if (!(in >> name >> x >> y)) throw ScriptError(l.number, c + ": FORM X Y expected");
      svc::InputEvent e;
      e.slot = form(l, name).slot();
      e.x = x;
      e.y = y;
      e.type = c == "mousedown" ? T::MouseDown : c == "mouseup" ? T::MouseUp : T::MouseMove;
      e.button = c == "mousemove" ? 0 : 1;
      push(e);
      return;
    } else if (c == "keydown" || c == "keyup" || c == "key") {
      svc::InputEvent e;
      e.key = parseInt(l.number, l.rest);
      // Keys go to the game's main window, where a player would press them.
      e.slot = svc::WindowSlot::Main;
      if (c != "keyup") {
        e.type = T::KeyDown;
        push(e);
      }
      if (c != "keydown") {
        e.type = T::KeyUp;
        push(e);
      }
      return;
    } else if (c == "pad") {
      // A virtual controller plugged into the game: `pad BUTTON down|up` or `pad AXIS VALUE`,
      // by SDL's names ("a", "start", "dpleft"; "leftx", "righttrigger").
      auto [name, what] = splitFirst(l.rest);
      svc::InputEvent e;
      e.slot = svc::WindowSlot::Main;
      svc::Pad button{};
      svc::PadAxis axis{};
      if (svc::padButtonByName(name, &button)) {
        if (what != "down" && what != "up")
          throw ScriptError(l.number, "pad " + name + ": down or up expected");
        e.type = what == "down" ? T::PadDown : T::PadUp;
        e.pad = static_cast<int>(button);
      } else if (svc::padAxisByName(name, &axis)) {
        e.type = T::PadAxis;
        e.pad = static_cast<int>(axis);
        e.value = parseInt(l.number, what);
        const int low =
            axis == svc::PadAxis::TriggerLeft || axis == svc::PadAxis::TriggerRight ? 0 : -32768;
        if (e.value < low || e.value > 32767)
          throw ScriptError(l.number, "pad " + name + ": " + what + " lies outside " +
                                          std::to_string(low) + "..32767");
      } else {
        throw ScriptError(l.number, "pad: no controller button or axis '" + name + "'");
      }
      push(e);
      return;
    } else if (c == "type") {
      svc::InputEvent e;
      e.type = T::Text;
      e.text = l.rest;
      // Typed into the focused field of the front window that has one.
      e.slot = svc::WindowSlot::Main;
      if (program_)
        for (svc::Form* f : program_->runtime().forms())
          if (f->visible() && f->focus && f->slot() == svc::WindowSlot::Tool) e.slot = f->slot();
      push(e);
      return;
    } else if (c == "set") {
      auto [name, value] = splitFirst(l.rest);
      game::Race* race = program(l).race();
      if (!race) throw ScriptError(l.number, "set: no race");
      bool found = false;
      for (const svc::Field& field : race->state.fields())
        if (field.name == name) {
          found = true;
          if (!svc::setField(field, value))
            throw ScriptError(l.number, "set: '" + value + "' does not fit " + name);
        }
      if (!found) throw ScriptError(l.number, "set: no race-state field " + name);
    } else if (c == "dump") {
      // `dump @NAME [FILE]` labels the dump, so a test finds it by name rather than by its place
      // among the others; a plain `dump FILE` still writes to FILE.
      std::string label, file = l.rest;
      if (!file.empty() && file[0] == '@') {
        std::tie(label, file) = splitFirst(file.substr(1));
        if (label.empty()) throw ScriptError(l.number, "dump: a label after @ expected");
      }
      const std::string json = dump(label);
      if (file.empty()) {
        out_ << json << "\n";
        out_.flush();
      } else {
        std::ofstream out(scriptPath(file));
        out << json << "\n";
        if (!out) throw ScriptError(l.number, "dump: cannot write " + file);
      }
    } else if (c == "shot") {
      auto [name, file] = splitFirst(l.rest);
      if (file.empty()) throw ScriptError(l.number, "shot: FORM FILE.png expected");
      if (!svc::savePng(form(l, name).image(), scriptPath(file)))
        throw ScriptError(l.number, "shot: cannot write " + file);
    } else if (c == "quit") {
      throw ScriptEnd{};
    } else {
      throw ScriptError(l.number, "unknown command '" + c + "'");
    }
  }
}

std::string Driver::dump(const std::string& label) {
  std::string settingsFile;
  bool exists = false;
  if (!root_.empty()) settingsFile = readFile(root_ + "/Data/snow.ini", &exists);
  // Names and the settings file may hold any bytes; the dump stays UTF-8 JSON.
  return validUtf8(dumpJson(program_ && !programEnded_ ? program_.get() : nullptr,
                            exists ? svc::jsonString(settingsFile) : "null", relaunches_,
                            clock_->ticks(), display_->json(), label));
}

int Driver::run() {
  // DROVANTA_DRIVER_VIDEO=real shows the windows on the real display (for measuring a real run
  // there); otherwise SDL's dummy drivers.
  const char* video = std::getenv("DROVANTA_DRIVER_VIDEO");
  svc::SdlSystem sdl(!(video && std::string(video) == "real"));
  display_ = std::make_unique<DriverDisplay>();
  auto audio = std::make_unique<svc::SdlAudio>(sdl.audioAvailable());
  effects_ = std::make_unique<svc::SdlSoundEffects>(audio->mixer);
  audio_ = std::move(audio);
  pictures_ = std::make_unique<svc::SdlPictureLoader>();
  catchStopSignals();
  int status = 0;
  try {
    for (;;) {
      try {
        if (!program_ || programEnded_) {
          pump(nullptr, true);  // returns after `start`
          continue;
        }
        program_->run();
      } catch (const svc::ProgramEnd& end) {
        if (end.relaunch) {
          // The new instance starts in the same process, as a fresh program.
          ++relaunches_;
          startProgram();
        } else {
          programEnded_ = true;
        }
      }
    }
  } catch (const ScriptEnd&) {
  } catch (const Stopped& stop) {
    std::cerr << "drovanta-driver: stopped by signal " << stop.signal << "\n";
    status = 128 + stop.signal;
  } catch (const ScriptError& e) {
    std::cerr << "drovanta-driver: " << e.what() << "\n";
    status = 2;
  } catch (const svc::DataFileError& e) {
    std::cerr << "drovanta-driver: " << e.what() << "\n";
    status = 1;
  }
  program_.reset();
  text_.reset();
  // The effects let go of their mixer channels while the mixer is still open.
  effects_.reset();
  return status;
}

}  // namespace driver
