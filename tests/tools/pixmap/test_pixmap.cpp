#include <gtest/gtest.h>

#include "tools/pixmap/pixmap.h"

namespace {

const char* kTwoFrames =
    "# two 2 x 2 frames\n"
    "size 2 2\n"
    "key . #FFFFFF\n"
    "key R #FF0000\n"
    "key _ transparent\n"
    "transparent #008000\n"
    "frame\n"
    "R.\n"
    "._\n"
    "frame\n"
    "..\n"
    "RR\n";

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

TEST(Pixmap, BmpIsABottomUpStripOfFrames) {
  auto bmp = pixmap::ToBmp(pixmap::Parse(kTwoFrames));
  ASSERT_EQ(bmp[0], 'B');
  EXPECT_EQ(Read32(bmp, 18), 4u);  // two frames side by side
  EXPECT_EQ(Read32(bmp, 22), 2u);
  const size_t pixels = Read32(bmp, 10);
  // Bottom row first: frame 1 ". _" (transparent shown as green), frame 2 "R R".
  const std::vector<uint8_t> bottom{255, 255, 255, 0, 128, 0, 0, 0, 255, 0, 0, 255};
  EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + long(pixels), bmp.begin() + long(pixels) + 12), bottom);
  EXPECT_EQ(bmp.size(), pixels + 2 * 12);  // 12 bytes a row, already a multiple of four
}

TEST(Pixmap, IconMasksTransparentPixels) {
  auto ico = pixmap::ToIco(pixmap::Parse(kTwoFrames));
  const size_t dib = 6 + 16;
  const size_t mask = dib + 40 + 2 * 2 * 4;
  EXPECT_EQ(ico[mask], 0x40);  // bottom row: the second pixel is see-through
  EXPECT_EQ(ico[mask + 4], 0x00);
}

TEST(Pixmap, BadInputNamesTheLine) {
  EXPECT_THROW(pixmap::Parse("size 2 2\nkey R #FF0000\nframe\nRR\nRX\n"), std::runtime_error);
  try {
    pixmap::Parse("size 2 2\nkey R #FF0000\nframe\nRRR\nRR\n");
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "line 4: row must have 2 pixels");
  }
  EXPECT_THROW(pixmap::Parse("size 2 2\n"), std::runtime_error);
  EXPECT_THROW(pixmap::Parse("size 2 2\nkey R red\n"), std::runtime_error);
}

}  // namespace
