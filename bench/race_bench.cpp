// Whole race frames and race starts, run on the built program folder's real tracks and pictures
// with the in-memory clock, input, screen and sound: what a frame costs the processor beyond
// waiting, and what a race start costs. A 640 × 480 memcpy runs beside them as the baseline.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "program/program.h"
#include "services/errors.h"
#include "services/platform.h"
#include "services/sdl_pictures.h"
#include "services/sdl_system.h"
#include "services/sdl_text.h"

namespace {

// The program folder: DROVANTA_FOLDER when set, else the build's own.
std::string programFolder() {
  const char* env = std::getenv("DROVANTA_FOLDER");
  return env ? env : DROVANTA_PROGRAM_FOLDER;
}

class QuietInput : public svc::InputSource {
 public:
  explicit QuietInput(svc::VirtualClock& clock) : clock_(clock) {}
  void poll(std::deque<svc::InputEvent>&) override {}
  void waitForInput(std::uint32_t until, bool hasDeadline) override {
    clock_.waitUntil(hasDeadline ? until : clock_.ticks() + 100);
  }

 private:
  svc::VirtualClock& clock_;
};

// Leaves the game's frame loop from inside it.
struct Stop {};

// A program on in-memory services but the real picture decoder and fonts.
struct BenchGame {
  explicit BenchGame(const std::string& trasa) : text(folder + "/fonts") {
    static svc::SdlSystem sdl(true);
    svc::Services s{folder, &clock, &input, &presenter, &audio, &pictures, &text};
    program = std::make_unique<game::Program>(s);
    program->start();
    game::MenuWindow& menu = *program->menu();
    menu.setSelection("typ", trasa == "Okruh" ? "Vyuka" : "Závody");
    menu.setSelection("auto", "Viper GTS");
    menu.setSelection("barva", "Červená");
    menu.setSelection("Obtiznost", "Lehká");
    menu.setSelection("trasa", trasa);
  }
  // Starts the race; onFrame runs at every frame start and ends the race by throwing Stop.
  void race(std::function<void()> onFrame) {
    program->runtime().onFrame = std::move(onFrame);
    try {
      program->menu()->startRace();
    } catch (const Stop&) {
    }
  }

  std::string folder = programFolder();
  svc::VirtualClock clock{0};
  QuietInput input{clock};
  svc::NullPresenter presenter;
  svc::NullAudio audio;
  svc::SdlPictureLoader pictures;
  svc::SdlTextRenderer text;
  std::unique_ptr<game::Program> program;
};

// One iteration is one whole frame from frame start to frame start: event processing, the view,
// the rules and the opponent, and the race window composed into its image, as the screen gets
// it. The first 300 frames (start lights and launch) run untimed, then the opponent drives. With
// `ghost`, a lap's ghost is drawn half seen through beside the player's car from then on.
void raceFrames(benchmark::State& state, const char* trasa, bool ghost = false) {
  BenchGame g(trasa);
  int warmup = 300;
  g.race([&] {
    game::Race& race = *g.program->race();
    benchmark::DoNotOptimize(race.form().image());
    if (warmup > 0) {
      if (--warmup == 0 && ghost) {
        const game::RaceState& s = race.state;
        game::GhostLap lap;
        lap.lapMs = 60000;
        for (int i = 0; i < 100000; ++i)
          lap.frames.push_back({float(s.ViewLeft + s.CarScreenX + 60),
                                float(s.ViewTop + s.CarScreenY + 10), float(i % 360), 5});
        g.program->extras().records().playGhost(std::move(lap));
      }
      return;
    }
    if (!state.KeepRunning()) throw Stop{};
  });
}
void BM_VillageFrame(benchmark::State& state) {
  raceFrames(state, "Vesnice");
}
void BM_VillageFrameWithGhost(benchmark::State& state) {
  raceFrames(state, "Vesnice", true);
}
BENCHMARK(BM_VillageFrameWithGhost)->Unit(benchmark::kMicrosecond)->MinTime(3);
void BM_CityFrame(benchmark::State& state) {
  raceFrames(state, "Město");
}
BENCHMARK(BM_VillageFrame)->Unit(benchmark::kMicrosecond)->MinTime(3);
BENCHMARK(BM_CityFrame)->Unit(benchmark::kMicrosecond)->MinTime(3);

// The race window's load up to its first frame: the set-up and the start procedure with every
// picture decoded and the overlay baked into the map.
void raceStart(benchmark::State& state, const char* trasa) {
  for (auto _ : state) {
    state.PauseTiming();
    auto g = std::make_unique<BenchGame>(trasa);
    state.ResumeTiming();
    g->race([] { throw Stop{}; });
    state.PauseTiming();
    g.reset();
    state.ResumeTiming();
  }
}
void BM_VillageStart(benchmark::State& state) {
  raceStart(state, "Vesnice");
}
void BM_CityStart(benchmark::State& state) {
  raceStart(state, "Město");
}
BENCHMARK(BM_VillageStart)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_CityStart)->Unit(benchmark::kMillisecond)->Iterations(10);

// The baseline: one memcpy of the 640 × 480 view's bytes.
void BM_ViewMemcpy(benchmark::State& state) {
  const std::size_t n = 640 * 480 * 4;
  std::vector<char> from(n, 1), to(n);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), n);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ViewMemcpy)->Unit(benchmark::kMicrosecond);

}  // namespace
