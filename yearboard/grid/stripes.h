#pragma once
// How a day that holds appointments of several categories is divided: one band per category
// colour, stacked from the top in the order given, at most four; with more than four the
// fourth band is a "+" mark instead. The screen grid and the printed sheet both divide cells
// this way, in their own units.
#include <array>
#include <optional>
#include <vector>

#include "yearboard/base/color.h"

namespace yb {

constexpr std::size_t kMaxStripes = 4;

// A rectangle in a device's units (screen pixels, printer dots); right and bottom exclusive.
struct DeviceBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const DeviceBox&, const DeviceBox&) = default;
};

struct Stripe {
  DeviceBox box;
  std::optional<Color> color;  // empty: the band of the "+" mark
};

// Bands that cover the cell without gaps or overlaps; none for no colours.
std::vector<Stripe> SplitStripes(const DeviceBox& cell, const std::vector<Color>& colors);

// The horizontal and the vertical bar of a "+" centred in a band, sized to its shorter side.
std::array<DeviceBox, 2> PlusBars(const DeviceBox& band);

}  // namespace yb
