#include "assets/indicator_images.h"

#include "assets/png_decoder.h"
#include "assets/regular_file.h"

namespace tickwell {

namespace {

bool isSlot(ImageSlot slot, std::size_t count) {
  return slot >= 0 && static_cast<std::size_t>(slot) < count;
}

}  // namespace

bool IndicatorImages::loadIndicatorImage(ImageSlot slot, const std::string& path) {
  if (!pngDecodingEnabled_ || !isSlot(slot, kSlotCount)) return false;
  const FileHandle file = openRegularFile(path);
  if (!file) return false;
  std::optional<IndicatorPicture> picture = decodePng(file.get());
  if (!picture) return false;
  slots_[static_cast<std::size_t>(slot)] = std::move(picture);
  return true;
}

const IndicatorPicture* IndicatorImages::slotPicture(ImageSlot slot) const {
  if (!isSlot(slot, kSlotCount)) return nullptr;
  const auto& held = slots_[static_cast<std::size_t>(slot)];
  return held ? &*held : nullptr;
}

void IndicatorImages::releaseIndicatorImages() {
  for (auto& held : slots_) held.reset();
}

}  // namespace tickwell
