// Finds the clicks in a recording and prints one line of figures per take: their spacing, and,
// given the request times the driver logged, how much the request-to-sound latency varies.
// (Its mean cannot be read here: the null sink's monitor hands the recorder audio from before
// the recorder started.)
// Usage: click_timing_analysis TAKE.wav [REQUEST_LOG]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "assets/regular_file.h"
#include "assets/wav_reader.h"
#include "click_onsets.h"

namespace {

struct Stats {
  double mean = 0, std = 0, min = 0, max = 0;
};

Stats statsOf(const std::vector<double>& values) {
  Stats s;
  if (values.empty()) return s;
  s.mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  for (const double v : values) s.std += (v - s.mean) * (v - s.mean);
  s.std = std::sqrt(s.std / static_cast<double>(values.size()));
  s.min = *std::min_element(values.begin(), values.end());
  s.max = *std::max_element(values.begin(), values.end());
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: click_timing_analysis TAKE.wav [REQUEST_LOG]\n");
    return 2;
  }
  const auto bytes = tickwell::readRegularFile(argv[1], 1 << 30);
  const auto take = bytes ? tickwell::readWav(*bytes) : std::nullopt;
  if (!take || take->channels != 1) {
    std::fprintf(stderr, "click_timing_analysis: %s is no mono WAV recording\n", argv[1]);
    return 1;
  }
  const double rate = take->sampleRate;
  const auto onsets = tickwell::testing::findOnsets(take->samples, 0.05f, static_cast<std::size_t>(rate / 50));

  std::vector<double> intervals;
  for (std::size_t i = 1; i < onsets.size(); ++i) intervals.push_back((onsets[i].frame - onsets[i - 1].frame) * 1000.0 / rate);
  const Stats interval = statsOf(intervals);
  double nominal = interval.mean;
  if (!intervals.empty()) {
    std::vector<double> sorted = intervals;
    std::sort(sorted.begin(), sorted.end());
    nominal = sorted[sorted.size() / 2];
  }
  double maxDeviation = 0;
  int dropouts = 0;
  for (const double v : intervals) {
    maxDeviation = std::max(maxDeviation, std::abs(v - nominal));
    if (v > nominal * 1.5) ++dropouts;  // a missing click, or a gap in the output
  }
  std::printf("clicks %zu  interval mean %.3f ms  std %.3f ms  max deviation %.3f ms  dropouts %d", onsets.size(),
              interval.mean, interval.std, maxDeviation, dropouts);

  if (argc > 2) {
    std::ifstream log(argv[2]);
    std::vector<double> requestsNs;
    for (double at = 0; log >> at;) requestsNs.push_back(at);
    // Latency up to a constant: the time a click is heard, less its request time.
    std::vector<double> latencies;
    for (std::size_t i = 0; i < std::min(requestsNs.size(), onsets.size()); ++i) {
      latencies.push_back((onsets[i].frame * 1e9 / rate - (requestsNs[i] - requestsNs[0])) / 1e6);
    }
    const Stats latency = statsOf(latencies);
    std::printf("  requests %zu  latency peak-to-peak %.3f ms", requestsNs.size(), latency.max - latency.min);
  }
  std::printf("\n");
  return 0;
}
