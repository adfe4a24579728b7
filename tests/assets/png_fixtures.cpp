#include "png_fixtures.h"

#include <png.h>
#include <zlib.h>

#include <array>
#include <stdexcept>

namespace tickwell::testing {

namespace {

struct Rgba {
  std::uint8_t r, g, b, a;
};

// Distinct values in every channel, transparent pixels included.
Rgba patternAt(int x, int y) {
  const int i = y * kFixtureWidth + x;
  return {static_cast<std::uint8_t>(i * 7 + 3), static_cast<std::uint8_t>(255 - i * 5),
          static_cast<std::uint8_t>(i * 11 % 256), static_cast<std::uint8_t>(i % 4 == 0 ? 0 : 40 + i * 6)};
}

bool hasColour(int type) { return type & PNG_COLOR_MASK_COLOR; }

void appendSample(std::vector<png_byte>& row, std::uint8_t value, int bitDepth) {
  row.push_back(value);
  if (bitDepth == 16) row.push_back(0x5a);  // the low byte, dropped by the decoder
}

std::vector<png_byte> encodeRow(const PngFixture& f, int y) {
  std::vector<png_byte> row;
  if (f.colourType == PNG_COLOR_TYPE_PALETTE) {
    for (int x = 0; x < kFixtureWidth; ++x) row.push_back(static_cast<png_byte>(y * kFixtureWidth + x));
    return row;
  }
  if (f.bitDepth == 4) {  // grey only: two pixels a byte, high nibble first
    row.assign((kFixtureWidth + 1) / 2, 0);
    for (int x = 0; x < kFixtureWidth; ++x) {
      const int nibble = patternAt(x, y).r >> 4;
      row[static_cast<std::size_t>(x / 2)] |= static_cast<png_byte>(x % 2 == 0 ? nibble << 4 : nibble);
    }
    return row;
  }
  for (int x = 0; x < kFixtureWidth; ++x) {
    const Rgba p = patternAt(x, y);
    appendSample(row, p.r, f.bitDepth);
    if (hasColour(f.colourType)) {
      appendSample(row, p.g, f.bitDepth);
      appendSample(row, p.b, f.bitDepth);
    }
    if (f.colourType & PNG_COLOR_MASK_ALPHA) appendSample(row, p.a, f.bitDepth);
  }
  return row;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

void appendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace

std::vector<PngFixture> pngFixtures() {
  return {
      {"Rgb8", PNG_COLOR_TYPE_RGB, 8},
      {"Rgba8", PNG_COLOR_TYPE_RGB_ALPHA, 8},
      {"Grey8", PNG_COLOR_TYPE_GRAY, 8},
      {"Grey4", PNG_COLOR_TYPE_GRAY, 4},
      {"GreyAlpha8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
      {"Palette", PNG_COLOR_TYPE_PALETTE, 8},
      {"PaletteWithTrns", PNG_COLOR_TYPE_PALETTE, 8, false, true},
      {"Rgb16", PNG_COLOR_TYPE_RGB, 16},
      {"Rgba16", PNG_COLOR_TYPE_RGB_ALPHA, 16},
      {"Rgb8Adam7", PNG_COLOR_TYPE_RGB, 8, true},
      {"GreyAlpha8Adam7", PNG_COLOR_TYPE_GRAY_ALPHA, 8, true},
  };
}

std::vector<std::uint8_t> encodePng(const PngFixture& f) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot encode fixture " + f.name);
  }
  png_set_write_fn(png, &out, appendBytes, flushNothing);
  png_set_IHDR(png, info, kFixtureWidth, kFixtureHeight, f.bitDepth, f.colourType,
               f.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::array<png_color, kFixtureWidth * kFixtureHeight> palette{};
  std::array<png_byte, kFixtureWidth * kFixtureHeight> alphas{};
  if (f.colourType == PNG_COLOR_TYPE_PALETTE) {
    for (int y = 0; y < kFixtureHeight; ++y) {
      for (int x = 0; x < kFixtureWidth; ++x) {
        const Rgba p = patternAt(x, y);
        const auto i = static_cast<std::size_t>(y * kFixtureWidth + x);
        palette[i] = {p.r, p.g, p.b};
        alphas[i] = p.a;
      }
    }
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (f.transparentPalette) png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  png_write_info(png, info);
  std::vector<std::vector<png_byte>> rows;
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < kFixtureHeight; ++y) rows.push_back(encodeRow(f, y));
  for (auto& row : rows) rowPointers.push_back(row.data());
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<std::uint8_t> expectedPixels(const PngFixture& f) {
  std::vector<std::uint8_t> pixels;
  const bool alpha = (f.colourType & PNG_COLOR_MASK_ALPHA) || f.transparentPalette;
  for (int y = 0; y < kFixtureHeight; ++y) {
    for (int x = 0; x < kFixtureWidth; ++x) {
      Rgba p = patternAt(x, y);
      if (f.bitDepth == 4) p.r = static_cast<std::uint8_t>((p.r >> 4) * 17);
      const bool grey = !hasColour(f.colourType);
      pixels.push_back(grey ? p.r : p.b);
      pixels.push_back(grey ? p.r : p.g);
      pixels.push_back(p.r);
      pixels.push_back(alpha ? p.a : 0xff);
    }
  }
  return pixels;
}

std::vector<std::uint8_t> encodeGreyPng(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot encode a grey picture");
  }
  png_set_write_fn(png, &out, appendBytes, flushNothing);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(width, 0x80);
  for (std::uint32_t y = 0; y < height; ++y) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<std::uint8_t> pngHeaderOnly(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<std::uint8_t> chunk = {'I', 'H', 'D', 'R'};
  appendBigEndian(chunk, width);
  appendBigEndian(chunk, height);
  chunk.insert(chunk.end(), {8, PNG_COLOR_TYPE_RGB, 0, 0, 0});
  appendBigEndian(out, 13);
  out.insert(out.end(), chunk.begin(), chunk.end());
  appendBigEndian(out, static_cast<std::uint32_t>(crc32(0, chunk.data(), static_cast<uInt>(chunk.size()))));
  return out;
}

}  // namespace tickwell::testing
