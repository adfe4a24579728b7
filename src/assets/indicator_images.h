#pragma once

#include <array>
#include <optional>
#include <string>

#include "assets/indicator_picture.h"
#include "core/slots.h"

namespace tickwell {

// Owns the two speaker pictures from start-up to shutdown. A picture that cannot be read
// leaves its slot empty; nothing is reported.
class IndicatorImages {
 public:
  void enablePngDecoding() { pngDecodingEnabled_ = true; }
  bool loadIndicatorImage(ImageSlot slot, const std::string& path);
  // The slot's picture, or nullptr while the slot is empty.
  const IndicatorPicture* slotPicture(ImageSlot slot) const;
  void releaseIndicatorImages();

 private:
  static constexpr std::size_t kSlotCount = 2;
  bool pngDecodingEnabled_ = false;
  std::array<std::optional<IndicatorPicture>, kSlotCount> slots_;
};

}  // namespace tickwell
