#pragma once

#include <optional>

#include "assets/click_sound.h"
#include "assets/wav_reader.h"

namespace tickwell {

// The output's fixed rate; every sound is converted to it when loaded.
inline constexpr int kOutputRate = 48000;
// The longest sound the output takes. Clicks last a fraction of a second; this bounds the memory
// a hostile file can claim.
inline constexpr double kMaxSoundSeconds = 10.0;

// Converts a file's samples to the mixer's format, through libsamplerate when the rates differ.
// Nothing when the sound is too long or conversion fails.
std::optional<ClickSound> toMixerFormat(const WavSamples& wav);

}  // namespace tickwell
