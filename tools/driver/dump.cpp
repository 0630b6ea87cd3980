// The driver's JSON picture of a running program.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "driver.h"
#include "services/fields.h"

namespace driver {

namespace {

using svc::jsonString;

const char* kindName(svc::ControlKind k) {
  switch (k) {
    case svc::ControlKind::Picture:
      return "picture";
    case svc::ControlKind::Image:
      return "image";
    case svc::ControlKind::Label:
      return "label";
    case svc::ControlKind::TextBox:
      return "text";
    case svc::ControlKind::Line:
      return "line";
    case svc::ControlKind::Button:
      return "button";
  }
  return "?";
}

std::string fieldsJson(std::vector<svc::Field> fields) {
  std::ostringstream o;
  o << "{";
  for (std::size_t i = 0; i < fields.size(); ++i)
    o << (i ? "," : "") << jsonString(fields[i].name) << ":" << svc::fieldJson(fields[i]);
  o << "}";
  return o.str();
}

std::string formJson(svc::Form& f) {
  std::ostringstream o;
  o << "{\"visible\":" << (f.visible() ? "true" : "false")
    << ",\"loaded\":" << (f.loaded() ? "true" : "false") << ",\"caption\":" << jsonString(f.caption)
    << ",\"left\":" << f.left() << ",\"top\":" << f.top() << ",\"width\":" << f.width()
    << ",\"height\":" << f.height() << ",\"picture\":" << jsonString(f.pictureFile());
  // What a controller reaches, and the highlight where it is drawn (on a control it reaches).
  const std::vector<svc::Control*> targets = f.padTargets();
  o << ",\"highlight\":";
  if (std::find(targets.begin(), targets.end(), f.highlight()) != targets.end())
    o << jsonString(f.highlight()->name());
  else
    o << "null";
  o << ",\"padTargets\":[";
  for (std::size_t i = 0; i < targets.size(); ++i)
    o << (i ? "," : "") << jsonString(targets[i]->name());
  o << "],\"controls\":{";
  bool first = true;
  for (const svc::Control* c : f.allControls()) {
    o << (first ? "" : ",") << jsonString(c->name()) << ":{\"kind\":\"" << kindName(c->kind())
      << "\",\"visible\":" << (c->visible() ? "true" : "false") << ",\"left\":" << c->left()
      << ",\"top\":" << c->top() << ",\"width\":" << c->width() << ",\"height\":" << c->height()
      << ",\"text\":" << jsonString(c->text()) << ",\"picture\":" << jsonString(c->pictureFile());
    if (c->kind() == svc::ControlKind::Line) {
      const auto* line = static_cast<const svc::LineShape*>(c);
      o << ",\"x1\":" << line->x1() << ",\"y1\":" << line->y1() << ",\"x2\":" << line->x2()
        << ",\"y2\":" << line->y2();
    }
    o << "}";
    first = false;
  }
  o << "},\"timers\":{";
  first = true;
  for (const svc::Timer* t : f.timers()) {
    o << (first ? "" : ",") << jsonString(t->name()) << ":{\"interval\":" << t->interval()
      << ",\"enabled\":" << (t->enabled() ? "true" : "false") << "}";
    first = false;
  }
  o << "}}";
  return o.str();
}

std::string musicJson(svc::MusicPlayer& m) {
  std::ostringstream o;
  o << "{\"file\":" << jsonString(m.fileName())
    << ",\"playing\":" << (m.playing() ? "true" : "false") << ",\"volume\":" << m.volume() << "}";
  return o.str();
}

// The driver's resident memory in KiB (0 where the system does not tell).
long residentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  if (!(statm >> pages >> resident)) return 0;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Processor time the driver has used so far (user and system), in milliseconds, and its peak
// resident memory in KiB.
long cpuMs() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000L +
         (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000L;
}
long peakResidentKb() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return r.ru_maxrss;
}

// Each effect with how often it has started and whether it is heard now, and the pitch of the
// player's engine (1 as recorded).
std::string soundsJson(const game::SoundBoard& board) {
  std::ostringstream o;
  o << "{\"enabled\":" << (board.enabled() ? "true" : "false")
    << ",\"enginePitch\":" << board.playerEnginePitch() << ",\"effects\":{";
  bool first = true;
  for (const char* name : game::kEffectNames) {
    auto it = board.stats().find(name);
    const int started = it == board.stats().end() ? 0 : it->second.started;
    o << (first ? "" : ",") << jsonString(name) << ":{\"started\":" << started
      << ",\"playing\":" << (board.playing(name) ? "true" : "false") << "}";
    first = false;
  }
  o << "}}";
  return o.str();
}

}  // namespace

std::string dumpJson(game::Program* program, const std::string& settingsFile, int relaunches,
                     std::uint32_t ticks, const std::string& display, const std::string& label) {
  std::ostringstream o;
  o << "{";
  if (!label.empty()) o << "\"label\":" << jsonString(label) << ",";
  o << "\"relaunches\":" << relaunches << ",\"ticks\":" << ticks
    << ",\"residentKb\":" << residentKb() << ",\"peakResidentKb\":" << peakResidentKb()
    << ",\"cpuMs\":" << cpuMs() << ",\"settingsFile\":" << settingsFile
    << ",\"display\":" << display;
  if (!program) {
    o << ",\"running\":false}";
    return o.str();
  }
  o << ",\"running\":true,\"settings\":{";
  bool first = true;
  for (const auto& k : game::kSettingKeys) {
    o << (first ? "" : ",") << jsonString(k.key) << ":"
      << jsonString(program->settings().get(k.key));
    first = false;
  }
  o << "},\"forms\":{";
  first = true;
  for (svc::Form* f : program->runtime().forms()) {
    o << (first ? "" : ",") << jsonString(f->name()) << ":" << formJson(*f);
    first = false;
  }
  o << "}";
  if (game::MenuWindow* menu = program->menu())
    o << ",\"menu\":" << fieldsJson(menu->state.fields())
      << ",\"menuMusic\":" << musicJson(menu->music());
  if (game::Race* race = program->race())
    o << ",\"race\":" << fieldsJson(race->state.fields())
      << ",\"raceMusic\":" << musicJson(race->music());
  o << ",\"sounds\":" << soundsJson(program->extras().sounds());
  o << ",\"records\":{";
  first = true;
  for (const auto& [key, value] : program->settings().records().all()) {
    char number[32];
    std::snprintf(number, sizeof number, "%.3f", value);
    o << (first ? "" : ",") << jsonString(key) << ":" << number;
    first = false;
  }
  const game::RaceRecords::GhostView g = program->extras().records().ghostView();
  o << "},\"ghost\":{\"loaded\":" << (g.loaded ? "true" : "false")
    << ",\"shown\":" << (g.shown ? "true" : "false")
    << ",\"beaten\":" << (program->extras().records().ghostBeaten() ? "true" : "false")
    << ",\"lapMs\":" << g.lapMs << ",\"frames\":" << g.frames << ",\"frame\":" << g.frame
    << ",\"x\":" << g.at.x << ",\"y\":" << g.at.y << ",\"heading\":" << g.at.heading
    << ",\"recording\":" << g.recording << "}";
  o << "}";
  return o.str();
}

}  // namespace driver
