#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/regular_file.h"
#include "assets/wav_reader.h"

namespace tickwell {
namespace {

struct Measured {
  int sampleRate = 0;
  int channels = 0;
  std::size_t frames = 0;
  float peak = 0;
  std::size_t peakAt = 0;
  float brightness = 0;  // energy of the first difference over energy of the signal: more for higher pitches
};

Measured measure(const std::string& file) {
  const auto bytes = readRegularFile(std::string(TICKWELL_SOURCE_DIR) + "/data/" + file, 1 << 20);
  EXPECT_TRUE(bytes) << file;
  const auto wav = readWav(*bytes);
  EXPECT_TRUE(wav) << file;
  Measured m{wav->sampleRate, wav->channels, wav->samples.size()};
  double energy = 0, differenceEnergy = 0;
  for (std::size_t i = 0; i < wav->samples.size(); ++i) {
    const float v = wav->samples[i];
    if (std::abs(v) > m.peak) {
      m.peak = std::abs(v);
      m.peakAt = i;
    }
    energy += v * v;
    if (i > 0) differenceEnergy += std::pow(v - wav->samples[i - 1], 2);
  }
  m.brightness = static_cast<float>(differenceEnergy / energy);
  return m;
}

struct Pair {
  const char* accent;
  const char* normal;
};

class ShippedSoundsTest : public ::testing::TestWithParam<Pair> {};

TEST_P(ShippedSoundsTest, AreSharpShortUnclippedAndTheAccentStandsOut) {
  const Measured accent = measure(GetParam().accent);
  const Measured normal = measure(GetParam().normal);
  for (const Measured& m : {accent, normal}) {
    EXPECT_EQ(m.sampleRate, 48000);
    EXPECT_EQ(m.channels, 1);
    EXPECT_LE(m.frames, 240u * 48) << "a click ends before the next at 250 beats a minute";
    EXPECT_LT(m.peakAt, 2u * 48) << "the peak comes within 2 ms";
    EXPECT_LT(m.peak, 0.95f) << "no clipping";
  }
  EXPECT_GT(accent.peak, normal.peak * 1.4f) << "the accent is louder";
  EXPECT_GT(accent.brightness, normal.brightness * 1.2f) << "and brighter";
}

INSTANTIATE_TEST_SUITE_P(Sounds, ShippedSoundsTest,
                         ::testing::Values(Pair{"metroon.wav", "metrooff.wav"}, Pair{"stickon.wav", "stickoff.wav"},
                                           Pair{"dingon.wav", "dingoff.wav"}));

TEST(ShippedSoundsStartTest, HaveNoLeadingSilence) {
  for (const char* file : {"metroon.wav", "metrooff.wav", "stickon.wav", "stickoff.wav", "dingon.wav", "dingoff.wav"}) {
    const auto bytes = readRegularFile(std::string(TICKWELL_SOURCE_DIR) + "/data/" + file, 1 << 20);
    ASSERT_TRUE(bytes);
    const auto wav = readWav(*bytes);
    ASSERT_TRUE(wav);
    const auto loudestEarly = std::max_element(wav->samples.begin(), wav->samples.begin() + 5,
                                             [](float a, float b) { return std::abs(a) < std::abs(b); });
    EXPECT_GT(std::abs(*loudestEarly), 0.05f) << file << ": sound within the first 5 samples";
  }
}

}  // namespace
}  // namespace tickwell
