#pragma once

#include <cstdio>
#include <optional>

#include "assets/indicator_picture.h"

namespace tickwell {

// Pictures larger than this on either side are refused, so a hostile header cannot exhaust memory.
inline constexpr int kMaxPictureSide = 1024;

// Decodes a PNG file from its first byte. Palette and grey become colour, 16-bit samples
// become 8-bit; colour values are kept as stored (no gamma). Stops after the image data.
std::optional<IndicatorPicture> decodePng(std::FILE* file);

}  // namespace tickwell
