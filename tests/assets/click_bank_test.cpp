#include "assets/click_bank.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "assets/mixer_format.h"
#include "detached_output.h"
#include "temp_dir.h"
#include "wav_fixtures.h"

namespace tickwell {
namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::size_t kBuffer = 256;
constexpr std::int64_t kLatencyFrames = ClickBank::kLatencyNs * kOutputRate / 1'000'000'000;

// A ClickBank on an output with no device: the test plays the audio callback itself, with
// callback times it chooses, and keeps everything the mixer produced.
class ClickBankTest : public ::testing::Test {
 protected:
  ClickBankTest() { EXPECT_TRUE(bank.openAudioOutput()); }

  std::string wav(const std::string& name, const std::vector<std::uint8_t>& bytes) { return dir.write(name, bytes); }
  void load(SoundSlot slot, std::size_t frames, float value) {
    ASSERT_TRUE(bank.loadClick(slot, wav("s" + std::to_string(slot) + ".wav", testing::constantWav(frames, value))));
  }

  // One callback, `lateNs` after its buffer's ideal time.
  void renderBuffer(std::int64_t lateNs = 0, std::size_t frames = kBuffer) {
    const std::int64_t start = bank.mixer().framesRendered();
    std::vector<float> out(frames * 2);
    bank.mixer().render(out.data(), frames, start * 1'000'000'000 / kOutputRate + lateNs);
    for (std::size_t i = 0; i < frames; ++i) {
      EXPECT_EQ(out[2 * i], out[2 * i + 1]) << "mono is centred";
      left.push_back(out[2 * i]);
    }
  }
  void renderUntil(std::int64_t frame) {
    while (bank.mixer().framesRendered() < frame) renderBuffer();
  }
  std::int64_t firstSoundingFrame() const {
    for (std::size_t i = 0; i < left.size(); ++i) {
      if (left[i] != 0.0f) return static_cast<std::int64_t>(i);
    }
    return -1;
  }
  std::size_t soundingFrames() const {
    return static_cast<std::size_t>(std::count_if(left.begin(), left.end(), [](float v) { return v != 0.0f; }));
  }

  testing::TempDir dir;
  std::int64_t now = 0;
  ClickBank bank{testing::openDetachedOutput, [this] { return now; }};
  std::vector<float> left;
};

TEST_F(ClickBankTest, AVoiceStartsOnTheFrameOfItsRequestPlusTheLatency) {
  load(0, 100, 0.5f);
  renderUntil(4 * kBuffer);
  now = 10 * kMs;
  bank.playClick(0);
  renderUntil(20000);
  EXPECT_EQ(firstSoundingFrame(), 480 + kLatencyFrames);
  EXPECT_EQ(left[static_cast<std::size_t>(480 + kLatencyFrames)], 0.5f);
  EXPECT_EQ(bank.mixer().lateVoices(), 0u);
  EXPECT_EQ(soundingFrames(), 100u) << "once, to its end";
}

TEST_F(ClickBankTest, LateCallbacksMoveTheLatencyButNotTheClicks) {
  load(0, 50, 0.5f);
  renderBuffer();  // one callback on time is enough to fix the clock mapping
  std::vector<std::int64_t> starts;
  for (int click = 0; click < 8; ++click) {
    now = (100 + 500 * click) * kMs;
    bank.playClick(0);
    const std::size_t before = left.size();
    // Callbacks up to 4 ms late, in a pattern that does not line up with the clicks.
    for (int i = 0; bank.mixer().framesRendered() < (now + 300 * kMs) * kOutputRate / 1'000'000'000; ++i) {
      renderBuffer((i * 7 + click * 3) % 5 * kMs);
    }
    for (std::size_t i = before; i < left.size(); ++i) {
      if (left[i] != 0.0f) {
        starts.push_back(static_cast<std::int64_t>(i));
        break;
      }
    }
  }
  ASSERT_EQ(starts.size(), 8u);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_EQ(starts[i], (100 + 500 * static_cast<std::int64_t>(i)) * 48 + kLatencyFrames) << "click " << i;
  }
}

TEST_F(ClickBankTest, OverlappingVoicesSumAndEachPlaysToItsEnd) {
  load(11, 1000, 0.25f);
  renderBuffer();
  now = 0;
  bank.playClick(11);
  now = 1 * kMs;
  bank.playClick(11);
  renderUntil(5000);
  const auto first = static_cast<std::size_t>(kLatencyFrames);
  EXPECT_EQ(left[first], 0.25f);
  EXPECT_EQ(left[first + 48], 0.5f);
  EXPECT_EQ(left[first + 999], 0.5f);
  EXPECT_EQ(left[first + 1000], 0.25f);
  EXPECT_EQ(soundingFrames(), 1048u);
}

TEST_F(ClickBankTest, AVoiceAskedForTooLateStartsAtOnce) {
  load(0, 10, 0.5f);
  renderUntil(48000);  // a second of output
  now = 500 * kMs;     // its place, 530 ms, has long passed
  bank.playClick(0);
  const std::int64_t nextBuffer = bank.mixer().framesRendered();
  renderBuffer();
  EXPECT_EQ(firstSoundingFrame(), nextBuffer);
  EXPECT_EQ(bank.mixer().lateVoices(), 1u);
}

TEST_F(ClickBankTest, FinishedVoicesAreReclaimedAtTheSlotsNextClick) {
  load(12, 100, 0.5f);
  renderBuffer();
  bank.playClick(12);
  renderUntil(10000);
  EXPECT_EQ(bank.voiceCount(12), 1u) << "finished, but kept until the next click";
  bank.playClick(12);
  EXPECT_EQ(bank.voiceCount(12), 1u);
}

TEST_F(ClickBankTest, AnHourAt250BpmKeepsOnlyTheVoicesStillSoundingOrJustFinished) {
  load(1, 400 * 48, 0.1f);  // 400 ms: each click still rings when the next starts
  renderBuffer();
  const std::int64_t beatNs = 240 * kMs;
  std::size_t most = 0;
  for (int beat = 0; beat < 3600 * 250 / 60; ++beat) {
    now = beat * beatNs;
    bank.playClick(1);
    most = std::max(most, bank.voiceCount(1));
    const std::int64_t until = (now + beatNs) * kOutputRate / 1'000'000'000;
    while (bank.mixer().framesRendered() < until) {
      std::vector<float> out(4096 * 2);
      bank.mixer().render(out.data(), 4096, bank.mixer().framesRendered() * 1'000'000'000 / kOutputRate);
    }
  }
  EXPECT_LE(most, 3u);
}

TEST_F(ClickBankTest, ReloadingASlotSilencesItsVoicesAndAFailedLoadKeepsTheOldSound) {
  load(0, 5000, 0.5f);
  renderBuffer();
  bank.playClick(0);
  renderUntil(kLatencyFrames + 100);
  EXPECT_FALSE(bank.loadClick(0, (dir.path() / "missing.wav").string()));
  EXPECT_TRUE(bank.hasSound(0));
  EXPECT_EQ(bank.voiceCount(0), 1u) << "a failed load changes nothing";

  load(0, 100, 0.25f);
  EXPECT_EQ(bank.voiceCount(0), 0u);
  const std::size_t before = left.size();
  renderBuffer();
  EXPECT_TRUE(std::all_of(left.begin() + static_cast<std::ptrdiff_t>(before), left.end(), [](float v) { return v == 0; }))
      << "the old sound stops at once";
  now = 1000 * kMs;
  bank.playClick(0);
  renderUntil(80000);
  EXPECT_EQ(left.back(), 0.0f);
  EXPECT_EQ(*std::max_element(left.begin() + static_cast<std::ptrdiff_t>(before), left.end()), 0.25f);
}

TEST_F(ClickBankTest, EmptySlotsAndSlotsOutOfRangeAreSilent) {
  const std::string click = wav("x.wav", testing::constantWav(10, 0.5f));
  for (const SoundSlot outside : {-1, ClickBank::kSlotCount, 100}) EXPECT_FALSE(bank.loadClick(outside, click));
  for (const SoundSlot slot : {0, 5, -1, 13, 100}) {
    bank.playClick(slot);
    EXPECT_EQ(bank.voiceCount(slot), 0u);
  }
  renderUntil(10000);
  EXPECT_EQ(soundingFrames(), 0u);
}

TEST_F(ClickBankTest, BrokenFilesLeaveTheSlotEmpty) {
  std::filesystem::create_directory(dir.path() / "folder.wav");
  for (const std::string& path :
       {(dir.path() / "missing.wav").string(), (dir.path() / "folder.wav").string(), dir.write("text.wav", "RIFF....WAVEfmt ")}) {
    EXPECT_FALSE(bank.loadClick(2, path)) << path;
  }
  EXPECT_FALSE(bank.hasSound(2));
}

TEST_F(ClickBankTest, ReleaseSilencesEverythingAndClosesTheOutput) {
  load(0, 100000, 0.5f);
  load(10, 100000, 0.5f);
  renderBuffer();
  bank.playClick(0);
  bank.playClick(10);
  bank.releaseAllClicks();
  EXPECT_FALSE(bank.isOpen());
  EXPECT_FALSE(bank.hasSound(0));
  EXPECT_FALSE(bank.hasSound(10));
  EXPECT_EQ(bank.voiceCount(0), 0u);
  EXPECT_FALSE(bank.loadClick(0, wav("again.wav", testing::constantWav(10, 0.5f))));
}

TEST(ClickBankWithoutOutputTest, LoadsNothingAndPlaysSilently) {
  testing::TempDir dir;
  ClickBank bank([](Mixer&) { return std::unique_ptr<AudioStream>(); }, [] { return std::int64_t{0}; });
  EXPECT_FALSE(bank.openAudioOutput());
  EXPECT_FALSE(bank.loadClick(0, dir.write("a.wav", testing::constantWav(10, 0.5f))));
  bank.playClick(0);
  EXPECT_EQ(bank.voiceCount(0), 0u);
}

}  // namespace
}  // namespace tickwell
