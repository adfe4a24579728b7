#include "wav_fixtures.h"

#include <cmath>

namespace tickwell::testing {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putChunk(std::vector<std::uint8_t>& out, const std::string& id, const std::vector<std::uint8_t>& body,
              std::optional<std::uint32_t> declared = std::nullopt) {
  out.insert(out.end(), id.begin(), id.end());
  put(out, declared.value_or(static_cast<std::uint32_t>(body.size())), 4);
  out.insert(out.end(), body.begin(), body.end());
  if (body.size() % 2 == 1) out.push_back(0);
}

}  // namespace

std::vector<std::uint8_t> WavBuilder::build() const {
  std::vector<std::uint8_t> fmt;
  put(fmt, extensible ? 0xfffe : formatTag, 2);
  put(fmt, channels, 2);
  put(fmt, sampleRate, 4);
  const std::uint16_t align = blockAlign.value_or(static_cast<std::uint16_t>(channels * bitsPerSample / 8));
  put(fmt, sampleRate * align, 4);
  put(fmt, align, 2);
  put(fmt, bitsPerSample, 2);
  if (extensible) {
    put(fmt, 22, 2);
    put(fmt, bitsPerSample, 2);
    put(fmt, 0, 4);
    put(fmt, formatTag, 2);
    for (int i = 0; i < 14; ++i) fmt.push_back(0x11);  // the rest of the subformat GUID
  }
  std::vector<std::uint8_t> body = {'W', 'A', 'V', 'E'};
  for (const auto& [id, chunk] : chunksBeforeFmt) putChunk(body, id, chunk);
  putChunk(body, "fmt ", fmt);
  for (const auto& [id, chunk] : chunksBeforeData) putChunk(body, id, chunk);
  if (withData) putChunk(body, "data", sampleBytes, declaredDataSize);
  std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F'};
  put(file, static_cast<std::uint32_t>(body.size()), 4);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

std::vector<std::uint8_t> pcm16Wav(const std::vector<float>& samples, std::uint32_t rate) {
  WavBuilder wav;
  wav.sampleRate = rate;
  for (const float v : samples) {
    put(wav.sampleBytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32768.0f))), 2);
  }
  return wav.build();
}

std::vector<std::uint8_t> constantWav(std::size_t frames, float value) {
  return pcm16Wav(std::vector<float>(frames, value));
}

}  // namespace tickwell::testing
