#include "assets/png_decoder.h"

#include <png.h>

#include <array>
#include <vector>

namespace tickwell {

namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr png_uint_32 kMaxChunkCache = 128;
constexpr png_alloc_size_t kMaxChunkBytes = 1 << 20;

// libpng's default handlers print; a bad file must fail quietly.
[[noreturn]] void quietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void quietWarning(png_structp, png_const_charp) {}

struct PngReader {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  PngReader() = default;
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

// The two functions below hold setjmp: everything that owns memory lives in the caller,
// so a longjmp out of libpng skips no destructor.
bool readHeader(png_structp png, png_infop info, std::FILE* file, IndicatorPicture& picture) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_sig_bytes(png, kSignatureSize);
  png_read_info(png, info);

  const png_byte colourType = png_get_color_type(png, info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) {
    png_set_expand_gray_1_2_4_to_8(png);
  }
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  png_set_strip_16(png);
  if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);

  picture.width = static_cast<int>(png_get_image_width(png, info));
  picture.height = static_cast<int>(png_get_image_height(png, info));
  picture.hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
  return png_get_rowbytes(png, info) == static_cast<png_size_t>(picture.bytesPerRow());
}

bool readRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

std::optional<IndicatorPicture> decodePng(std::FILE* file) {
  std::array<png_byte, kSignatureSize> signature{};
  if (std::fread(signature.data(), 1, signature.size(), file) != signature.size() ||
      png_sig_cmp(signature.data(), 0, signature.size()) != 0) {
    return std::nullopt;
  }

  PngReader reader;
  if (!reader.info) return std::nullopt;
  png_set_user_limits(reader.png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_cache_max(reader.png, kMaxChunkCache);
  png_set_chunk_malloc_max(reader.png, kMaxChunkBytes);

  IndicatorPicture picture;
  if (!readHeader(reader.png, reader.info, file, picture)) return std::nullopt;

  picture.pixels.resize(static_cast<std::size_t>(picture.bytesPerRow()) * picture.height);
  std::vector<png_bytep> rows(static_cast<std::size_t>(picture.height));
  for (std::size_t y = 0; y < rows.size(); ++y) {
    rows[y] = picture.pixels.data() + y * static_cast<std::size_t>(picture.bytesPerRow());
  }
  if (!readRows(reader.png, rows.data())) return std::nullopt;
  return picture;
}

}  // namespace tickwell
