#pragma once
// The decisions behind painting one bound item, apart from the device that paints it:
// whether it is drawn selected, where the fill starts, which rectangle the bevel takes,
// where the caption and its shadow go.
#include "linetally/menudecor/menu_decor_types.h"
#include "linetally/menudecor/menu_layout.h"

namespace lt {

// What the platform says about the item being drawn, plus what the item has.
struct MenuItemState {
  bool selected = false;  // as the platform reports it
  bool disabled = false;
  bool checked = false;
  bool separator = false;
  bool hasPicture = false;
};

bool DrawnSelected(const TMenuOptions& options, const MenuItemState& state);

// The fill of the brush colour: from `left` to R, T to B + 1. With `preFillNormal` the item
// from L + W onwards is first filled in the normal colour (the picture cell keeps it).
struct FillPlan {
  int left = 0;
  bool preFillNormal = false;
};
// Throws std::logic_error for omNoHighlightImage with a vertical text position.
FillPlan PlanFill(const ItemStyle& style, const MenuItemState& state, const ItemLayout& layout,
                  const MenuRect& item, int barWidth);

bool BevelShown(const ItemStyle& style, const MenuItemState& state, bool drawnSelected);
MenuRect BevelRect(const ItemStyle& style, const MenuItemState& state, const ItemLayout& layout,
               const MenuRect& item, int barWidth, int hSpace, int vSpace);

// The three outlines of a rounded bevel in drawing order; colour kClNone draws nothing.
struct RoundOutline {
  MenuRect rect;
  Colour pen;  // white, grey, or kClNone for "the fill colour"
};
struct RoundedBevel {
  RoundOutline inner, outer, fill;
};
RoundedBevel PlanRoundedBevel(const ItemStyle& style, const MenuRect& bevel);

struct ShadowOffset {
  int dx = 0, dy = 0;
};
struct ShadowPlacement {
  bool drawn = false;
  ShadowOffset caption, shadow;  // moves from the caption position
  Colour colour = kClNone;
};
ShadowPlacement PlanShadow(const TShadowText& shadow, bool drawnSelected);

}  // namespace lt
