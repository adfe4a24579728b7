#include "core/beat_clock.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "fake_ticks.h"

namespace tickwell {
namespace {

using testing::FakeTicks;

class FakeSettings final : public BeatSettingsSource {
 public:
  BeatSettings beatSettings() const override { return current; }
  BeatSettings current;
};

class BeatClockTest : public ::testing::Test {
 protected:
  void start() { clock.start(ticks.now()); }

  BeatPass passAfter(std::int32_t ms) {
    ticks.advance(ms);
    return clock.pass(settings);
  }

  // Starts, then runs one pass every `step` ms for `passes` passes and collects the clicks.
  std::vector<SoundSlot> clicksEvery(std::int32_t step, int passes) {
    std::vector<SoundSlot> clicks;
    for (int i = 0; i < passes; ++i) {
      if (const auto click = passAfter(i == 0 ? 0 : step).click) clicks.push_back(*click);
    }
    return clicks;
  }

  FakeTicks ticks;
  FakeSettings settings;
  BeatClock clock{ticks};
};

TEST_F(BeatClockTest, StartsStoppedAndStoppedPassesDoNothing) {
  EXPECT_FALSE(clock.isRunning());
  EXPECT_EQ(clock.tempo(), 120);
  EXPECT_EQ(clock.beat(), 0);
  EXPECT_EQ(clock.lastBeatTick(), 0u);
  BeatPass pass = passAfter(10000);
  EXPECT_FALSE(pass.click);
  EXPECT_FALSE(pass.indicator);

  start();
  passAfter(0);
  clock.stop();
  pass = passAfter(10000);
  EXPECT_FALSE(pass.click);
  EXPECT_FALSE(pass.indicator);
}

TEST_F(BeatClockTest, StartingClicksInTheSamePassAndShowsTheSpeakerOn) {
  start();
  EXPECT_TRUE(clock.isRunning());
  const BeatPass pass = passAfter(0);
  EXPECT_EQ(pass.click, 0);
  EXPECT_EQ(pass.indicator, kSpeakerOnSlot);
  EXPECT_EQ(clock.beat(), 1);
  EXPECT_EQ(clock.lastBeatTick(), ticks.now());
}

struct PatternCase {
  const char* name;
  BeatSettings settings;
  std::vector<SoundSlot> clicks;
  std::vector<int> beats;
};

class BeatPatternTest : public BeatClockTest, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(BeatPatternTest, ClicksOnEveryBeatWithTheAccentOnBeatOne) {
  settings.current = GetParam().settings;
  start();
  std::vector<SoundSlot> clicks;
  std::vector<int> beats;
  // Passes every 100 ms at 120 BPM: a click every fifth pass.
  for (int i = 0; i < 21; ++i) {
    if (const auto click = passAfter(i == 0 ? 0 : 100).click) {
      clicks.push_back(*click);
      beats.push_back(clock.beat());
    }
  }
  EXPECT_EQ(clicks, GetParam().clicks);
  EXPECT_EQ(beats, GetParam().beats);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, BeatPatternTest,
    ::testing::Values(
        PatternCase{"AccentInFour", {4, true, 0}, {0, 10, 10, 10, 0}, {1, 2, 3, 4, 1}},
        PatternCase{"NoAccentStillCounts", {4, false, 0}, {10, 10, 10, 10, 10}, {1, 2, 3, 4, 1}},
        PatternCase{"StickClickInFour", {4, true, 1}, {1, 11, 11, 11, 1}, {1, 2, 3, 4, 1}},
        PatternCase{"DinkInThree", {3, true, 2}, {2, 12, 12, 2, 12}, {1, 2, 3, 1, 2}}),
    [](const auto& info) { return info.param.name; });

TEST_F(BeatClockTest, EachBeatIsTimedFromTheMomentThePreviousOneWasNoticed) {
  start();
  passAfter(0);
  EXPECT_FALSE(passAfter(499).click);
  // Noticed 30 ms late: that beat is recorded when noticed, and the next is due 500 ms later.
  EXPECT_TRUE(passAfter(31).click);
  EXPECT_EQ(clock.lastBeatTick(), ticks.now());
  EXPECT_FALSE(passAfter(499).click);
  EXPECT_TRUE(passAfter(1).click);
}

TEST_F(BeatClockTest, AStallOfSeveralIntervalsGivesOneClickAndNoCatchUp) {
  start();
  passAfter(0);
  EXPECT_TRUE(passAfter(2600).click);
  EXPECT_EQ(clock.beat(), 2);
  EXPECT_FALSE(passAfter(0).click);
  EXPECT_FALSE(passAfter(499).click);
  EXPECT_TRUE(passAfter(1).click);
  EXPECT_EQ(clock.beat(), 3);
}

struct BarChangeCase {
  const char* name;
  int barBefore;
  int beatsBefore;
  int barAfter;
  std::vector<int> beatsAfter;
};

class BarChangeTest : public BeatClockTest, public ::testing::WithParamInterface<BarChangeCase> {};

TEST_P(BarChangeTest, TakesEffectAtTheNextBeat) {
  const BarChangeCase& c = GetParam();
  settings.current.beatsPerBar = c.barBefore;
  start();
  clicksEvery(500, c.beatsBefore);
  ASSERT_EQ(clock.beat(), c.beatsBefore);
  settings.current.beatsPerBar = c.barAfter;
  std::vector<int> beats;
  for (std::size_t i = 0; i < c.beatsAfter.size(); ++i) {
    passAfter(500);
    beats.push_back(clock.beat());
  }
  EXPECT_EQ(beats, c.beatsAfter);
}

INSTANTIATE_TEST_SUITE_P(Bars, BarChangeTest,
                         ::testing::Values(BarChangeCase{"ShortenedSixOfSevenToThree", 7, 6, 3, {1, 2, 3, 1}},
                                           BarChangeCase{"LengthenedFourOfFourToSeven", 4, 4, 7, {5, 6, 7, 1}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(BeatClockTest, AccentAndSoundChangesTakeTheNextClick) {
  start();
  EXPECT_EQ(passAfter(0).click, 0);
  settings.current.soundChoice = 2;
  EXPECT_EQ(passAfter(500).click, 12);
  settings.current.accentFirstBeat = false;
  passAfter(500);
  passAfter(500);
  EXPECT_EQ(passAfter(500).click, 12) << "beat 1 without the accent";
  settings.current.accentFirstBeat = true;
  passAfter(500);
  passAfter(500);
  passAfter(500);
  EXPECT_EQ(passAfter(500).click, 2);
}

TEST_F(BeatClockTest, StopThenStartRestartsTheBar) {
  start();
  clicksEvery(500, 3);
  EXPECT_EQ(clock.beat(), 3);
  clock.stop();
  ticks.advance(100);
  start();
  EXPECT_EQ(clock.beat(), 0);
  EXPECT_EQ(passAfter(0).click, 0);
  EXPECT_EQ(clock.beat(), 1);
}

TEST_F(BeatClockTest, RaisingTheTempoGovernsTheBeatInProgress) {
  clock.setTempo(40);
  start();
  passAfter(0);
  EXPECT_FALSE(passAfter(600).click);
  clock.setTempo(250);
  EXPECT_TRUE(passAfter(0).click);
}

struct IntervalCase {
  std::int32_t tempo;
  std::int32_t beat;
  std::int32_t half;
};

class IntervalTest : public BeatClockTest, public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalTest, TruncatesAndPacesTheClicksAndThePicture) {
  const IntervalCase& c = GetParam();
  clock.setTempo(c.tempo);
  EXPECT_EQ(clock.beatInterval(), c.beat);
  EXPECT_EQ(clock.halfInterval(), c.half);

  start();
  EXPECT_EQ(passAfter(0).indicator, kSpeakerOnSlot);
  EXPECT_EQ(passAfter(c.half - 1).indicator, kSpeakerOnSlot);
  EXPECT_EQ(passAfter(1).indicator, kSpeakerOffSlot);
  const BeatPass beforeBeat = passAfter(c.beat - c.half - 1);
  EXPECT_FALSE(beforeBeat.click);
  EXPECT_EQ(beforeBeat.indicator, kSpeakerOffSlot);
  const BeatPass onBeat = passAfter(1);
  EXPECT_TRUE(onBeat.click);
  EXPECT_EQ(onBeat.indicator, kSpeakerOnSlot);
}

INSTANTIATE_TEST_SUITE_P(Tempos, IntervalTest,
                         ::testing::Values(IntervalCase{40, 1500, 750}, IntervalCase{70, 857, 428},
                                           IntervalCase{120, 500, 250}, IntervalCase{140, 428, 214},
                                           IntervalCase{180, 333, 166}, IntervalCase{250, 240, 120}));

TEST_F(BeatClockTest, ElapsedTimeHoldsAcrossTheCounterWrapping) {
  ticks.set(0xFFFFFF00u);
  start();
  EXPECT_TRUE(passAfter(0).click);
  EXPECT_FALSE(passAfter(499).click);  // the counter has wrapped to 0xF3
  EXPECT_LT(ticks.now(), 0xFFFFFF00u);
  EXPECT_TRUE(passAfter(1).click);
}

TEST_F(BeatClockTest, StartingRightAfterTheCounterWrapsStillClicksAtOnce) {
  ticks.set(10);
  start();
  EXPECT_EQ(clock.lastBeatTick(), 10u - 1000000u);
  EXPECT_TRUE(passAfter(0).click);
}

}  // namespace
}  // namespace tickwell
