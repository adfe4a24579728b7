#include "assets/indicator_images.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "assets/png_decoder.h"
#include "png_fixtures.h"
#include "temp_dir.h"

namespace tickwell {
namespace {

using testing::PngFixture;

class IndicatorImagesTest : public ::testing::Test {
 protected:
  IndicatorImagesTest() { images.enablePngDecoding(); }

  testing::TempDir dir;
  IndicatorImages images;
};

class PngFormatTest : public IndicatorImagesTest, public ::testing::WithParamInterface<PngFixture> {};

TEST_P(PngFormatTest, DecodesToBlueGreenRedAlphaAsStored) {
  const PngFixture& fixture = GetParam();
  const std::string path = dir.write("picture.png", testing::encodePng(fixture));
  ASSERT_TRUE(images.loadIndicatorImage(kSpeakerOnSlot, path));
  const IndicatorPicture* picture = images.slotPicture(kSpeakerOnSlot);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width, testing::kFixtureWidth);
  EXPECT_EQ(picture->height, testing::kFixtureHeight);
  EXPECT_EQ(picture->pixels, testing::expectedPixels(fixture));
  EXPECT_EQ(images.slotPicture(kSpeakerOffSlot), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Formats, PngFormatTest, ::testing::ValuesIn(testing::pngFixtures()),
                         [](const auto& info) { return info.param.name; });

std::vector<std::uint8_t> validPng() { return testing::encodePng(testing::pngFixtures().front()); }

std::vector<std::uint8_t> cutTo(std::vector<std::uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

std::vector<std::uint8_t> withByteFlipped(std::vector<std::uint8_t> bytes, std::size_t at) {
  bytes.at(at) ^= 0x40;
  return bytes;
}

struct BrokenCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
};

class BrokenPngTest : public IndicatorImagesTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenPngTest, FailsAndLeavesTheSlotEmpty) {
  const std::string path = dir.write("speakeron.png", GetParam().bytes);
  EXPECT_FALSE(images.loadIndicatorImage(kSpeakerOnSlot, path));
  EXPECT_EQ(images.slotPicture(kSpeakerOnSlot), nullptr);
}

const std::size_t kIdatOffset = 8 + 25;  // signature, then the 25-byte IHDR chunk

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenPngTest,
    ::testing::Values(
        BrokenCase{"Empty", {}},
        BrokenCase{"TextFile", {'h', 'e', 'l', 'l', 'o', ' ', 'p', 'n', 'g', '\n'}},
        BrokenCase{"CutInSignature", cutTo(validPng(), 5)},
        BrokenCase{"CutInHeader", cutTo(validPng(), 20)},
        BrokenCase{"CutInImageData", cutTo(validPng(), kIdatOffset + 20)},
        BrokenCase{"DamagedHeaderChunk", withByteFlipped(validPng(), 17)},
        BrokenCase{"DamagedImageData", withByteFlipped(validPng(), kIdatOffset + 12)},
        BrokenCase{"AbsurdSize", testing::pngHeaderOnly(100000, 100000)},
        BrokenCase{"ZeroSize", testing::pngHeaderOnly(0, 0)},
        BrokenCase{"HeaderWithoutImageData", testing::pngHeaderOnly(32, 32)}),
    [](const auto& info) { return info.param.name; });

TEST_F(IndicatorImagesTest, RefusesPicturesLargerThanTheLimit) {
  const auto largest = static_cast<std::uint32_t>(kMaxPictureSide);
  EXPECT_TRUE(images.loadIndicatorImage(kSpeakerOnSlot, dir.write("wide.png", testing::encodeGreyPng(largest, 1))));
  EXPECT_TRUE(images.loadIndicatorImage(kSpeakerOffSlot, dir.write("tall.png", testing::encodeGreyPng(1, largest))));
  IndicatorImages fresh;
  fresh.enablePngDecoding();
  EXPECT_FALSE(fresh.loadIndicatorImage(kSpeakerOnSlot, dir.write("wider.png", testing::encodeGreyPng(largest + 1, 1))));
  EXPECT_FALSE(fresh.loadIndicatorImage(kSpeakerOffSlot, dir.write("taller.png", testing::encodeGreyPng(1, largest + 1))));
}

TEST_F(IndicatorImagesTest, MissingFilesAndFoldersLeaveTheSlotEmpty) {
  EXPECT_FALSE(images.loadIndicatorImage(kSpeakerOnSlot, (dir.path() / "missing.png").string()));
  std::filesystem::create_directory(dir.path() / "folder.png");
  EXPECT_FALSE(images.loadIndicatorImage(kSpeakerOnSlot, (dir.path() / "folder.png").string()));
  EXPECT_EQ(images.slotPicture(kSpeakerOnSlot), nullptr);
}

TEST_F(IndicatorImagesTest, OnlyItsTwoSlotsLoadAndEmptySlotsGiveNoPicture) {
  const std::string path = dir.write("picture.png", validPng());
  EXPECT_FALSE(images.loadIndicatorImage(2, path));
  EXPECT_FALSE(images.loadIndicatorImage(-1, path));
  EXPECT_EQ(images.slotPicture(2), nullptr);
  EXPECT_EQ(images.slotPicture(-1), nullptr);
  EXPECT_TRUE(images.loadIndicatorImage(kSpeakerOffSlot, path));
  EXPECT_NE(images.slotPicture(kSpeakerOffSlot), nullptr);
}

TEST(IndicatorImagesGateTest, NothingLoadsBeforeDecodingIsEnabled) {
  testing::TempDir dir;
  const std::string path = dir.write("picture.png", validPng());
  IndicatorImages images;
  EXPECT_FALSE(images.loadIndicatorImage(kSpeakerOnSlot, path));
  images.enablePngDecoding();
  EXPECT_TRUE(images.loadIndicatorImage(kSpeakerOnSlot, path));
}

TEST_F(IndicatorImagesTest, ReleaseEmptiesEverySlot) {
  const std::string path = dir.write("picture.png", validPng());
  images.loadIndicatorImage(kSpeakerOnSlot, path);
  images.loadIndicatorImage(kSpeakerOffSlot, path);
  images.releaseIndicatorImages();
  EXPECT_EQ(images.slotPicture(kSpeakerOnSlot), nullptr);
  EXPECT_EQ(images.slotPicture(kSpeakerOffSlot), nullptr);
}

TEST(ShippedPicturesTest, BothSpeakerPicturesDecodeAndFitTheVisibleRows) {
  IndicatorImages images;
  images.enablePngDecoding();
  for (const ImageSlot slot : {kSpeakerOnSlot, kSpeakerOffSlot}) {
    const char* file = slot == kSpeakerOnSlot ? "/data/speakeron.png" : "/data/speakeroff.png";
    ASSERT_TRUE(images.loadIndicatorImage(slot, std::string(TICKWELL_SOURCE_DIR) + file)) << file;
    EXPECT_LE(images.slotPicture(slot)->height, 34) << "only 34 rows show in the window";
    EXPECT_LE(images.slotPicture(slot)->width, 50);
  }
}

}  // namespace
}  // namespace tickwell
