#pragma once

#include <cstdint>
#include <vector>

namespace tickwell {

// A decoded picture: rows top first, 4 bytes a pixel in blue, green, red, alpha order
// (alpha 0xff where the file has none), which is a Qt RGB32/ARGB32 image on little-endian machines.
struct IndicatorPicture {
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
  std::vector<std::uint8_t> pixels;

  static constexpr int kBytesPerPixel = 4;
  int bytesPerRow() const { return width * kBytesPerPixel; }
};

}  // namespace tickwell
