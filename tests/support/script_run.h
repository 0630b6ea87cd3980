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
};

// name: a file of tests/scenarios.
ScriptRun runScript(const std::string& name);

// A script written by the test itself (for long runs with repeated dumps).
ScriptRun runScriptText(const std::string& text);

// A settings value of a dump.
inline std::string setting(const testjson::Value& dump, const char* key) {
  return dump["settings"][key].s;
}

}  // namespace testscript
