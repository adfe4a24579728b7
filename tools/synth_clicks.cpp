// Synthesises the six click sounds into data/: 48 kHz, 16-bit, mono WAV.
// Usage: synth_clicks REPOSITORY_ROOT
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr double kPi = 3.14159265358979323846;
constexpr double kAccentPeak = 0.89;
constexpr double kNormalPeak = 0.56;

// A decaying sine: one resonance of the struck body.
struct Mode {
  double hz;
  double amplitude;
  double decayMs;
};

struct Click {
  const char* file;
  double lengthMs;
  double noiseAmplitude;  // the strike itself: a burst of noise
  double noiseDecayMs;
  std::vector<Mode> modes;
  double peak;
};

// Deterministic noise, so the files come out the same on every run.
double noise(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return static_cast<double>(state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
}

std::vector<double> synthesise(const Click& click) {
  const int frames = static_cast<int>(click.lengthMs * kRate / 1000.0);
  const int fadeFrames = kRate / 200;  // the last 5 ms fall to silence, so the end makes no click
  std::vector<double> out(static_cast<std::size_t>(frames));
  std::uint32_t state = 12345;
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double value = click.noiseAmplitude * noise(state) * std::exp(-t * 1000.0 / click.noiseDecayMs);
    for (const Mode& mode : click.modes) {
      value += mode.amplitude * std::sin(2 * kPi * mode.hz * t) * std::exp(-t * 1000.0 / mode.decayMs);
    }
    const int left = frames - i;
    if (left < fadeFrames) value *= static_cast<double>(left) / fadeFrames;
    out[static_cast<std::size_t>(i)] = value;
  }
  double top = 0;
  for (const double v : out) top = std::max(top, std::abs(v));
  for (double& v : out) v *= click.peak / top;
  return out;
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i) & 0xff));
}

bool writeWav(const std::string& path, const std::vector<double>& samples) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  putLe(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  putLe(out, 16, 4);
  putLe(out, 1, 2);  // integer PCM
  putLe(out, 1, 2);  // mono
  putLe(out, kRate, 4);
  putLe(out, kRate * 2, 4);
  putLe(out, 2, 2);
  putLe(out, 16, 2);
  out.write("data", 4);
  putLe(out, dataBytes, 4);
  for (const double v : samples) {
    putLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767.0))), 2);
  }
  return static_cast<bool>(out);
}

// The accent of each sound is louder and brighter than its normal beat.
const Click kClicks[] = {
    // Real Metronome: the dry tick of a wooden pendulum metronome.
    {"metroon.wav", 60, 0.9, 1.2, {{2100, 0.8, 9}, {3600, 0.6, 6}, {5400, 0.5, 4}}, kAccentPeak},
    {"metrooff.wav", 60, 0.6, 1.2, {{1700, 0.8, 9}, {2900, 0.5, 6}}, kNormalPeak},
    // Stick Click: a drumstick on a rim.
    {"stickon.wav", 80, 1.0, 0.7, {{1250, 0.7, 14}, {2900, 0.6, 9}, {4700, 0.5, 6}, {6900, 0.4, 4}}, kAccentPeak},
    {"stickoff.wav", 80, 0.8, 0.7, {{1050, 0.7, 14}, {2500, 0.5, 9}, {4000, 0.3, 6}}, kNormalPeak},
    // Dink Sound: a short bell, inharmonic partials of a struck bar.
    {"dingon.wav", 220, 0.3, 0.5, {{1760, 1.0, 90}, {4858, 0.5, 60}, {9504, 0.25, 40}}, kAccentPeak},
    {"dingoff.wav", 220, 0.2, 0.5, {{1318, 1.0, 90}, {3638, 0.4, 60}, {7118, 0.15, 40}}, kNormalPeak},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: synth_clicks REPOSITORY_ROOT\n");
    return 2;
  }
  bool ok = true;
  for (const Click& click : kClicks) {
    const std::string path = std::string(argv[1]) + "/data/" + click.file;
    if (!writeWav(path, synthesise(click))) {
      std::fprintf(stderr, "synth_clicks: cannot write %s\n", path.c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
