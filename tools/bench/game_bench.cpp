// Whole frames of play and the whole start-up, headless and unpaced, through the simulator.
#include <benchmark/benchmark.h>

#include "app/startup.h"
#include "game/assets.h"
#include "game/enemies.h"
#include "game/game_frame.h"
#include "game/game_state.h"
#include "game/world.h"
#include "tools/sim/simulator.h"

namespace {

bool GameUp = false;

void EnsureGameUp() {
    if (!GameUp) GameUp = StartSimulator();
}

// From the title, as a player would: the world at its start, then the segment key.
void StartPlayAt(const char* segmentKey) {
    EnsureGameUp();
    GameState = GameStateTitle;
    HeroHealth = 100;
    WorldReset();
    RunPasses(1, {KeyCodeNamed(segmentKey)});
    RunPasses(10);
}

// The hero stands still; his health is kept up so that every pass stays a frame of play.
void PlayFrames(benchmark::State& state, const char* segmentKey) {
    StartPlayAt(segmentKey);
    if (!GameUp || GameState != GameStatePlay) {
        state.SkipWithError("the game did not start");
        return;
    }
    for (auto _ : state) {
        HeroHealth = 100;
        benchmark::DoNotOptimize(GameFrame());
    }
}

void GameFrameAtTheStart(benchmark::State& state) { PlayFrames(state, "F1"); }
void GameFrameInSegment3(benchmark::State& state) { PlayFrames(state, "F3"); }
void GameFrameInSegment4(benchmark::State& state) { PlayFrames(state, "F4"); }
BENCHMARK(GameFrameAtTheStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(GameFrameInSegment3)->Unit(benchmark::kMicrosecond);
BENCHMARK(GameFrameInSegment4)->Unit(benchmark::kMicrosecond);

// The enemies' share of a frame: every group and boss moved, tested and drawn.
void EnemyPassInSegment3(benchmark::State& state) {
    StartPlayAt("F3");
    for (auto _ : state) {
        HeroHealth = 100;
        RunEnemyPass();
    }
}
BENCHMARK(EnemyPassInSegment3)->Unit(benchmark::kMicrosecond);

// Every file loaded and every object made; the devices are released between runs.
void WholeStartUp(benchmark::State& state) {
    for (auto _ : state) {
        if (GameUp) {
            state.PauseTiming();
            ReleaseDevices();
            state.ResumeTiming();
        }
        GameUp = StartSimulator();
        if (!GameUp) {
            state.SkipWithError(SimulatorError());
            return;
        }
    }
}
BENCHMARK(WholeStartUp)->Unit(benchmark::kMillisecond);

}  // namespace
