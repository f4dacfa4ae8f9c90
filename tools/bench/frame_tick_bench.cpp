// Full-load logic ticks per second: every table full, the playfield's picture recorded but not
// painted (painting happens only when a frame is shown).
#include <benchmark/benchmark.h>

#include <iostream>

#include "platform/headless/headless_platform.h"
#include "shooter/core/frame_loop.h"
#include "shooter/frontend/form.h"
#include "tests/full_load.h"

namespace {

// Arguments: main gun kind, side gun kind, special weapon kind.
void FullLoadTick(benchmark::State& state) {
  using namespace kv;
  auto images = shooter::LoadImageSet(KV_PROGRAM_DIR, shooter::kMainGame);
  auto platform = headless::HeadlessPlatform::Create();
  if (!images.ok() || !platform.ok()) {
    state.SkipWithError("pictures or fonts missing: build the program folder first");
    return;
  }
  Random rng(1);
  shooter::ShooterSettings s;
  s.programDir = KV_PROGRAM_DIR;
  s.dataDir = KV_PROGRAM_DIR;  // the shipped custom.cfg
  s.detailOption = 2;
  s.muted = [] { return true; };
  shooter::Shooter g(*platform.value(), rng, shooter::kMainGame, images.value(), s);
  shooter::Form_Initialize(g);
  shooter::Form_Load(g);
  g.skipTitleToPlay = true;
  platform.value()->RunUntil(2600);
  g.tmOneFrame->SetEnabled(false);
  g.st.Equip[0] = static_cast<kv::i16>(state.range(0));
  g.st.Equip[1] = static_cast<kv::i16>(state.range(1));
  g.st.Equip[2] = static_cast<kv::i16>(state.range(2));
  g.st.FrameCount = 2000;  // between the script's keys
  g.st.MainGunLevel = 10;
  g.st.SideGunLevel = 5;
  std::int64_t ticks = 0;
  for (auto _ : state) {
    // Refill what the rules freed, so that every tick runs at full load.
    if (ticks % 8 == 0) {
      state.PauseTiming();
      testing::FillEveryTable(g);
      state.ResumeTiming();
    }
    shooter::tmOneFrame_Timer(g);
    ++ticks;
  }
  state.SetItemsProcessed(ticks);
  state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}

BENCHMARK(FullLoadTick)
    ->Args({0, 0, 0})
    ->Args({1, 1, 1})
    ->Args({2, 2, 3})
    ->Args({3, 3, 0})
    ->Args({4, 2, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
