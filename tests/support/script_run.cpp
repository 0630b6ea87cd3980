#include "script_run.h"

#include <array>
#include <cstdio>
#include <sstream>

namespace testscript {

ScriptRun runScript(const std::string& name) {
  const std::string command =
      std::string(DROVANTA_DRIVER) + " " + SCENARIO_DIR + "/" + name + " 2>/dev/null";
  ScriptRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::string out;
  std::array<char, 65536> buf;
  while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) out.append(buf.data(), n);
  run.status = pclose(pipe);
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty() && line[0] == '{') run.dumps.push_back(testjson::parse(line));
  return run;
}

}  // namespace testscript
