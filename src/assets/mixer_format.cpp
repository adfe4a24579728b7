#include "assets/mixer_format.h"

#include <samplerate.h>

#include <cmath>

namespace tickwell {

std::optional<ClickSound> toMixerFormat(const WavSamples& wav) {
  if (wav.channels < 1 || wav.sampleRate <= 0) return std::nullopt;
  const auto channels = static_cast<std::size_t>(wav.channels);
  const std::size_t inputFrames = wav.samples.size() / channels;
  const double ratio = static_cast<double>(kOutputRate) / wav.sampleRate;
  const double outputFrames = std::ceil(static_cast<double>(inputFrames) * ratio);
  if (inputFrames == 0 || outputFrames > kMaxSoundSeconds * kOutputRate) return std::nullopt;

  ClickSound sound;
  sound.channels = wav.channels;
  if (wav.sampleRate == kOutputRate) {
    sound.samples = wav.samples;
    return sound;
  }
  sound.samples.resize(static_cast<std::size_t>(outputFrames) * channels);
  SRC_DATA conversion{};
  conversion.data_in = wav.samples.data();
  conversion.input_frames = static_cast<long>(inputFrames);
  conversion.data_out = sound.samples.data();
  conversion.output_frames = static_cast<long>(outputFrames);
  conversion.src_ratio = ratio;
  if (src_simple(&conversion, SRC_SINC_MEDIUM_QUALITY, wav.channels) != 0 || conversion.output_frames_gen <= 0) {
    return std::nullopt;
  }
  sound.samples.resize(static_cast<std::size_t>(conversion.output_frames_gen) * channels);
  return sound;
}

}  // namespace tickwell
