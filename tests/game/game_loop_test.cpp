// The frame loop: pacing, pausing, dispatch by track family, restarts and the exit sequence.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "race/race_setup.h"

namespace {

using testing_support::FakeGame;

// 1000 / 23 frames a second: each one-second window holds 43 or 44 frame starts.
bool isPacedRate(const std::string& caption) {
  return caption == "Fps : 43" || caption == "Fps : 44";
}

// Records which per-frame procedures ran, in order.
void recordProcedures(game::Race& race, std::vector<std::string>& log) {
  auto rec = [&log](const char* name) { return [&log, name] { log.push_back(name); }; };
  auto& p = race.procedures;
  p.VillageView = rec("VillageView");
  p.VillageRules = rec("VillageRules");
  p.VillageOpponent = rec("VillageOpponent");
  p.CityView = rec("CityView");
  p.CityRules = rec("CityRules");
  p.CityOpponent = rec("CityOpponent");
  p.CircuitView = rec("CircuitView");
  p.CircuitRules = rec("CircuitRules");
}

// Runs a race until `frames` frames have started, calling act at each event point.
struct RaceRun {
  FakeGame g;
  std::vector<std::string> log;
  // True at the first event point of a frame (before its procedures) in the call to act.
  bool frameStart = false;
  explicit RaceRun(std::uint32_t startTick = 0) : g(startTick) {
    g.start();
    // A free ride: no opponent, so a frame runs the view and the rules only.
    g.program->menu()->setSelection("typ", "Volná jízda");
  }

  svc::ProgramEnd run(const std::string& trasa, std::uint32_t frames,
                      std::function<void(game::Race&)> act = {}) {
    bool hooked = false;
    std::size_t procedures = 0;
    g.input.onPoll = [&, frames, act](std::deque<svc::InputEvent>&) {
      game::Race* race = g.program->race();
      if (!race) return;
      if (!hooked) {
        recordProcedures(*race, log);
        hooked = true;
      }
      // After a live frame's procedures the log has grown; before the next frame's it has not.
      frameStart = log.size() == procedures;
      procedures = log.size();
      if (act) act(*race);
      if (race->state.TotalFrames >= frames) race->state.Running = false;
    };
    return g.race(trasa);
  }
};

TEST(FrameLoop, PacesFramesAtTheIntervalPlusOneMillisecond) {
  RaceRun r(1000);
  r.run("Vesnice", 431);
  const game::RaceState& s = r.g.program->race()->state;
  EXPECT_EQ(s.TotalFrames, 431u);
  // The first frame runs at once; each later one when the counter is strictly past
  // start + 22: 430 intervals of 23 ms.
  EXPECT_EQ(r.g.clock.ticks() - 1000, 430u * 23u);
  EXPECT_TRUE(isPacedRate(r.g.program->race()->form().label("Label8").caption()));
}

TEST(FrameLoop, KeepsItsRateAcrossTheCounterSignBoundaryAndWrapAround) {
  const std::uint32_t starts[] = {1000u, 0x7FFFFF00u, 0xFFFFFF00u, 0xFFFFFFFFu};
  for (std::uint32_t start : starts) {
    RaceRun r(start);
    r.run("Vesnice", 100);
    EXPECT_EQ(r.g.clock.ticks() - start, 99u * 23u) << std::hex << start;
    EXPECT_EQ(r.log.size(), 200u) << std::hex << start;  // view and rules every frame
  }
}

TEST(FrameLoop, DispatchesTheProceduresOfTheTrackFamily) {
  struct Case {
    const char* trasa;
    bool ai;
    std::vector<std::string> frame;
  };
  const Case cases[] = {
      {"Vesnice", false, {"VillageView", "VillageRules"}},
      {"Vesnice", true, {"VillageView", "VillageRules", "VillageOpponent"}},
      {"Město", true, {"CityView", "CityRules", "CityOpponent"}},
      {"Okruh", true, {"CircuitView", "CircuitRules"}},
      {"Parkoviště", false, {"CircuitView", "CircuitRules"}},
  };
  for (const Case& c : cases) {
    RaceRun r;
    r.run(c.trasa, 2, [&](game::Race& race) { race.state.AIOn = c.ai; });
    std::vector<std::string> twice = c.frame;
    twice.insert(twice.end(), c.frame.begin(), c.frame.end());
    EXPECT_EQ(r.log, twice) << c.trasa << " ai " << c.ai;
  }
}

TEST(FrameLoop, PausedFramesAreCountedWithoutRunningProcedures) {
  RaceRun r;
  r.run("Vesnice", 200, [](game::Race& race) {
    if (race.state.TotalFrames == 10) race.state.Paused = true;
  });
  game::Race& race = *r.g.program->race();
  EXPECT_GE(race.state.TotalFrames, 200u);
  EXPECT_EQ(r.log.size(), 2u * 10u);
  // The rate shown while paused is the paced rate.
  EXPECT_TRUE(isPacedRate(race.form().label("Label8").caption()));
}

TEST(FrameLoop, LeaveButtonFinishesTheFrameThenSavesAndRelaunches) {
  RaceRun r;
  bool clicked = false;
  std::size_t proceduresBefore = 0;
  const svc::ProgramEnd end = r.run("Vesnice", 1000, [&](game::Race& race) {
    if (race.state.TotalFrames == 5 && r.frameStart && !clicked) {
      // The click arrives at the first event point of frame 6.
      clicked = true;
      proceduresBefore = r.log.size();
      race.form().image("ok").mouse.click();
    }
  });
  EXPECT_TRUE(end.relaunch);
  game::Race& race = *r.g.program->race();
  // The frame in which the click was handled still ran its procedures once.
  EXPECT_EQ(race.state.TotalFrames, 6u);
  EXPECT_EQ(r.log.size(), proceduresBefore + 2);
  EXPECT_FALSE(r.g.program->race()->form().picture("cesta(3)").surface().hasPicture());
  std::ifstream file(r.g.folder + "/Data/snow.ini");
  std::stringstream text;
  text << file.rdbuf();
  EXPECT_NE(text.str().find("rez1=false"), std::string::npos) << text.str();
  EXPECT_FALSE(r.g.program->settings().form().loaded());
}

TEST(FrameLoop, RestartInsideTheEventsBeginsANewLoopBeforeTheNextFrame) {
  RaceRun r;
  bool restarted = false;
  std::size_t logAtRestart = 0;
  r.run("Vesnice", 20, [&](game::Race& race) {
    if (race.state.TotalFrames == 5 && r.frameStart && !restarted) {
      restarted = true;
      race.state.Paused = true;  // a restart always resumes
      logAtRestart = r.log.size();
      game::StartVillage(race);
    }
  });
  game::Race& race = *r.g.program->race();
  EXPECT_FALSE(race.state.Paused);
  // The interrupted frame (the sixth) did not go on: it was neither counted nor drawn, and
  // every frame of the new loop ran both procedures.
  EXPECT_EQ(logAtRestart, 10u);
  EXPECT_EQ(race.state.TotalFrames, 20u);
  EXPECT_EQ(r.log.size(), 2u * race.state.TotalFrames);
}

}  // namespace
