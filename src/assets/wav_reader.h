#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tickwell {

// The samples of a WAV file as floats in [-1, 1], channels interleaved, at the file's own rate.
struct WavSamples {
  int sampleRate = 0;
  int channels = 0;
  std::vector<float> samples;
};

// Reads a RIFF WAVE file whose first chunk is "fmt ": integer PCM of 8, 16, 24 or 32 bits or
// 32-bit float, 1 or 2 channels, 8 to 192 kHz. Anything else, or no "data" chunk, is refused.
// A "data" chunk longer than the file is cut to the bytes present.
std::optional<WavSamples> readWav(std::span<const std::uint8_t> file);

}  // namespace tickwell
