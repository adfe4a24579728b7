// libFuzzer target: any bytes given to the WAV reader end in samples or a refusal, never a
// crash, a hang or a read outside the input; accepted samples convert to the mixer's format.
#include <cstdint>
#include <span>

#include "assets/mixer_format.h"
#include "assets/wav_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto wav = tickwell::readWav(std::span<const std::uint8_t>(data, size));
  if (wav) {
    if (wav->samples.size() % static_cast<std::size_t>(wav->channels) != 0) __builtin_trap();
    tickwell::toMixerFormat(*wav);
  }
  return 0;
}
