#pragma once
// Geometry and colours of the side bar image: its size, the 32 gradient bands and where the
// rotated caption starts.
#include "linetally/menudecor/menu_decor_types.h"

namespace lt {

constexpr int kGradientBands = 32;
constexpr int kBarSeparatorWidth = 6;

struct BarSize {
  int width = 0, height = 0;  // the whole image, separator strip included
  int captionAreaWidth = 0;   // left of the separator strip
};
// captionWidth/Height: extent of the caption in the upright font; itemsHeight: the pop-up's
// measured item heights.
BarSize PlanBarSize(int captionWidth, int captionHeight, int itemsHeight, bool isSeparator);

struct BarBand {
  int top = 0, bottom = 0;  // rows, bottom exclusive
  Colour colour = kClBlack;
};
// BarBand k (0 at the bottom) of an image `height` rows high.
BarBand GradientBand(Colour from, Colour to, int k, int height);

// Rotated caption written bottom-up: origin x on the baseline, origin y where it starts.
struct BarCaptionOrigin {
  int x = 0, y = 0;
};
BarCaptionOrigin PlanBarCaption(const TMenuDecorBar& bar, const BarSize& size, int captionWidth);

}  // namespace lt
