#include "script_run.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testscript {

namespace {

ScriptRun runFile(const std::string& path, int limitSeconds = 0) {
  const std::string limit =
      limitSeconds > 0 ? "timeout -s KILL " + std::to_string(limitSeconds) + " " : "";
  const std::string command = limit + std::string(DROVANTA_DRIVER) + " " + path + " 2>/dev/null";
  ScriptRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string out;
  std::array<char, 65536> buf;
  while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
  run.status = pclose(pipe);
  run.output = out;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '{') run.dumps.push_back(testjson::parse(line));
  return run;
}

}  // namespace

const testjson::Value& ScriptRun::dump(const std::string& label) const {
  const testjson::Value* found = nullptr;
  std::string labels;
  for (const testjson::Value& d : dumps) {
    if (!d.has("label")) continue;
    const std::string& name = d["label"].s;
    labels += (labels.empty() ? "" : ", ") + name;
    if (name != label) continue;
    if (found) throw std::runtime_error("more than one dump labelled '" + label + "'");
    found = &d;
  }
  if (!found)
    throw std::runtime_error("no dump labelled '" + label + "' among " +
                             std::to_string(dumps.size()) +
                             " dumps (labels: " + (labels.empty() ? "none" : labels) +
                             "; driver status " + std::to_string(status) + ")");
  return *found;
}

ScriptRun runScript(const std::string& name) {
  std::string path = SCENARIO_DIR;  // built up in steps: GCC 12 warns wrongly on a + b + c here
  path += '/';
  path += name;
  return runFile(path);
}

ScriptRun runScriptText(const std::string& text, int limitSeconds) {
  char path[] = "/tmp/drovanta-script-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return {};
  close(fd);
  std::ofstream(path) << text;
  ScriptRun run = runFile(path, limitSeconds);
  std::remove(path);
  return run;
}

}  // namespace testscript
