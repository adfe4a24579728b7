#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tickwell::testing {

// Builds a RIFF WAVE file chunk by chunk, well-formed unless told otherwise.
struct WavBuilder {
  std::uint16_t formatTag = 1;
  std::uint16_t channels = 1;
  std::uint32_t sampleRate = 48000;
  std::uint16_t bitsPerSample = 16;
  bool extensible = false;
  std::optional<std::uint16_t> blockAlign;  // default: channels * bits / 8
  std::vector<std::uint8_t> sampleBytes;
  std::optional<std::uint32_t> declaredDataSize;
  bool withData = true;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> chunksBeforeFmt;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> chunksBeforeData;

  std::vector<std::uint8_t> build() const;
};

// 16-bit mono samples at 48 kHz, each given as a value in [-1, 1).
std::vector<std::uint8_t> pcm16Wav(const std::vector<float>& samples, std::uint32_t rate = 48000);

// `frames` frames of one constant value, 16-bit mono at 48 kHz.
std::vector<std::uint8_t> constantWav(std::size_t frames, float value);

}  // namespace tickwell::testing
