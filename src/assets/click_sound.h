#pragma once

#include <cstddef>
#include <vector>

namespace tickwell {

// A click in the mixer's format: 32-bit float frames at the output rate, 1 or 2 channels
// interleaved. Never played itself: every click is a Voice of it.
struct ClickSound {
  int channels = 1;
  std::vector<float> samples;

  std::size_t frameCount() const { return samples.size() / static_cast<std::size_t>(channels); }
};

}  // namespace tickwell
