#pragma once

namespace tickwell {

// Every control's fixed number, which is also its order of creation.
enum ControlId : int {
  TempoFrame = 0,
  TempoDisplay = 1,
  TempoSlider = 2,
  OptionsFrame = 3,
  AccentCheck = 4,
  BeatsLabel = 5,
  BeatsList = 6,
  SoundLabel = 7,
  SoundList = 8,
  StartStopButton = 9,
  MinusTenButton = 10,
  MinusFiveButton = 11,
  PlusFiveButton = 12,
  PlusTenButton = 13,
  BeatIndicator = 14,
  WebsiteLink = 15,
};

inline constexpr int kControlCount = 16;

}  // namespace tickwell
