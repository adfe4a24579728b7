// libFuzzer target: any bytes given to the PNG decoder end in a picture or a refusal, never a
// crash, a hang or a read outside the input.
#include <cstdint>
#include <cstdio>

#include "assets/png_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
  if (!file) return 0;
  const auto picture = tickwell::decodePng(file);
  if (picture && picture->pixels.size() != static_cast<std::size_t>(picture->bytesPerRow()) * picture->height) {
    __builtin_trap();
  }
  std::fclose(file);
  return 0;
}
