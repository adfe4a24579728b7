// Plays the metronome through the real beat clock, ClickBank and audio output, with no window,
// in the same never-sleeping loop as the program, and logs each click's request time.
// Usage: click_timing_driver BPM SECONDS LEAD_IN_SECONDS REQUEST_LOG   (run from the repository root)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "assets/click_bank.h"
#include "assets/steady_nanoseconds.h"
#include "core/beat_clock.h"
#include "core/steady_tick_counter.h"

namespace {

using namespace tickwell;

class FourFourWithAccent final : public BeatSettingsSource {
 public:
  BeatSettings beatSettings() const override { return {4, true, 0}; }
};

void spinFor(double seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < until) {
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: click_timing_driver BPM SECONDS LEAD_IN_SECONDS REQUEST_LOG\n");
    return 2;
  }
  const int bpm = std::atoi(argv[1]);
  const double seconds = std::atof(argv[2]);
  const double leadIn = std::atof(argv[3]);

  ClickBank clicks;
  if (!clicks.openAudioOutput()) {
    std::fprintf(stderr, "click_timing_driver: no audio output\n");
    return 1;
  }
  clicks.loadClick(0, "data/metroon.wav");
  clicks.loadClick(10, "data/metrooff.wav");
  spinFor(leadIn);  // lets the output settle before the first click

  const SteadyTickCounter ticks;
  const FourFourWithAccent settings;
  BeatClock clock(ticks);
  clock.setTempo(bpm);
  std::vector<std::int64_t> requests;
  requests.reserve(4096);
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  clock.start(ticks.now());
  while (std::chrono::steady_clock::now() < end) {
    const BeatPass pass = clock.pass(settings);
    if (pass.click) {
      requests.push_back(steadyNanoseconds());
      clicks.playClick(*pass.click);
    }
  }
  spinFor(1.0);  // the last click rings out
  std::printf("late voices %llu of %zu  ", static_cast<unsigned long long>(clicks.mixer().lateVoices()),
              requests.size());
  std::fflush(stdout);
  clicks.releaseAllClicks();

  std::ofstream log(argv[4]);
  for (const std::int64_t at : requests) log << at << '\n';
  return 0;
}
