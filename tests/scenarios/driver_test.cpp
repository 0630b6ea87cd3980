// The driver itself: scripts that go on after the program has ended, stop signals, and dumps
// that stay UTF-8 whatever bytes the settings file holds.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "script_run.h"

namespace {

using testscript::runScriptText;
using testscript::ScriptRun;

// A driver that hangs is killed after this long, so the test fails instead of hanging.
constexpr int kLimitSeconds = 60;

int exitCode(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DriverAfterTheEnd, WaitLetsTheTimePassAtOnce) {
  struct Case {
    const char* name;
    const char* ending;  // ends the program for good, or leaves it unstarted
  };
  const Case cases[] = {
      {"before start", ""},
      {"Konec", "start\nclick ini.Command4\n"},
      {"quit confirmation", "start\nclick menu.cudlik_konec\nwait 1000\nclick menu.konecano\n"},
  };
  for (const Case& c : cases) {
    const ScriptRun run = runScriptText(
        std::string(c.ending) + "dump @ended\nwait 5000\ndump @5s\nwait 250\ndump @5.25s\n",
        kLimitSeconds);
    ASSERT_EQ(exitCode(run.status), 0) << c.name;
    ASSERT_EQ(run.dumps.size(), 3u) << c.name;
    const double ended = run.dump("ended")["ticks"].n;
    EXPECT_FALSE(run.dump("ended")["running"].b) << c.name;
    EXPECT_EQ(run.dump("5s")["ticks"].n, ended + 5000) << c.name;
    EXPECT_EQ(run.dump("5.25s")["ticks"].n, ended + 5250) << c.name;
  }
}

TEST(DriverAfterTheEnd, TheProgramStartsAgainAfterAWait) {
  const ScriptRun run = runScriptText(
      "start\nclick ini.Command4\nwait 2000\nstart\nwait 500\ndump @again\n", kLimitSeconds);
  ASSERT_EQ(exitCode(run.status), 0);
  ASSERT_EQ(run.dumps.size(), 1u);
  EXPECT_TRUE(run.dump("again")["running"].b);
  EXPECT_TRUE(run.dump("again")["forms"]["menu"]["visible"].b);
}

TEST(DriverAfterTheEnd, FramesIsAScriptError) {
  const ScriptRun run =
      runScriptText("start\nclick ini.Command4\nframes 10\ndump\n", kLimitSeconds);
  EXPECT_EQ(exitCode(run.status), 2);
  EXPECT_TRUE(run.dumps.empty());
}

TEST(DriverDumps, LabelsFindADumpAndAFileNameStaysAFile) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("drovanta-dump-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  // Removed however the test ends.
  const std::unique_ptr<const std::filesystem::path, void (*)(const std::filesystem::path*)>
      cleanup(&dir, [](const std::filesystem::path* d) { std::filesystem::remove_all(*d); });
  const std::string plain = (dir / "plain.json").string(), named = (dir / "named.json").string();
  const ScriptRun run = runScriptText(
      "dump @before\nstart\ndump\ndump " + plain + "\ndump @to-file " + named + "\ndump @menu\n",
      kLimitSeconds);
  ASSERT_EQ(exitCode(run.status), 0);
  ASSERT_EQ(run.dumps.size(), 3u);  // two of the five went to files
  EXPECT_FALSE(run.dump("before")["running"].b);
  EXPECT_TRUE(run.dump("menu")["running"].b);
  EXPECT_FALSE(run.dumps[1].has("label"));
  std::string text;
  std::getline(std::ifstream(plain), text);
  EXPECT_EQ(text.rfind("{\"relaunches\":", 0), 0u) << text;
  std::getline(std::ifstream(named), text);
  EXPECT_EQ(text.rfind("{\"label\":\"to-file\",", 0), 0u) << text;
  // A label that is not there, or is there twice, fails the lookup rather than a later check.
  EXPECT_THROW(run.dump("to-file"), std::runtime_error);
  EXPECT_THROW(run.dump("nowhere"), std::runtime_error);
  const ScriptRun twice = runScriptText("dump @x\ndump @x\n", kLimitSeconds);
  EXPECT_THROW(twice.dump("x"), std::runtime_error);
  // A bare @ is a script error.
  EXPECT_EQ(exitCode(runScriptText("dump @\n", kLimitSeconds).status), 2);
}

// The driver as a child process whose standard output the test reads.
struct Child {
  pid_t pid = -1;
  FILE* out = nullptr;
  std::string scriptPath;

  explicit Child(const std::string& script) {
    char path[] = "/tmp/drovanta-script-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return;
    close(fd);
    scriptPath = path;
    std::ofstream(path) << script;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(pipeFds[1], STDOUT_FILENO);
      close(pipeFds[0]);
      close(pipeFds[1]);
      std::freopen("/dev/null", "w", stderr);
      execl(DROVANTA_DRIVER, DROVANTA_DRIVER, path, static_cast<char*>(nullptr));
      _exit(127);
    }
    close(pipeFds[1]);
    out = fdopen(pipeFds[0], "r");
  }
  ~Child() {
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    if (out) std::fclose(out);
    if (!scriptPath.empty()) std::remove(scriptPath.c_str());
  }
  // The next line of its output ("" at the end).
  std::string line() {
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF && c != '\n';) text += char(c);
    return text;
  }
  // Its wait status once it has ended within the time given, or -1.
  int endedWithin(std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    do {
      int status = 0;
      if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return status;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() < until);
    return -1;
  }
};

TEST(DriverSignals, TermAndIntEndTheRunPromptly) {
  struct Case {
    const char* name;
    int signal;
    const char* script;  // dumps once it is under way, then runs for a long time
  };
  const Case cases[] = {
      {"SIGTERM in the menu", SIGTERM, "start\ndump\nwait 2000000000\n"},
      {"SIGINT in the menu", SIGINT, "start\ndump\nwait 2000000000\n"},
      {"SIGTERM on the real clock", SIGTERM, "realtime\nstart\ndump\nwait 600000\n"},
      {"SIGTERM after the end", SIGTERM,
       "start\nclick ini.Command4\ndump\nstart\ndump\nwait 2000000000\n"},
  };
  for (const Case& c : cases) {
    Child child(c.script);
    ASSERT_GT(child.pid, 0) << c.name;
    std::string line;
    do line = child.line();
    while (!line.empty() && line.find("\"running\":true") == std::string::npos);
    ASSERT_FALSE(line.empty()) << c.name << ": the game did not start";
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    kill(child.pid, c.signal);
    const int status = child.endedWithin(std::chrono::seconds(5));
    ASSERT_NE(status, -1) << c.name << ": still running 5 s after the signal";
    EXPECT_EQ(exitCode(status), 128 + c.signal) << c.name;
  }
}

// Whether text is well-formed UTF-8 (no stray, cut-off, overlong or surrogate sequences).
bool wellFormed(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t n = lead < 0x80                    ? 1
                    : lead >= 0xC2 && lead <= 0xDF ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > text.size()) return false;
    unsigned cp = n == 1 ? lead : lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const unsigned char b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = cp << 6 | (b & 0x3F);
    }
    const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

TEST(DriverDumps, StayUtf8WhateverBytesTheSettingsFileHolds) {
  const std::string bad[] = {
      "\xE8",              // a Windows-1250 letter
      "\x80",              // a stray continuation byte
      "\xC3",              // cut off
      "\xC0\xAF",          // overlong
      "\xED\xA0\x80",      // a surrogate
      "\xF4\x90\x80\x80",  // past U+10FFFF
  };
  std::string script;
  for (const std::string& b : bad) {
    script += "setting hrac Čen" + b + "k\ndump\nstart\ndump\nclick ini.Command4\n";
  }
  const ScriptRun run = runScriptText(script, kLimitSeconds);
  ASSERT_EQ(exitCode(run.status), 0);
  EXPECT_TRUE(wellFormed(run.output));
  ASSERT_EQ(run.dumps.size(), 2 * std::size(bad));
  const std::string replaced = "\xEF\xBF\xBD";
  for (std::size_t i = 0; i < run.dumps.size(); ++i) {
    const std::string file = run.dumps[i]["settingsFile"].s;
    EXPECT_NE(file.find("hrac=Čen" + replaced), std::string::npos) << i << ": " << file;
    if (i % 2) {
      const std::string name = run.dumps[i]["settings"]["hrac"].s;
      EXPECT_EQ(name.rfind("Čen" + replaced, 0), 0u) << i << ": " << name;
      EXPECT_EQ(name.back(), 'k') << i << ": " << name;
    }
  }
}

}  // namespace
