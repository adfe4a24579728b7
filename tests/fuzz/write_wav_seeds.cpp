// Writes small WAV files of every accepted format, and some odd ones, as the fuzzer's seed corpus.
#include <cstdio>
#include <fstream>
#include <string>

#include "wav_fixtures.h"

namespace {

void save(const std::string& folder, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(folder + "/" + name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_wav_seeds FOLDER\n");
    return 2;
  }
  using tickwell::testing::WavBuilder;
  const std::string folder = argv[1];
  struct Seed {
    const char* name;
    std::uint16_t tag, bits, channels;
    std::uint32_t rate;
    bool extensible;
  };
  for (const Seed& seed : {Seed{"pcm8.wav", 1, 8, 1, 8000, false}, Seed{"pcm16.wav", 1, 16, 2, 44100, false},
                           Seed{"pcm24.wav", 1, 24, 1, 96000, false}, Seed{"pcm32.wav", 1, 32, 2, 48000, false},
                           Seed{"float.wav", 3, 32, 1, 22050, false}, Seed{"extensible.wav", 1, 16, 2, 48000, true}}) {
    WavBuilder wav;
    wav.formatTag = seed.tag;
    wav.bitsPerSample = seed.bits;
    wav.channels = seed.channels;
    wav.sampleRate = seed.rate;
    wav.extensible = seed.extensible;
    wav.sampleBytes.assign(static_cast<std::size_t>(seed.bits / 8 * seed.channels * 16), 0x40);
    wav.chunksBeforeData = {{"LIST", {'I', 'N', 'F', 'O', 1}}};
    save(folder, seed.name, wav.build());
  }
  return 0;
}
