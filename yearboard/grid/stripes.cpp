#include "yearboard/grid/stripes.h"

#include <algorithm>

namespace yb {

std::vector<Stripe> SplitStripes(const DeviceBox& cell, const std::vector<Color>& colors) {
  const bool more = colors.size() > kMaxStripes;
  const int count = static_cast<int>(std::min(colors.size(), kMaxStripes));
  const int height = cell.bottom - cell.top;
  std::vector<Stripe> stripes;
  for (int i = 0; i < count; ++i) {
    // Edges by proportion, so the bands differ by at most one unit and meet exactly.
    const DeviceBox box{cell.left, cell.top + height * i / count, cell.right, cell.top + height * (i + 1) / count};
    const bool plus = more && i == count - 1;
    stripes.push_back({box, plus ? std::nullopt : std::optional<Color>(colors[static_cast<std::size_t>(i)])});
  }
  return stripes;
}

std::array<DeviceBox, 2> PlusBars(const DeviceBox& band) {
  const int side = std::min(band.right - band.left, band.bottom - band.top);
  const int arm = std::max(side * 3 / 5, 1);
  const int thickness = std::max(arm / 5, 1);
  const int cx = (band.left + band.right) / 2, cy = (band.top + band.bottom) / 2;
  const int x0 = cx - arm / 2, y0 = cy - arm / 2;
  const int tx = cx - thickness / 2, ty = cy - thickness / 2;
  return {DeviceBox{x0, ty, x0 + arm, ty + thickness}, DeviceBox{tx, y0, tx + thickness, y0 + arm}};
}

}  // namespace yb
