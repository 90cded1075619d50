#include "linetally/menudecor/draw_plan.h"

#include <stdexcept>

namespace lt {

bool DrawnSelected(const TMenuOptions& options, const MenuItemState& state) {
  if (!state.selected) return false;
  if (state.disabled && options.Has(TMenuOption::omNoHighlightDisabled)) return false;
  if (!state.disabled && options.Has(TMenuOption::omNoHighlightEnabled)) return false;
  return true;
}

FillPlan PlanFill(const ItemStyle& style, const MenuItemState& state, const ItemLayout& layout,
                  const MenuRect& item, int barWidth) {
  FillPlan plan{item.left + barWidth, false};
  const bool cell = state.hasPicture || state.checked;
  if (!style.Options.Has(TMenuOption::omNoHighlightImage) || !cell) return plan;
  switch (style.TextAlign) {
    case TTextAlign::alRight: plan.left = layout.captionLeft - 1; break;
    case TTextAlign::alLeft: plan.left = layout.pictureLeft - 1; break;
    default: throw std::logic_error("Advanced features available only for horisontal aligned items");
  }
  const bool edge = style.BevelInner != TBevelCut::bvNone || style.BevelOuter != TBevelCut::bvNone;
  plan.preFillNormal = edge && (style.BevelStyle == TBevelStyle::bsBevelOnlyImage ||
                                style.BevelStyle == TBevelStyle::bsBevelBoth);
  return plan;
}

bool BevelShown(const ItemStyle& style, const MenuItemState& state, bool drawnSelected) {
  if (style.Options.Has(TMenuOption::omBevelOnlyIfSel))
    return !state.disabled && drawnSelected;
  return !state.separator;
}

MenuRect BevelRect(const ItemStyle& style, const MenuItemState& state, const ItemLayout& layout,
               const MenuRect& item, int barWidth, int hSpace, int vSpace) {
  const int s = layout.cellSize;
  if (style.BevelStyle == TBevelStyle::bsBevelOnlyImage && (state.hasPicture || state.checked))
    return {layout.pictureLeft - vSpace, layout.pictureTop - vSpace, layout.pictureLeft + s + vSpace,
            layout.pictureTop + s + vSpace};
  if (style.BevelStyle == TBevelStyle::bsBevelOnlyText) {
    switch (style.TextAlign) {
      case TTextAlign::alRight:
        return {layout.pictureLeft + s + 4, item.top + 1, item.right, item.bottom};
      case TTextAlign::alLeft:
        return {item.left + barWidth, item.top + 1, layout.pictureLeft, item.bottom};
      default:
        return {layout.captionLeft - hSpace, layout.captionTop - 1,
                layout.captionLeft + layout.captionWidth + hSpace,
                layout.captionTop + layout.captionHeight + 1};
    }
  }
  return {item.left + barWidth, item.top + 1, item.right, item.bottom};
}

RoundedBevel PlanRoundedBevel(const ItemStyle& style, const MenuRect& b) {
  RoundedBevel plan;
  plan.inner = {{b.left, b.top, b.right - 2, b.bottom - 2},
                style.BevelInner == TBevelCut::bvRaised    ? kClWhite
                : style.BevelInner == TBevelCut::bvLowered ? kClGrey
                                                           : kClNone};
  plan.outer = {{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1},
                style.BevelOuter == TBevelCut::bvLowered  ? kClWhite
                : style.BevelOuter == TBevelCut::bvRaised ? kClGrey
                                                          : kClNone};
  plan.fill = {{b.left + 1, b.top + 1, b.right - 2, b.bottom - 2}, kClNone};
  return plan;
}

ShadowPlacement PlanShadow(const TShadowText& shadow, bool drawnSelected) {
  ShadowPlacement plan;
  if (!shadow.Active) return plan;
  if (drawnSelected && shadow.Options.Has(TShadowOption::soNoShadowIfSel)) return plan;
  if (!drawnSelected && shadow.Options.Has(TShadowOption::soNoShadowIfNormal)) return plan;
  plan.drawn = true;
  const int d = drawnSelected ? shadow.SelShadowSize : shadow.ShadowSize;
  plan.colour = drawnSelected ? shadow.SelShadowColor : shadow.ShadowColor;
  switch (drawnSelected ? shadow.SelShadowPos : shadow.ShadowPos) {
    case TShadowPosition::spLeftTop: plan.caption = {d, d}; break;
    case TShadowPosition::spLeftBottom: plan.caption = {d, 0}; plan.shadow = {0, d}; break;
    case TShadowPosition::spRightBottom: plan.shadow = {d, d}; break;
    case TShadowPosition::spRightTop: plan.caption = {0, d}; plan.shadow = {d, 0}; break;
  }
  return plan;
}

}  // namespace lt
