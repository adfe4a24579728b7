#pragma once

#include <cstddef>
#include <vector>

namespace tickwell::testing {

struct Onset {
  std::size_t frame;  // the click's first sample at or above the threshold
  float peak;         // its loudest sample
};

// Finds every click in a recording: a sample at or above `threshold` with none in the
// `gapFrames` before it starts one.
std::vector<Onset> findOnsets(const std::vector<float>& samples, float threshold, std::size_t gapFrames);

}  // namespace tickwell::testing
