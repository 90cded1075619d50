#include <gtest/gtest.h>

#include "yearboard/grid/stripes.h"

namespace yb {
namespace {

TEST(Stripes, UpToFourBandsCoverTheCellAndMoreEndInAPlus) {
  struct Case {
    std::size_t colors;
    int height;
    std::size_t bands;
    bool plus;
  };
  const Case cases[] = {{0, 27, 0, false}, {1, 27, 1, false}, {2, 27, 2, false}, {3, 10, 3, false},
                        {4, 27, 4, false}, {5, 27, 4, true},  {9, 7, 4, true},   {2, 1, 2, false}};
  for (const Case& test : cases) {
    std::vector<Color> colors;
    for (std::size_t i = 0; i < test.colors; ++i) colors.push_back(static_cast<Color>(100 + i));
    const DeviceBox cell{10, 20, 26, 20 + test.height};
    const std::vector<Stripe> stripes = SplitStripes(cell, colors);
    ASSERT_EQ(stripes.size(), test.bands) << test.colors;
    int top = cell.top;
    for (std::size_t i = 0; i < stripes.size(); ++i) {
      const DeviceBox& box = stripes[i].box;
      EXPECT_EQ(box.top, top) << test.colors << " band " << i;
      EXPECT_EQ(box.left, cell.left);
      EXPECT_EQ(box.right, cell.right);
      EXPECT_LE(std::abs(box.Height() - test.height / static_cast<int>(test.bands)), 1);
      top = box.bottom;
      const bool plusBand = test.plus && i + 1 == stripes.size();
      EXPECT_EQ(stripes[i].color, plusBand ? std::nullopt : std::optional<Color>(colors[i])) << test.colors;
    }
    if (!stripes.empty()) {
      EXPECT_EQ(top, cell.bottom) << test.colors;
    }
  }
}

TEST(Stripes, ThePlusIsCentredInsideItsBand) {
  for (const DeviceBox band : {DeviceBox{0, 0, 16, 6}, DeviceBox{100, 40, 160, 100}, DeviceBox{5, 5, 6, 6}}) {
    const auto bars = PlusBars(band);
    for (const DeviceBox& bar : bars) {
      EXPECT_GE(bar.left, band.left);
      EXPECT_GE(bar.top, band.top);
      EXPECT_LE(bar.right, band.right);
      EXPECT_LE(bar.bottom, band.bottom);
      EXPECT_GT(bar.Width(), 0);
      EXPECT_GT(bar.Height(), 0);
      // Centred to within a unit (doubled coordinates keep halves exact).
      EXPECT_LE(std::abs(bar.left + bar.right - band.left - band.right), 2);
      EXPECT_LE(std::abs(bar.top + bar.bottom - band.top - band.bottom), 2);
    }
    EXPECT_GE(bars[0].Width(), bars[0].Height()) << "the first bar lies flat";
    EXPECT_GE(bars[1].Height(), bars[1].Width());
  }
}

}  // namespace
}  // namespace yb
