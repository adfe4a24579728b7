#include "click_onsets.h"

#include <algorithm>
#include <cmath>

namespace tickwell::testing {

std::vector<Onset> findOnsets(const std::vector<float>& samples, float threshold, std::size_t gapFrames) {
  std::vector<Onset> onsets;
  bool heardAny = false;
  std::size_t lastLoud = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const float level = std::abs(samples[i]);
    if (level < threshold) continue;
    if (!heardAny || i - lastLoud > gapFrames) onsets.push_back({i, 0.0f});
    onsets.back().peak = std::max(onsets.back().peak, level);
    heardAny = true;
    lastLoud = i;
  }
  return onsets;
}

}  // namespace tickwell::testing
