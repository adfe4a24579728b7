#include "assets/wav_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tickwell {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xfffe;
constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kMinFmtSize = 16;
constexpr std::size_t kExtensibleSubformatOffset = 24;
constexpr int kMinRate = 8000;
constexpr int kMaxRate = 192000;

std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
bool idIs(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

struct Format {
  bool isFloat = false;
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

std::optional<Format> parseFormat(std::span<const std::uint8_t> fmt) {
  if (fmt.size() < kMinFmtSize) return std::nullopt;
  std::uint16_t tag = le16(&fmt[0]);
  if (tag == kFormatExtensible) {
    if (fmt.size() < kExtensibleSubformatOffset + 2) return std::nullopt;
    tag = le16(&fmt[kExtensibleSubformatOffset]);  // the subformat GUID starts with the format tag
  }
  Format format;
  format.isFloat = tag == kFormatFloat;
  format.channels = le16(&fmt[2]);
  const std::uint32_t rate = le32(&fmt[4]);
  format.bitsPerSample = le16(&fmt[14]);
  const bool pcmBits = tag == kFormatPcm && (format.bitsPerSample == 8 || format.bitsPerSample == 16 ||
                                             format.bitsPerSample == 24 || format.bitsPerSample == 32);
  const bool floatBits = format.isFloat && format.bitsPerSample == 32;
  if (!pcmBits && !floatBits) return std::nullopt;
  if (format.channels < 1 || format.channels > 2) return std::nullopt;
  if (rate < kMinRate || rate > kMaxRate) return std::nullopt;
  format.sampleRate = static_cast<int>(rate);
  if (le16(&fmt[12]) != format.bytesPerFrame()) return std::nullopt;
  return format;
}

float decodeSample(const std::uint8_t* p, const Format& format) {
  switch (format.bitsPerSample) {
    case 8: return (static_cast<float>(p[0]) - 128.0f) / 128.0f;  // 8-bit WAV is unsigned
    case 16: return static_cast<float>(static_cast<std::int16_t>(le16(p))) / 32768.0f;
    case 24: {
      // Shifted into the top three bytes so that the sign comes out right.
      const std::uint32_t bits = static_cast<std::uint32_t>(p[0]) << 8 | static_cast<std::uint32_t>(p[1]) << 16 |
                                 static_cast<std::uint32_t>(p[2]) << 24;
      return static_cast<float>(static_cast<std::int32_t>(bits)) / 2147483648.0f;
    }
    default: {
      const std::uint32_t bits = le32(p);
      if (!format.isFloat) return static_cast<float>(static_cast<std::int32_t>(bits)) / 2147483648.0f;
      float value = 0;
      std::memcpy(&value, &bits, sizeof value);
      return std::isfinite(value) ? std::clamp(value, -1.0f, 1.0f) : 0.0f;
    }
  }
}

}  // namespace

std::optional<WavSamples> readWav(std::span<const std::uint8_t> file) {
  if (file.size() < kRiffHeaderSize + kChunkHeaderSize) return std::nullopt;
  if (!idIs(&file[0], "RIFF") || !idIs(&file[8], "WAVE") || !idIs(&file[12], "fmt ")) return std::nullopt;

  std::optional<Format> format;
  std::span<const std::uint8_t> data;
  bool dataFound = false;
  // Offsets in 64 bits: a chunk size near 2^32 cannot wrap.
  std::uint64_t at = kRiffHeaderSize;
  while (!dataFound && at + kChunkHeaderSize <= file.size()) {
    const std::uint8_t* header = &file[at];
    const std::uint64_t bodyStart = at + kChunkHeaderSize;
    const std::uint64_t declared = le32(header + 4);
    const std::uint64_t present = std::min<std::uint64_t>(declared, file.size() - bodyStart);
    const auto body = file.subspan(bodyStart, present);
    if (at == kRiffHeaderSize) {
      format = parseFormat(body);
      if (!format) return std::nullopt;
    } else if (idIs(header, "data")) {
      data = body;
      dataFound = true;
    }
    at = bodyStart + declared + (declared & 1);  // chunks are padded to an even size
  }
  if (!dataFound) return std::nullopt;

  const std::size_t frameBytes = static_cast<std::size_t>(format->bytesPerFrame());
  const std::size_t frames = data.size() / frameBytes;
  if (frames == 0) return std::nullopt;
  WavSamples result;
  result.sampleRate = format->sampleRate;
  result.channels = format->channels;
  result.samples.reserve(frames * static_cast<std::size_t>(format->channels));
  const std::size_t sampleBytes = static_cast<std::size_t>(format->bitsPerSample / 8);
  for (std::size_t i = 0; i < frames * static_cast<std::size_t>(format->channels); ++i) {
    result.samples.push_back(decodeSample(&data[i * sampleBytes], *format));
  }
  return result;
}

}  // namespace tickwell
