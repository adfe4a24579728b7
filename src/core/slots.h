#pragma once

namespace tickwell {

// A loaded click sound. The sound at list position p has its accent in slot p
// and its normal click in slot p + kNormalSoundOffset.
using SoundSlot = int;
constexpr SoundSlot kNormalSoundOffset = 10;

// A loaded indicator picture.
using ImageSlot = int;
constexpr ImageSlot kSpeakerOnSlot = 0;
constexpr ImageSlot kSpeakerOffSlot = 1;

}  // namespace tickwell
