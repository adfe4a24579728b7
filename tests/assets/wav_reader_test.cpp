#include "assets/wav_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "assets/mixer_format.h"
#include "wav_fixtures.h"

namespace tickwell {
namespace {

using testing::WavBuilder;

std::vector<std::uint8_t> littleEndian(const std::vector<std::uint32_t>& values, int bytes) {
  std::vector<std::uint8_t> out;
  for (const std::uint32_t v : values) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  return out;
}

std::uint32_t floatBits(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

struct FormatCase {
  const char* name;
  WavBuilder wav;
  int channels;
  std::vector<float> samples;
};

WavBuilder withSamples(std::uint16_t tag, std::uint16_t bits, std::vector<std::uint8_t> bytes, std::uint16_t channels = 1,
                       bool extensible = false) {
  WavBuilder wav;
  wav.formatTag = tag;
  wav.bitsPerSample = bits;
  wav.channels = channels;
  wav.extensible = extensible;
  wav.sampleBytes = std::move(bytes);
  return wav;
}

class WavFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(WavFormatTest, DecodesEachAcceptedFormatToFloats) {
  const FormatCase& c = GetParam();
  const auto result = readWav(c.wav.build());
  ASSERT_TRUE(result);
  EXPECT_EQ(result->sampleRate, 48000);
  EXPECT_EQ(result->channels, c.channels);
  ASSERT_EQ(result->samples.size(), c.samples.size());
  for (std::size_t i = 0; i < c.samples.size(); ++i) EXPECT_FLOAT_EQ(result->samples[i], c.samples[i]) << i;
}

const float kNan = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Formats, WavFormatTest,
    ::testing::Values(
        FormatCase{"Pcm8Unsigned", withSamples(1, 8, {128, 192, 64, 255, 0}), 1, {0, 0.5f, -0.5f, 127 / 128.0f, -1}},
        FormatCase{"Pcm16", withSamples(1, 16, littleEndian({0, 16384, 0xc000, 32767, 0x8000}, 2)), 1,
                   {0, 0.5f, -0.5f, 32767 / 32768.0f, -1}},
        FormatCase{"Pcm24", withSamples(1, 24, littleEndian({0, 0x400000, 0xc00000, 0x800000}, 3)), 1,
                   {0, 0.5f, -0.5f, -1}},
        FormatCase{"Pcm32", withSamples(1, 32, littleEndian({0, 0x40000000, 0xc0000000, 0x80000000}, 4)), 1,
                   {0, 0.5f, -0.5f, -1}},
        FormatCase{"Float32ClampedAndNanSilenced",
                   withSamples(3, 32, littleEndian({floatBits(0.25f), floatBits(-0.5f), floatBits(1.5f), floatBits(kNan)}, 4)),
                   1, {0.25f, -0.5f, 1, 0}},
        FormatCase{"Stereo16", withSamples(1, 16, littleEndian({16384, 0xc000, 0, 8192}, 2), 2), 2,
                   {0.5f, -0.5f, 0, 0.25f}},
        FormatCase{"Extensible16", withSamples(1, 16, littleEndian({16384, 0xc000}, 2), 1, true), 1, {0.5f, -0.5f}},
        FormatCase{"ExtensibleFloat", withSamples(3, 32, littleEndian({floatBits(0.75f)}, 4), 1, true), 1, {0.75f}}),
    [](const auto& info) { return info.param.name; });

WavBuilder sixteenBit(std::size_t frames = 4) {
  WavBuilder wav;
  wav.sampleBytes.assign(frames * 2, 0x10);
  return wav;
}

struct FileCase {
  const char* name;
  std::vector<std::uint8_t> file;
  std::optional<std::size_t> frames;  // nothing: refused
};

class WavFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(WavFileTest, AcceptsOrRefusesTheFileAsAWhole) {
  const FileCase& c = GetParam();
  const auto result = readWav(c.file);
  ASSERT_EQ(result.has_value(), c.frames.has_value());
  if (result) {
    EXPECT_EQ(result->samples.size(), *c.frames);
  }
}

std::vector<std::uint8_t> build(WavBuilder wav) { return wav.build(); }
std::vector<std::uint8_t> replaced(std::vector<std::uint8_t> file, std::size_t at, const char* with) {
  std::copy(with, with + 4, file.begin() + static_cast<std::ptrdiff_t>(at));
  return file;
}
std::vector<std::uint8_t> cut(std::vector<std::uint8_t> file, std::size_t size) {
  file.resize(size);
  return file;
}

WavBuilder tweak(WavBuilder wav, auto change) {
  change(wav);
  return wav;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WavFileTest,
    ::testing::Values(
        FileCase{"WellFormed", build(sixteenBit()), 4},
        FileCase{"Empty", {}, std::nullopt},
        FileCase{"ShorterThanAHeader", cut(build(sixteenBit()), 19), std::nullopt},
        FileCase{"NotRiff", replaced(build(sixteenBit()), 0, "RIFX"), std::nullopt},
        FileCase{"NotWave", replaced(build(sixteenBit()), 8, "AVI "), std::nullopt},
        FileCase{"FmtNotFirst", build(tweak(sixteenBit(), [](WavBuilder& w) { w.chunksBeforeFmt = {{"LIST", {1, 2, 3, 4}}}; })),
                 std::nullopt},
        FileCase{"NoData", build(tweak(sixteenBit(), [](WavBuilder& w) { w.withData = false; })), std::nullopt},
        FileCase{"ZeroLengthData", build(WavBuilder{}), std::nullopt},
        FileCase{"DataCutShort", cut(build(sixteenBit(100)), 44 + 50), 25},
        FileCase{"DataDeclaredHuge", build(tweak(sixteenBit(8), [](WavBuilder& w) { w.declaredDataSize = 0xfffffff0u; })), 8},
        FileCase{"OddChunkBeforeData",
                 build(tweak(sixteenBit(), [](WavBuilder& w) { w.chunksBeforeData = {{"junk", {1, 2, 3}}}; })), 4},
        FileCase{"ChunkBeforeDataWithAbsurdSize",
                 cut(replaced(build(tweak(sixteenBit(), [](WavBuilder& w) { w.chunksBeforeData = {{"junk", {1, 2, 3, 4}}}; })),
                              40, "\xff\xff\xff\xff"),
                     60),
                 std::nullopt},
        FileCase{"HalfAFrameOnly", build(tweak(sixteenBit(), [](WavBuilder& w) { w.sampleBytes = {1}; })), std::nullopt},
        FileCase{"Adpcm", build(tweak(sixteenBit(), [](WavBuilder& w) { w.formatTag = 2; })), std::nullopt},
        FileCase{"ThreeChannels",
                 build(tweak(sixteenBit(6), [](WavBuilder& w) { w.channels = 3; })), std::nullopt},
        FileCase{"RateTooLow", build(tweak(sixteenBit(), [](WavBuilder& w) { w.sampleRate = 4000; })), std::nullopt},
        FileCase{"RateTooHigh", build(tweak(sixteenBit(), [](WavBuilder& w) { w.sampleRate = 384000; })), std::nullopt},
        FileCase{"TwelveBits", build(tweak(sixteenBit(), [](WavBuilder& w) { w.bitsPerSample = 12; })), std::nullopt},
        FileCase{"Float64", build(tweak(sixteenBit(), [](WavBuilder& w) { w.formatTag = 3; w.bitsPerSample = 64; })),
                 std::nullopt},
        FileCase{"BlockAlignWrong", build(tweak(sixteenBit(), [](WavBuilder& w) { w.blockAlign = 7; })), std::nullopt},
        FileCase{"FmtTooShort", replaced(build(sixteenBit()), 16, "\x0e\x00\x00\x00"), std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(MixerFormatTest, ConvertsOtherRatesToTheOutputRateKeepingThePitch) {
  WavSamples wav{44100, 1, {}};
  for (int i = 0; i < 44100; ++i) wav.samples.push_back(0.5f * std::sin(2 * 3.14159265f * 441.0f * i / 44100.0f));
  const auto sound = toMixerFormat(wav);
  ASSERT_TRUE(sound);
  EXPECT_NEAR(static_cast<double>(sound->frameCount()), 48000, 2);
  int upwardCrossings = 0;
  for (std::size_t i = 1; i < sound->samples.size(); ++i) {
    if (sound->samples[i - 1] < 0 && sound->samples[i] >= 0) ++upwardCrossings;
  }
  EXPECT_NEAR(upwardCrossings, 441, 2);
}

TEST(MixerFormatTest, KeepsOutputRateSoundsAsTheyAreAndRefusesOverlongOnes) {
  const WavSamples same{48000, 2, {0.1f, 0.2f, 0.3f, 0.4f}};
  const auto sound = toMixerFormat(same);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->samples, same.samples);
  const WavSamples tooLong{8000, 1, std::vector<float>(8000 * 11, 0.1f)};
  EXPECT_FALSE(toMixerFormat(tooLong));
}

}  // namespace
}  // namespace tickwell
