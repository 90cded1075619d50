#include "linetally/menudecor/item_style.h"

#include <stdexcept>

namespace lt {

int CheckSpaceInt(int value) {
  if (value < 0 || value > 5) throw std::out_of_range("Spacing must be from 0 to 5 pixels");
  return value;
}

namespace {
bool Selected(uint32_t mask, uint32_t bit) { return (mask & bit) != 0; }
}  // namespace

void CopyItemStyle(const ItemStyle& from, uint32_t mask, ItemStyle& to) {
  using namespace style_mask;
  if (mask == 0) {
    TShadowText keep = to.Shadow;  // shadows have their own template operation
    to = from;
    to.Shadow = keep;
    return;
  }
  if (Selected(mask, kFont)) to.Font = from.Font;
  if (Selected(mask, kNormColor)) to.NormColor = from.NormColor;
  if (Selected(mask, kSelColor)) to.SelColor = from.SelColor;
  if (Selected(mask, kTrColor)) to.TrColor = from.TrColor;
  if (Selected(mask, kTextAlign)) to.TextAlign = from.TextAlign;
  if (Selected(mask, kImgSize)) to.CustomImgSize = from.CustomImgSize;
  if (Selected(mask, kOptions)) to.Options = from.Options;
  if (Selected(mask, kAddOptions)) to.Options.Add(from.Options);
  if (Selected(mask, kRemoveOptions)) to.Options.Remove(from.Options);
  if (Selected(mask, kBevelInner)) to.BevelInner = from.BevelInner;
  if (Selected(mask, kBevelOuter)) to.BevelOuter = from.BevelOuter;
  if (Selected(mask, kBevelStyle)) to.BevelStyle = from.BevelStyle;
  if (Selected(mask, kSeparatorText)) to.SeparatorText = from.SeparatorText;
}

void CopyShadowStyle(const TShadowText& from, uint32_t mask, TShadowText& to) {
  using namespace shadow_mask;
  if (mask == 0) {
    to = from;
    return;
  }
  if (Selected(mask, kActive)) to.Active = from.Active;
  if (Selected(mask, kColor)) to.ShadowColor = from.ShadowColor;
  if (Selected(mask, kSelColor)) to.SelShadowColor = from.SelShadowColor;
  if (Selected(mask, kPos)) to.ShadowPos = from.ShadowPos;
  if (Selected(mask, kSelPos)) to.SelShadowPos = from.SelShadowPos;
  if (Selected(mask, kSize)) to.ShadowSize = from.ShadowSize;
  if (Selected(mask, kSelSize)) to.SelShadowSize = from.SelShadowSize;
  if (Selected(mask, kOptions)) to.Options = from.Options;
  if (Selected(mask, kAddOptions)) to.Options.Add(from.Options);
  if (Selected(mask, kRemoveOptions)) to.Options.Remove(from.Options);
}

}  // namespace lt
