#include <gtest/gtest.h>

#include <cstring>

#include "yearboard/sheet/picture_file.h"

namespace yb {
namespace {

TEST(PictureFile, TheNameDecidesTheFormatElseTheChoiceAddsItsExtension) {
  struct Case {
    const char* path;
    PictureFormat chosen;
    PictureFormat format;
    const char* saved;
  };
  const Case cases[] = {
      {"C:\\a\\Year.png", PictureFormat::Bmp, PictureFormat::Png, "C:\\a\\Year.png"},
      {"C:\\a\\Year.BMP", PictureFormat::Png, PictureFormat::Bmp, "C:\\a\\Year.BMP"},
      {"C:\\a\\Year", PictureFormat::Png, PictureFormat::Png, "C:\\a\\Year.png"},
      {"C:\\a\\Year.2026", PictureFormat::Bmp, PictureFormat::Bmp, "C:\\a\\Year.2026.bmp"},
      {"png", PictureFormat::Bmp, PictureFormat::Bmp, "png.bmp"},
  };
  for (const Case& test : cases) {
    std::string path = test.path;
    EXPECT_EQ(PictureFormatFor(path, test.chosen), test.format) << test.path;
    EXPECT_EQ(path, test.saved);
  }
}

std::uint32_t Field(const std::string& bytes, std::size_t at, std::size_t size) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < size; ++i)
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

TEST(PictureFile, ABmpHoldsTheRowsBottomUpPaddedToFourBytes) {
  // 3 x 2 pixels, top row first, with a stride of 12 bytes (as a DIB section pads 9).
  const std::uint8_t pixels[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE,
                                 10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
  const std::string bmp = EncodeBmp(3, 2, pixels, 12);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(Field(bmp, 2, 4), bmp.size());
  EXPECT_EQ(Field(bmp, 10, 4), 54u);
  EXPECT_EQ(Field(bmp, 14, 4), 40u);
  EXPECT_EQ(Field(bmp, 18, 4), 3u);
  EXPECT_EQ(Field(bmp, 22, 4), 2u);
  EXPECT_EQ(Field(bmp, 28, 2), 24u);
  EXPECT_EQ(Field(bmp, 34, 4), 24u);
  const char* const bytes = reinterpret_cast<const char*>(pixels);
  const std::string bottom(bytes + 12, 9), top(bytes, 9);
  EXPECT_EQ(bmp.substr(54, 9), bottom);
  EXPECT_EQ(bmp.substr(63, 3), std::string(3, '\0'));
  EXPECT_EQ(bmp.substr(66, 9), top);
}

}  // namespace
}  // namespace yb
