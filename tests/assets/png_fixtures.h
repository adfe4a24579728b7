#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tickwell::testing {

// A small picture written in one of PNG's formats, and what decoding it must give.
struct PngFixture {
  std::string name;
  int colourType;
  int bitDepth;
  bool interlaced = false;
  bool transparentPalette = false;
};

constexpr int kFixtureWidth = 5;
constexpr int kFixtureHeight = 7;

// The fixtures every format test and the fuzzer's seed corpus use.
std::vector<PngFixture> pngFixtures();

// Encodes the fixture's test pattern; returns the file's bytes.
std::vector<std::uint8_t> encodePng(const PngFixture& fixture);

// The blue, green, red, alpha bytes the decoder must produce for the fixture, rows top first.
std::vector<std::uint8_t> expectedPixels(const PngFixture& fixture);

// A complete, valid grey picture of the given size.
std::vector<std::uint8_t> encodeGreyPng(std::uint32_t width, std::uint32_t height);

// A valid PNG header claiming the given size, followed by no image data.
std::vector<std::uint8_t> pngHeaderOnly(std::uint32_t width, std::uint32_t height);

}  // namespace tickwell::testing
