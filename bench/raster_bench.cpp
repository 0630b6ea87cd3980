// Costs of the raster work of a race frame and a story fade, each beside a plain memcpy of the
// same number of bytes in the same run, so the figures read as ratios on any machine.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "services/blend.h"
#include "services/rotate.h"
#include "services/surface.h"

namespace {

using svc::Colour;
using svc::Rop;
using svc::Surface;

// Deterministic busy pixels (never the key), so no operation can take a shortcut on flat colour.
Surface noise(int w, int h, std::uint32_t seed) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      s.setPixel(x, y, (seed >> 8) & 0x00FEFFFFu);  // top byte clear, never magenta
    }
  return s;
}

// A car-sized sprite: a body on a magenta background, as the car pictures are.
Surface carSprite() {
  Surface s = noise(61, 31, 7);
  for (int y = 0; y < 31; ++y)
    for (int x = 0; x < 61; ++x)
      if (y < 3 || y > 27 || x < 2 || x > 58) s.setPixel(x, y, svc::kMagenta);
  return s;
}

constexpr std::int64_t kViewBytes = 640 * 480 * 4;
constexpr std::int64_t kMaskPairBytes = 2 * 125 * 85 * 4;  // two passes over the dial
constexpr std::int64_t kSpriteBytes = 61 * 31 * 4;
constexpr int kPoints = 1024;
constexpr std::int64_t kPointBytes = kPoints * 4;
constexpr std::int64_t kBlendBytes = 198 * 276 * 4;

// The baseline: one memcpy of the given number of bytes between two buffers.
void BM_Memcpy(benchmark::State& state) {
  const size_t n = size_t(state.range(0));
  std::vector<char> from(n, 1), to(n);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), n);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(n));
}
BENCHMARK(BM_Memcpy)
    ->Arg(kViewBytes)
    ->Arg(kMaskPairBytes)
    ->Arg(kSpriteBytes)
    ->Arg(kPointBytes)
    ->Arg(kBlendBytes);

// The background of every frame: the 640 × 480 view window out of the 2000 × 2000 track.
void BM_ViewCopy(benchmark::State& state) {
  const Surface track = noise(2000, 2000, 1);
  Surface view(640, 480);
  for (auto _ : state) {
    svc::bitBlt(view, 0, 0, 640, 480, track, 300, 1521, Rop::Copy);
    benchmark::DoNotOptimize(view.row(0));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kViewBytes);
}
BENCHMARK(BM_ViewCopy);

// A mask pair the size of the dial (125 × 85): the mask with AND, then the image with OR.
void BM_MaskPair(benchmark::State& state) {
  const Surface mask = noise(125, 85, 2), image = noise(125, 85, 3);
  Surface view = noise(640, 480, 4);
  for (auto _ : state) {
    svc::bitBlt(view, 515, 390, 125, 85, mask, 0, 0, Rop::And);
    svc::bitBlt(view, 515, 390, 125, 85, image, 0, 0, Rop::Or);
    benchmark::DoNotOptimize(view.row(390));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kMaskPairBytes);
}
BENCHMARK(BM_MaskPair);

// A car sprite rotated into the view; arguments: angle in degrees, flag.
void BM_RotateCar(benchmark::State& state) {
  const Surface car = carSprite();
  Surface view = noise(640, 480, 5);
  const double angle = double(state.range(0));
  const int flag = int(state.range(1));
  for (auto _ : state) {
    svc::foxRotate(view, 320, 390, car, svc::kMagenta, angle, flag);
    benchmark::DoNotOptimize(view.row(390));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kSpriteBytes);
}
BENCHMARK(BM_RotateCar)->ArgsProduct({{0, 30, 45, 90}, {0, 1}});

// Mask reads at scattered points of a 400 × 400 mask, kPoints per iteration.
void BM_Point(benchmark::State& state) {
  const Surface mask = noise(400, 400, 6);
  std::vector<float> xs(kPoints), ys(kPoints);
  std::uint32_t seed = 11;
  for (int i = 0; i < kPoints; ++i) {
    seed = seed * 1664525u + 1013904223u;
    xs[i] = float(seed % 40000) / 100.0f;
    ys[i] = float((seed >> 16) % 40000) / 100.0f;
  }
  for (auto _ : state) {
    Colour sum = 0;
    for (int i = 0; i < kPoints; ++i) sum += mask.point(xs[i], ys[i]);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kPoints);
  state.SetBytesProcessed(state.iterations() * kPointBytes);
}
BENCHMARK(BM_Point);

// One step of a story fade: a 198 × 276 picture blended at half strength.
void BM_Blend(benchmark::State& state) {
  const Surface picture = noise(198, 276, 8);
  Surface screen = noise(640, 480, 9);
  for (auto _ : state) {
    svc::foxAlphaBlend(screen, 221, 102, 198, 276, picture, 0, 0, 128, svc::kMagenta, 0);
    benchmark::DoNotOptimize(screen.row(102));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * kBlendBytes);
}
BENCHMARK(BM_Blend);

}  // namespace
