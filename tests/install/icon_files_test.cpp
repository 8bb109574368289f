// The committed icon files: the Windows icon holds exactly the ten images the
// program file needs, and the PNGs the desktop and the window use have the
// sizes their names promise.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "icon_file.h"

namespace quorvel::install_test {
namespace {

const std::string kIconDir = QUORVEL_ICON_DIR;

struct WantedImage {
  const char* name;
  int size;
  int bits_per_pixel;
  bool stored_as_png;
};

void PrintTo(const WantedImage& row, std::ostream* out) { *out << row.name; }

class IcoImageTest : public testing::TestWithParam<WantedImage> {
 protected:
  static void SetUpTestSuite() {
    const auto bytes = ReadWholeFile(kIconDir + "/quorvel.ico");
    ASSERT_TRUE(bytes) << "cannot read quorvel.ico";
    images_ = ReadIcoImages(*bytes);
  }
  static std::optional<std::vector<IcoImage>> images_;
};
std::optional<std::vector<IcoImage>> IcoImageTest::images_;

TEST_P(IcoImageTest, HoldsTheImageExactlyOnce) {
  ASSERT_TRUE(images_) << "quorvel.ico is malformed";
  const WantedImage& want = GetParam();
  const auto matches = std::count_if(images_->begin(), images_->end(), [&](const IcoImage& image) {
    return image.width == want.size && image.height == want.size &&
           image.bits_per_pixel == want.bits_per_pixel && image.stored_as_png == want.stored_as_png;
  });
  EXPECT_EQ(matches, 1);
}

INSTANTIATE_TEST_SUITE_P(
    TenImages, IcoImageTest,
    testing::Values(WantedImage{"px16_4bit", 16, 4, false}, WantedImage{"px32_4bit", 32, 4, false},
                    WantedImage{"px48_4bit", 48, 4, false}, WantedImage{"px16_8bit", 16, 8, false},
                    WantedImage{"px32_8bit", 32, 8, false}, WantedImage{"px48_8bit", 48, 8, false},
                    WantedImage{"px16_32bit", 16, 32, false},
                    WantedImage{"px32_32bit", 32, 32, false},
                    WantedImage{"px48_32bit", 48, 32, false},
                    WantedImage{"px256_32bit_png", 256, 32, true}),
    [](const testing::TestParamInfo<WantedImage>& row) { return std::string(row.param.name); });

TEST(IcoFile, HoldsNothingElseAndItsDirectoryMatchesTheImages) {
  const auto bytes = ReadWholeFile(kIconDir + "/quorvel.ico");
  ASSERT_TRUE(bytes);
  const auto images = ReadIcoImages(*bytes);
  ASSERT_TRUE(images);
  EXPECT_EQ(images->size(), 10u);
  for (const IcoImage& image : *images) {
    EXPECT_TRUE(image.directory_agrees) << image.width << " px, " << image.bits_per_pixel << " bit";
  }
}

TEST(IcoFile, LargeImageIsTheSamePictureTheDesktopAndWindowShow) {
  const auto ico = ReadWholeFile(kIconDir + "/quorvel.ico");
  const auto png = ReadWholeFile(kIconDir + "/quorvel-256.png");
  ASSERT_TRUE(ico && png);
  const auto images = ReadIcoImages(*ico);
  ASSERT_TRUE(images);
  const auto large = std::find_if(images->begin(), images->end(),
                                  [](const IcoImage& image) { return image.stored_as_png; });
  ASSERT_NE(large, images->end());
  EXPECT_TRUE(large->data == *png) << "quorvel.ico is older than quorvel-256.png: run generate.sh";
}

class ThemePngTest : public testing::TestWithParam<int> {};

TEST_P(ThemePngTest, IsSquareRgbaOfItsNamedSize) {
  const int size = GetParam();
  const auto bytes = ReadWholeFile(kIconDir + "/quorvel-" + std::to_string(size) + ".png");
  ASSERT_TRUE(bytes);
  const auto header = ReadPngHeader(*bytes);
  ASSERT_TRUE(header) << "not a PNG";
  EXPECT_EQ(header->width, static_cast<std::uint32_t>(size));
  EXPECT_EQ(header->height, static_cast<std::uint32_t>(size));
  EXPECT_EQ(header->bits_per_pixel, 32) << "the rounded corners need an alpha channel";
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, ThemePngTest, testing::Values(16, 32, 48, 256));

// The reader decides what the tests above believe, so it must refuse damaged
// files instead of reporting images that are not there.
struct DamagedIco {
  const char* name;
  std::string bytes;
};

void PrintTo(const DamagedIco& row, std::ostream* out) { *out << row.name; }

std::string TruncatedCopy(std::size_t keep) {
  auto bytes = ReadWholeFile(kIconDir + "/quorvel.ico").value_or("");
  return bytes.substr(0, std::min(keep, bytes.size()));
}

// The directory claims fewer bytes for the first image than its pixels and
// mask take.
std::string FirstImageClaiming(std::uint32_t size) {
  auto bytes = ReadWholeFile(kIconDir + "/quorvel.ico").value_or(std::string(22, '\0'));
  for (std::size_t i = 0; i < 4; ++i)
    bytes[6 + 8 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  return bytes;
}

class DamagedIcoTest : public testing::TestWithParam<DamagedIco> {};

TEST_P(DamagedIcoTest, IsRefused) { EXPECT_FALSE(ReadIcoImages(GetParam().bytes)); }

INSTANTIATE_TEST_SUITE_P(
    Reader, DamagedIcoTest,
    testing::Values(DamagedIco{"empty", ""},
                    DamagedIco{"cursor_type", std::string("\0\0\2\0\0\0", 6)},
                    DamagedIco{"directory_cut_short", TruncatedCopy(6 + 16 * 9)},
                    DamagedIco{"last_image_cut_short", TruncatedCopy(30000)},
                    DamagedIco{"bitmap_shorter_than_its_pixels", FirstImageClaiming(100)}),
    [](const testing::TestParamInfo<DamagedIco>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quorvel::install_test
