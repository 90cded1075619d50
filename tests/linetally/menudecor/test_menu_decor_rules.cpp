#include <gtest/gtest.h>

#include <stdexcept>

#include "linetally/menudecor/draw_plan.h"
#include "linetally/menudecor/item_style.h"
#include "linetally/menudecor/menu_text.h"
#include "linetally/menudecor/side_bar.h"

namespace lt {
namespace {

using enum TMenuOption;

TEST(MenuDecorDefaults, PropertiesStartAsDocumented) {
  ItemStyle item;
  EXPECT_EQ(item.TrColor, 0x1FFFFFFFu);
  EXPECT_EQ(item.SelColor, kClHighlight);
  EXPECT_EQ(item.NormColor, kClMenu);
  EXPECT_EQ(item.SelTextColor, kClHighlightText);
  EXPECT_EQ(item.TextAlign, TTextAlign::alRight);
  EXPECT_EQ(item.Options, (TMenuOptions{omFixedImgSize, omTileWallpaper, omTileSelWallpaper}));
  EXPECT_EQ(item.CustomImgSize, 16);
  EXPECT_EQ(item.BevelStyle, TBevelStyle::bsBevelBoth);
  EXPECT_EQ(item.BevelType, TBevelType::btRectangle);
  EXPECT_EQ(item.Shadow.Options, TShadowOptions{TShadowOption::soNoShadowIfSel});
  EXPECT_FALSE(item.Shadow.Active);
  TMenuDecorBar bar;
  EXPECT_EQ(bar.Size(), 11);
  EXPECT_EQ(bar.BackFrom(), kClBlack);
  EXPECT_EQ(bar.BackTo(), 0xFF0000u);
  EXPECT_EQ(bar.Fore(), kClWhite);
  EXPECT_TRUE(bar.IsSerif());
  EXPECT_FALSE(bar.IsGradient());
  EXPECT_TRUE(bar.IsSeparator());
  EXPECT_EQ(bar.CaptionAlign(), TCaptionAlign::alDown);
  // Declaration order is what stored settings rely on.
  EXPECT_EQ(int(omNoHighlightEnabledButDoRoundRect), 14);
  EXPECT_EQ(int(TRefreshAction::RA_RESTORE), 3);
  EXPECT_EQ(int(TShadowPosition::spRightTop), 3);
}

TEST(MenuDecorDefaults, BarSettersNotifyAndSpacingIsRangeChecked) {
  TMenuDecorBar bar;
  int changes = 0;
  bar.OnChanged = [&] { ++changes; };
  bar.SetIsGradient(true);
  bar.SetCaption("Linetally");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(bar.IsGradient());
  EXPECT_EQ(CheckSpaceInt(0), 0);
  EXPECT_EQ(CheckSpaceInt(5), 5);
  EXPECT_THROW(CheckSpaceInt(6), std::out_of_range);
  EXPECT_THROW(CheckSpaceInt(-1), std::out_of_range);
}

TEST(ItemStyleTemplates, MaskSelectsTheCopiedSettings) {
  ItemStyle from;
  from.NormColor = 0x123456;
  from.SelColor = 0x654321;
  from.CustomImgSize = 24;
  from.Options = {omBevelOnlyIfSel, omNoHighlightImage};
  from.SeparatorText = "Tools";
  from.BevelType = TBevelType::btRoundedRect;
  from.Shadow.Active = true;

  ItemStyle to;
  CopyItemStyle(from, style_mask::kNormColor | style_mask::kImgSize, to);
  EXPECT_EQ(to.NormColor, 0x123456u);
  EXPECT_EQ(to.CustomImgSize, 24);
  EXPECT_EQ(to.SelColor, kClHighlight);
  EXPECT_EQ(to.SeparatorText, "");

  ItemStyle added;
  CopyItemStyle(from, style_mask::kAddOptions, added);
  EXPECT_EQ(added.Options, (TMenuOptions{omFixedImgSize, omTileWallpaper, omTileSelWallpaper,
                                         omBevelOnlyIfSel, omNoHighlightImage}));
  CopyItemStyle(ItemStyle{}, style_mask::kRemoveOptions, added);
  EXPECT_EQ(added.Options, (TMenuOptions{omBevelOnlyIfSel, omNoHighlightImage}));

  ItemStyle all;
  CopyItemStyle(from, 0, all);
  EXPECT_EQ(all.SelColor, 0x654321u);
  EXPECT_EQ(all.BevelType, TBevelType::btRoundedRect);
  EXPECT_EQ(all.SeparatorText, "Tools");
  EXPECT_FALSE(all.Shadow.Active) << "shadows are copied by their own template";
}

TEST(ItemStyleTemplates, ShadowMask) {
  TShadowText from;
  from.Active = true;
  from.ShadowSize = 3;
  from.SelShadowPos = TShadowPosition::spRightTop;
  from.Options = {TShadowOption::soNoShadowIfNormal};
  TShadowText to;
  CopyShadowStyle(from, shadow_mask::kActive | shadow_mask::kAddOptions, to);
  EXPECT_TRUE(to.Active);
  EXPECT_EQ(to.ShadowSize, 1);
  EXPECT_EQ(to.Options, (TShadowOptions{TShadowOption::soNoShadowIfSel, TShadowOption::soNoShadowIfNormal}));
  CopyShadowStyle(from, 0, to);
  EXPECT_EQ(to, from);
}

TEST(DrawPlan, SelectionRules) {
  MenuItemState selectedEnabled{true, false};
  MenuItemState selectedDisabled{true, true};
  EXPECT_TRUE(DrawnSelected({}, selectedEnabled));
  EXPECT_FALSE(DrawnSelected({}, MenuItemState{}));
  EXPECT_FALSE(DrawnSelected({omNoHighlightEnabled}, selectedEnabled));
  EXPECT_TRUE(DrawnSelected({omNoHighlightEnabled}, selectedDisabled));
  EXPECT_FALSE(DrawnSelected({omNoHighlightDisabled}, selectedDisabled));
  EXPECT_TRUE(DrawnSelected({omNoHighlightDisabled}, selectedEnabled));
}

TEST(DrawPlan, NoHighlightImageStartsTheFillAtTheCaption) {
  ItemStyle style;
  style.Options = {omFixedImgSize, omNoHighlightImage, omBevelOnlyIfSel};
  style.BevelInner = TBevelCut::bvRaised;
  style.BevelStyle = TBevelStyle::bsBevelOnlyImage;
  ItemLayout layout;
  layout.pictureLeft = 24;
  layout.captionLeft = 44;
  const MenuRect item{0, 0, 120, 20};
  MenuItemState state{true, false, false, false, true};
  FillPlan fill = PlanFill(style, state, layout, item, 0);
  EXPECT_EQ(fill.left, 43);
  EXPECT_TRUE(fill.preFillNormal);
  style.TextAlign = TTextAlign::alLeft;
  EXPECT_EQ(PlanFill(style, state, layout, item, 0).left, 23);
  // No picture and not checked: the whole item right of the bar.
  state.hasPicture = false;
  EXPECT_EQ(PlanFill(style, state, layout, item, 10).left, 10);
  state.checked = true;
  EXPECT_EQ(PlanFill(style, state, layout, item, 10).left, 23);
  style.TextAlign = TTextAlign::alTop;
  EXPECT_THROW(PlanFill(style, state, layout, item, 0), std::logic_error);
  // Without bevel edges nothing is pre-filled.
  style.TextAlign = TTextAlign::alRight;
  style.BevelInner = TBevelCut::bvNone;
  EXPECT_FALSE(PlanFill(style, state, layout, item, 0).preFillNormal);
}

TEST(DrawPlan, BevelAroundThePictureOnlyWhileSelected) {
  ItemStyle style;
  style.Options = {omFixedImgSize, omBevelOnlyIfSel};
  style.BevelStyle = TBevelStyle::bsBevelOnlyImage;
  ItemLayout layout;
  layout.pictureLeft = 5;
  layout.pictureTop = 42;
  layout.cellSize = 16;
  MenuItemState state{true, false, false, false, true};
  EXPECT_TRUE(BevelShown(style, state, true));
  EXPECT_FALSE(BevelShown(style, state, false));
  state.disabled = true;
  EXPECT_FALSE(BevelShown(style, state, true));
  EXPECT_EQ(BevelRect(style, state, layout, MenuRect{1, 40, 100, 60}, 0, 4, 2), (MenuRect{3, 40, 23, 60}));
  // Without omBevelOnlyIfSel every item but a separator has one.
  style.Options = {};
  EXPECT_TRUE(BevelShown(style, MenuItemState{}, false));
  EXPECT_FALSE(BevelShown(style, MenuItemState{false, false, false, true}, false));
  // The whole item right of the bar otherwise.
  style.BevelStyle = TBevelStyle::bsBevelBoth;
  EXPECT_EQ(BevelRect(style, state, layout, MenuRect{1, 40, 100, 60}, 8, 4, 2), (MenuRect{9, 41, 100, 60}));
}

TEST(DrawPlan, ShadowRule) {
  TShadowText shadow;
  shadow.Active = true;
  shadow.Options = {TShadowOption::soNoShadowIfNormal, TShadowOption::soNoShadowIfSel};
  EXPECT_FALSE(PlanShadow(shadow, true).drawn);
  EXPECT_FALSE(PlanShadow(shadow, false).drawn);
  shadow.Options = {TShadowOption::soNoShadowIfSel};
  EXPECT_FALSE(PlanShadow(shadow, true).drawn);
  shadow.ShadowSize = 2;
  shadow.ShadowPos = TShadowPosition::spLeftBottom;
  ShadowPlacement plan = PlanShadow(shadow, false);
  ASSERT_TRUE(plan.drawn);
  EXPECT_EQ(plan.caption.dx, 2);
  EXPECT_EQ(plan.caption.dy, 0);
  EXPECT_EQ(plan.shadow.dy, 2);
  shadow.ShadowPos = TShadowPosition::spRightTop;
  plan = PlanShadow(shadow, false);
  EXPECT_EQ(plan.caption.dy, 2);
  EXPECT_EQ(plan.shadow.dx, 2);
  shadow.Active = false;
  EXPECT_FALSE(PlanShadow(shadow, false).drawn);
}

TEST(SideBar, LongCaptionMakesTheBarTallerThanTheItems) {
  EXPECT_EQ(PlanBarSize(300, 20, 120, false).height, 308);
  EXPECT_EQ(PlanBarSize(50, 20, 120, false).height, 120);
  const BarSize withStrip = PlanBarSize(50, 20, 120, true);
  EXPECT_EQ(withStrip.captionAreaWidth, 24);
  EXPECT_EQ(withStrip.width, 30);
}

TEST(SideBar, GradientBandsCoverTheImageFromTheBottom) {
  const Colour from = MakeColour(0, 0, 0), to = MakeColour(255, 64, 160);
  const int height = 100;
  EXPECT_EQ(GradientBand(from, to, 0, height).bottom, height);
  EXPECT_EQ(GradientBand(from, to, 0, height).colour, from);
  for (int k = 1; k < kGradientBands; ++k)
    EXPECT_EQ(GradientBand(from, to, k, height).bottom, GradientBand(from, to, k - 1, height).top);
  EXPECT_EQ(GradientBand(from, to, 31, height).top, 0);
  EXPECT_EQ(GradientBand(from, to, 31, height).colour, MakeColour(247, 62, 155));
  // Decreasing channels move towards the target as well.
  EXPECT_EQ(GradientBand(MakeColour(200, 0, 0), 0, 16, height).colour, MakeColour(100, 0, 0));
}

TEST(SideBar, CaptionOrigin) {
  TMenuDecorBar bar;
  bar.SetSpace(3);
  const BarSize size = PlanBarSize(60, 16, 200, true);
  EXPECT_EQ(PlanBarCaption(bar, size, 60).x, 15);
  EXPECT_EQ(PlanBarCaption(bar, size, 60).y, 200 - 7);
  bar.SetCaptionAlign(TCaptionAlign::alUp);
  EXPECT_EQ(PlanBarCaption(bar, size, 60).y, 7 + 60);
  bar.SetCaptionAlign(TCaptionAlign::alCenter);
  EXPECT_EQ(PlanBarCaption(bar, size, 60).y, 130);
}

TEST(MenuText, CaptionShortcutAndAccelerator) {
  EXPECT_EQ(SplitMenuText("&New\tCtrl+N").caption, "&New");
  EXPECT_EQ(SplitMenuText("&New\tCtrl+N").shortcut, "Ctrl+N");
  EXPECT_EQ(SplitMenuText("E&xit").shortcut, "");
  EXPECT_EQ(JoinMenuText({"&Delete", "Ctrl+Del"}), "&Delete\tCtrl+Del");
  EXPECT_EQ(JoinMenuText({"E&xit", ""}), "E&xit");
  EXPECT_EQ(AcceleratorLetter("Save &As..."), 'a');
  EXPECT_EQ(AcceleratorLetter("Fish && &Chips"), 'c');
  EXPECT_EQ(AcceleratorLetter("Plain"), 0);
  EXPECT_EQ(AcceleratorLetter("Trailing&"), 0);
}

TEST(MenuText, ShortcutTexts) {
  EXPECT_EQ(ParseShortCut("Ctrl+N"), (ShortCut{'N', true, false, false}));
  EXPECT_EQ(ParseShortCut("Ctrl+Del"), (ShortCut{0x2E, true, false, false}));
  EXPECT_EQ(ParseShortCut("Shift+Alt+F12"), (ShortCut{0x7B, false, true, true}));
  EXPECT_EQ(ParseShortCut("F5"), (ShortCut{0x74, false, false, false}));
  EXPECT_FALSE(ParseShortCut(""));
  EXPECT_FALSE(ParseShortCut("Ctrl+"));
  EXPECT_FALSE(ParseShortCut("Ctrl+Nope"));
  EXPECT_FALSE(ParseShortCut("F13"));
}

}  // namespace
}  // namespace lt
