#include "linetally/menudecor/side_bar.h"

#include <algorithm>

namespace lt {

BarSize PlanBarSize(int captionWidth, int captionHeight, int itemsHeight, bool isSeparator) {
  BarSize size;
  size.height = std::max(captionWidth + 8, itemsHeight);
  size.captionAreaWidth = captionHeight + 4;
  size.width = size.captionAreaWidth + (isSeparator ? kBarSeparatorWidth : 0);
  return size;
}

BarBand GradientBand(Colour from, Colour to, int k, int height) {
  auto channel = [k](int f, int t) { return f + k * (t - f) / kGradientBands; };
  BarBand band;
  band.bottom = height - k * height / kGradientBands;
  band.top = height - (k + 1) * height / kGradientBands;
  band.colour = MakeColour(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                           channel(BlueOf(from), BlueOf(to)));
  return band;
}

BarCaptionOrigin PlanBarCaption(const TMenuDecorBar& bar, const BarSize& size, int captionWidth) {
  BarCaptionOrigin origin;
  origin.x = size.captionAreaWidth * 3 / 4;
  const int margin = bar.Space() + 4;
  switch (bar.CaptionAlign()) {
    case TCaptionAlign::alDown: origin.y = size.height - margin; break;
    case TCaptionAlign::alUp: origin.y = margin + captionWidth; break;
    case TCaptionAlign::alCenter: origin.y = (size.height + captionWidth) / 2; break;
  }
  return origin;
}

}  // namespace lt
