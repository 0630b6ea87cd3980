// Runs a driver script of tests/scenarios through the real drovanta-driver and collects the
// JSON dumps it writes to standard output.
#pragma once
#include <string>
#include <vector>

#include "json.h"

namespace testscript {

struct ScriptRun {
  int status = -1;  // as from pclose: 0 when the driver exited with 0
  std::vector<testjson::Value> dumps;
  std::string output;  // everything the driver wrote to standard output

  // The dump the script wrote with `dump @label`. Throws, naming the label and the labels there
  // are, when no dump or more than one has it, so the test fails at the lookup, not at a stray
  // check further on.
  const testjson::Value& dump(const std::string& label) const;
};

// name: a file of tests/scenarios.
ScriptRun runScript(const std::string& name);

// A script written by the test itself (for long runs with repeated dumps). With limitSeconds the
// driver is killed after that many seconds of real time, so a hang fails the test.
ScriptRun runScriptText(const std::string& text, int limitSeconds = 0);

// A settings value of a dump.
inline std::string setting(const testjson::Value& dump, const char* key) {
  return dump["settings"][key].s;
}

}  // namespace testscript
