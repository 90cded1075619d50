#pragma once
// Value types of the menu decoration: colours, fonts, the enumerations, and the settings of a
// bound item (ItemStyle), of its caption shadow (TShadowText) and of the side bar
// (TMenuDecorBar). Nothing here touches the platform.
#include <cstdint>
#include <functional>
#include <string>

namespace lt {

// 0x00BBGGRR, or 0x80000000 plus a system colour index (the user's colour of that role).
using Colour = uint32_t;
constexpr Colour kClBlack = 0x000000;
constexpr Colour kClWhite = 0xFFFFFF;
constexpr Colour kClBlue = 0xFF0000;
constexpr Colour kClGrey = 0x808080;
constexpr Colour kClDarkRed = 0x000080;  // transparent colour of the check images
constexpr Colour kClNone = 0x1FFFFFFF;   // no transparent colour
constexpr Colour kClMenu = 0x80000004;
constexpr Colour kClWindowText = 0x80000008;
constexpr Colour kClMenuText = 0x80000007;
constexpr Colour kClHighlight = 0x8000000D;
constexpr Colour kClHighlightText = 0x8000000E;
constexpr Colour kClBtnShadow = 0x80000010;
constexpr Colour kClBtnHighlight = 0x80000014;

constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
constexpr int RedOf(Colour c) { return int(c & 0xFF); }
constexpr int GreenOf(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return int((c >> 16) & 0xFF); }
constexpr Colour MakeColour(int r, int g, int b) { return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16); }

struct FontSpec {
  std::string Name = "MS Sans Serif";
  int Height = -11;  // as a logical font's height: negative means character height in pixels
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  Colour Color = kClWindowText;
  bool operator==(const FontSpec&) const = default;
};

enum class TMenuOption {
  omAlwaysDefFont,
  omAlwaysDefFontColor,
  omAlwaysDefFontSize,
  omFixedImgSize,
  omDrawBarIfNeeded,
  omPaintWallpaper,
  omPaintSelWallpaper,
  omTileWallpaper,
  omTileSelWallpaper,
  omBevelOnlyIfSel,
  omNoHighlightImage,
  omNoHighlightDisabled,
  omNoHighlightEnabled,
  omNoHighlightEnabledButDoText,
  omNoHighlightEnabledButDoRoundRect,
};
enum class TTextAlign { alTop, alBottom, alLeft, alRight };
enum class TBevelStyle { bsBevelBoth, bsBevelOnlyImage, bsBevelOnlyText };
enum class TBevelType { btRectangle, btRoundedRect };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TRefreshAction { RA_NONE, RA_REFRESH, RA_REFRESHWITHBAR, RA_RESTORE };
enum class TCaptionAlign { alUp, alDown, alCenter };
enum class TShadowPosition { spLeftTop, spLeftBottom, spRightBottom, spRightTop };
enum class TShadowOption { soNoShadowIfNormal, soNoShadowIfSel };

// A set of a small enumeration, one bit per member.
template <typename E>
class EnumSet {
 public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<E> members) {
    for (E m : members) bits |= Bit(m);
  }
  constexpr bool Has(E m) const { return (bits & Bit(m)) != 0; }
  constexpr EnumSet& Add(EnumSet other) { bits |= other.bits; return *this; }
  constexpr EnumSet& Remove(EnumSet other) { bits &= ~other.bits; return *this; }
  constexpr bool operator==(const EnumSet&) const = default;

 private:
  static constexpr uint32_t Bit(E m) { return uint32_t(1) << int(m); }
  uint32_t bits = 0;
};
using TMenuOptions = EnumSet<TMenuOption>;
using TShadowOptions = EnumSet<TShadowOption>;

struct TShadowText {
  bool Active = false;
  TShadowOptions Options{TShadowOption::soNoShadowIfSel};
  Colour ShadowColor = kClBtnHighlight;
  Colour SelShadowColor = kClBtnHighlight;
  uint8_t ShadowSize = 1;
  uint8_t SelShadowSize = 1;
  TShadowPosition ShadowPos = TShadowPosition::spLeftTop;
  TShadowPosition SelShadowPos = TShadowPosition::spLeftTop;
  bool operator==(const TShadowText&) const = default;
};

// The settings of one bound item that templates copy (see ApplyItemsStyle).
struct ItemStyle {
  FontSpec Font;
  Colour TrColor = kClNone;
  Colour SelColor = kClHighlight;
  Colour NormColor = kClMenu;
  TTextAlign TextAlign = TTextAlign::alRight;
  TMenuOptions Options{TMenuOption::omFixedImgSize, TMenuOption::omTileWallpaper,
                       TMenuOption::omTileSelWallpaper};
  int CustomImgSize = 16;
  TBevelCut BevelInner = TBevelCut::bvNone;
  TBevelCut BevelOuter = TBevelCut::bvNone;
  TBevelStyle BevelStyle = TBevelStyle::bsBevelBoth;
  TBevelType BevelType = TBevelType::btRectangle;
  std::string SeparatorText;
  Colour SelTextColor = kClHighlightText;
  TShadowText Shadow;
};

// Side bar settings; every change fires OnChanged so the owner can rebuild the bar.
class TMenuDecorBar {
 public:
  std::function<void()> OnChanged;

  const std::string& Caption() const { return caption; }
  int Size() const { return size; }
  uint16_t Space() const { return space; }
  Colour BackFrom() const { return backFrom; }
  Colour BackTo() const { return backTo; }
  Colour Fore() const { return fore; }
  bool IsSerif() const { return isSerif; }
  bool IsGradient() const { return isGradient; }
  bool IsSeparator() const { return isSeparator; }
  TCaptionAlign CaptionAlign() const { return captionAlign; }

  void SetCaption(const std::string& value) { Store(caption, value); }
  void SetSize(int value) { Store(size, value); }
  void SetSpace(uint16_t value) { Store(space, value); }
  void SetBackFrom(Colour value) { Store(backFrom, value); }
  void SetBackTo(Colour value) { Store(backTo, value); }
  void SetFore(Colour value) { Store(fore, value); }
  void SetIsSerif(bool value) { Store(isSerif, value); }
  void SetIsGradient(bool value) { Store(isGradient, value); }
  void SetIsSeparator(bool value) { Store(isSeparator, value); }
  void SetCaptionAlign(TCaptionAlign value) { Store(captionAlign, value); }

 private:
  template <typename T>
  void Store(T& field, const T& value) {
    field = value;
    if (OnChanged) OnChanged();
  }
  std::string caption;
  int size = 11;
  uint16_t space = 0;
  Colour backFrom = kClBlack;
  Colour backTo = kClBlue;
  Colour fore = kClWhite;
  bool isSerif = true;
  bool isGradient = false;
  bool isSeparator = true;
  TCaptionAlign captionAlign = TCaptionAlign::alDown;
};

// HSpace and VSpace take 0 to 5 pixels; anything else throws std::out_of_range.
int CheckSpaceInt(int value);

}  // namespace lt
