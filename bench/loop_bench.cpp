// The cost of one pass of the main loop: idle (poll plus a stopped clock), and the running clock alone.
// Prints medians over repetitions; figures for the README, not assertions.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/program.h"
#include "core/beat_clock.h"
#include "core/steady_tick_counter.h"

namespace {

using namespace tickwell;

void BM_IdleLoopPass(benchmark::State& state) {
  const SteadyTickCounter ticks;
  Program program(ticks, [](const QUrl&) {}, [](Mixer&) { return std::unique_ptr<AudioStream>(); });
  for (auto _ : state) program.runPass();
  program.shutdown();
}
BENCHMARK(BM_IdleLoopPass)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_RunningLoopPass(benchmark::State& state) {
  const SteadyTickCounter ticks;
  Program program(ticks, [](const QUrl&) {}, [](Mixer&) { return std::unique_ptr<AudioStream>(); });
  program.clock().start(ticks.now());
  for (auto _ : state) program.runPass();  // shows the indicator picture on every pass
  program.shutdown();
}
BENCHMARK(BM_RunningLoopPass)->Repetitions(9)->ReportAggregatesOnly(true);

class FixedSettings final : public BeatSettingsSource {
 public:
  BeatSettings beatSettings() const override { return {}; }
};

void BM_RunningClockPass(benchmark::State& state) {
  const SteadyTickCounter ticks;
  const FixedSettings settings;
  BeatClock clock(ticks);
  clock.setTempo(250);
  clock.start(ticks.now());
  for (auto _ : state) benchmark::DoNotOptimize(clock.pass(settings));
}
BENCHMARK(BM_RunningClockPass)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
