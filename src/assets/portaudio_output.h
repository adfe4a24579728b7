#pragma once

#include <chrono>

#include "assets/audio_stream.h"

namespace tickwell {

inline constexpr unsigned long kOutputBufferFrames = 256;
// A sound server that never answers must not freeze start-up: past this, there is no output.
inline constexpr std::chrono::milliseconds kOutputOpenTimeout{3000};

// The system's default output through PortAudio: stereo 32-bit float at the mixer's rate.
std::unique_ptr<AudioStream> openPortAudioOutput(Mixer& mixer);

}  // namespace tickwell
