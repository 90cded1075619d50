// Painting checked by pixels on real device contexts.
#include <gtest/gtest.h>

#include <set>

#include "tests/linetally/menudecor/decor_fixture_win32.h"

namespace lt::testing {
namespace {

// Item layout of the picture group with HSpace 4, VSpace 2 in a 20-pixel row: the cell is
// x 4..19, y 2..17 (its white ring x 4,5 and 18,19 is see-through), the bevel x 2..21,
// the caption starts at x 24.
constexpr int kCellLeft = 4, kBevelLeft = 2, kBevelRight = 21;

int CountIn(const DecorFixture::Drawn& d, RECT r, COLORREF colour) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) n += d.At(x, y) == colour;
  return n;
}
constexpr RECT kCell{4, 2, 20, 18};

TEST(MenuPaint, NoHighlightImageKeepsThePictureCellNormal) {
  DecorFixture f;
  TMenuDecorItem& item = f.BindPictureItem(kIdNew);
  const auto selected = f.Draw(item, ODS_SELECTED);
  EXPECT_EQ(selected->At(150, 10), kSel) << "caption side highlighted";
  EXPECT_EQ(selected->At(1, 10), kNorm) << "left of the bevel";
  EXPECT_EQ(selected->At(22, 10), kNorm) << "between the bevel and the caption";
  EXPECT_EQ(selected->At(kCellLeft + 1, 10), kNorm) << "see-through ring of the picture";
  EXPECT_EQ(selected->At(kCellLeft + 8, 10), kPictureInk);
  const auto normal = f.Draw(item, 0);
  EXPECT_EQ(normal->At(150, 10), kNorm);
  EXPECT_EQ(normal->Count(kSel), 0);
}

TEST(MenuPaint, RaisedBevelAroundThePictureOfTheSelectedItemOnly) {
  DecorFixture f;
  TMenuDecorItem& item = f.BindPictureItem(kIdNew);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  const auto selected = f.Draw(item, ODS_SELECTED);
  EXPECT_EQ(selected->At(kBevelLeft, 10), light);
  EXPECT_EQ(selected->At(10, 0), light);
  EXPECT_EQ(selected->At(kBevelRight, 10), dark);
  EXPECT_EQ(selected->At(10, 19), dark);
  EXPECT_EQ(selected->At(100, 19), kSel) << "the bevel takes the picture only";
  const auto normal = f.Draw(item, 0);
  EXPECT_EQ(normal->At(kBevelLeft, 10), kNorm);
  EXPECT_EQ(normal->At(kBevelRight, 10), kNorm);
  EXPECT_EQ(normal->At(10, 0), kNorm);
}

TEST(MenuPaint, BothNoShadowOptionsMeanNoShadowPixels) {
  DecorFixture f;
  TMenuDecorItem& item = f.BindPictureItem(kIdOpen);
  const COLORREF magenta = RGB(255, 0, 255);
  item.Shadow.Active = true;
  item.Shadow.ShadowColor = item.Shadow.SelShadowColor = magenta;
  item.Shadow.Options = {TShadowOption::soNoShadowIfNormal, TShadowOption::soNoShadowIfSel};
  EXPECT_EQ(f.Draw(item, 0)->Count(magenta), 0);
  EXPECT_EQ(f.Draw(item, ODS_SELECTED)->Count(magenta), 0);
  item.Shadow.Options = {};
  EXPECT_GT(f.Draw(item, 0)->Count(magenta), 10) << "the same item with shadows allowed";
  EXPECT_GT(f.Draw(item, ODS_SELECTED)->Count(magenta), 10);
}

TEST(MenuPaint, CheckedItemsShowTheCheckOrRadioImage) {
  DecorFixture f;
  TMenuDecorItem& item = f.BindPictureItem(kIdNew);
  CheckMenuItem(f.file, kIdNew, MF_BYCOMMAND | MF_CHECKED);
  const COLORREF black = RGB(0, 0, 0), darkRed = RGB(128, 0, 0);
  auto drawn = f.Draw(item, ODS_CHECKED);
  EXPECT_EQ(CountIn(*drawn, kCell, kPictureInk), 0) << "the picture gives way to the check";
  EXPECT_EQ(CountIn(*drawn, kCell, darkRed), 0) << "dark red is see-through";
  EXPECT_EQ(drawn->At(kCell.left + 5, kCell.top + 8), black);   // check mark stroke
  EXPECT_EQ(drawn->At(kCell.left + 11, kCell.top + 4), black);
  EXPECT_EQ(drawn->At(kCell.left + 2, kCell.top + 2), kNorm);

  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(f.file, kIdNew, FALSE, &info);
  info.fType |= MFT_RADIOCHECK;
  SetMenuItemInfoA(f.file, kIdNew, FALSE, &info);
  drawn = f.Draw(item, ODS_CHECKED);
  EXPECT_EQ(drawn->At(kCell.left + 7, kCell.top + 7), black);  // radio dot
  EXPECT_EQ(drawn->At(kCell.left + 11, kCell.top + 4), kNorm);

  // Disabled and checked: the check mark embossed, nothing black left.
  drawn = f.Draw(item, ODS_CHECKED | ODS_GRAYED);
  EXPECT_EQ(CountIn(*drawn, kCell, black), 0);
  EXPECT_GT(CountIn(*drawn, kCell, GetSysColor(COLOR_BTNSHADOW)), 10);
}

TEST(MenuPaint, DisabledPictureIsEmbossedFromItsMask) {
  DecorFixture f;
  TMenuDecorItem& item = f.BindPictureItem(kIdOpen);
  const auto drawn = f.Draw(item, ODS_GRAYED);
  EXPECT_EQ(CountIn(*drawn, kCell, kPictureInk), 0);
  EXPECT_EQ(CountIn(*drawn, kCell, GetSysColor(COLOR_BTNSHADOW)), 12 * 12) << "the blue square's shape";
  EXPECT_EQ(drawn->At(kCell.left + 14, kCell.top + 14), GetSysColor(COLOR_BTNHIGHLIGHT)) << "offset copy";
  EXPECT_EQ(drawn->At(kCell.left + 1, kCell.top + 1), kNorm);
}

TEST(MenuPaint, GradientBarHas32BandsFromBackFromAtTheBottom) {
  DecorFixture f;
  f.decor->SetShowBar(true);
  f.decor->MenuBar.SetIsGradient(true);
  f.decor->MenuBar.SetBackFrom(RGB(200, 0, 0));
  f.decor->MenuBar.SetBackTo(RGB(0, 0, 200));
  f.decor->MenuBar.SetCaption("Linetally");
  TMenuDecorItem& newItem = f.BindPictureItem(kIdNew);
  TMenuDecorItem& open = f.BindPictureItem(kIdOpen);
  newItem.Options.Add({TMenuOption::omDrawBarIfNeeded});
  open.Options.Add({TMenuOption::omDrawBarIfNeeded});
  SendMessageA(f.window, WM_INITMENUPOPUP, WPARAM(f.file), 0);
  f.Measure(newItem);
  ASSERT_NE(f.decor->BarImage(), nullptr);
  BITMAP bm{};
  GetObjectA(f.decor->BarImage(), sizeof bm, &bm);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, f.decor->BarImage());
  std::set<COLORREF> bands;
  for (int y = 0; y < bm.bmHeight; ++y) bands.insert(GetPixel(dc, 0, y));
  EXPECT_EQ(bands.size(), 32u);
  EXPECT_EQ(GetPixel(dc, 0, bm.bmHeight - 1), RGB(200, 0, 0));
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(200 - 193, 0, 193));
  EXPECT_EQ(GetPixel(dc, bm.bmWidth - 4, 5), RGB(128, 128, 128)) << "separator strip";
  EXPECT_GT(bm.bmHeight, 9 * 4) << "at least as tall as the caption";
  const COLORREF barRow3 = GetPixel(dc, 1, 3);
  SelectObject(dc, old);
  DeleteDC(dc);
  // Each item shows its rows of the bar, and its picture moves right of it.
  const auto drawn = f.Draw(newItem, 0, 200);
  EXPECT_EQ(drawn->At(1, 3), barRow3);
  EXPECT_EQ(drawn->At(bm.bmWidth + kCellLeft + 8, 10), kPictureInk);
}

TEST(MenuPaint, LongBarCaptionMakesThePopupTallerThanItsItems) {
  DecorFixture f;
  f.decor->SetShowBar(true);
  f.decor->MenuBar.SetCaption("Linetally, the online time and cost logger");
  TMenuDecorItem& newItem = f.BindPictureItem(kIdNew);
  TMenuDecorItem& open = f.BindPictureItem(kIdOpen);
  newItem.Options.Add({TMenuOption::omDrawBarIfNeeded});
  open.Options.Add({TMenuOption::omDrawBarIfNeeded});
  SendMessageA(f.window, WM_INITMENUPOPUP, WPARAM(f.file), 0);
  EXPECT_EQ(f.Measure(newItem).cy, 20);
  BITMAP bm{};
  GetObjectA(f.decor->BarImage(), sizeof bm, &bm);
  ASSERT_GT(bm.bmHeight, 40);
  EXPECT_EQ(f.Measure(open).cy, 20 + bm.bmHeight - 40) << "the lowest item takes the rest of the bar";
  f.decor->SetShowBar(false);
  EXPECT_EQ(f.decor->BarImage(), nullptr);
}

TEST(MenuPaint, WallpaperCopiedAndInvertedForTheSelectedItem) {
  DecorFixture f;
  TMenuDecorItem& item = f.decor->AddItem();
  item.Bind(f.menuBar, kIdExit);
  item.Options = {TMenuOption::omFixedImgSize, TMenuOption::omPaintWallpaper};
  HDC screen = GetDC(nullptr);
  HBITMAP paper = CreateCompatibleBitmap(screen, 300, 100);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, paper);
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  RECT all{0, 0, 300, 100};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  f.decor->SetWallpaper(TPicture::FromBitmap(paper));
  EXPECT_EQ(f.Draw(item, 0)->At(150, 10), RGB(10, 20, 30));
  EXPECT_EQ(f.Draw(item, ODS_SELECTED)->At(150, 10), RGB(245, 235, 225));
}

TEST(MenuPaint, FailuresAreReportedAndTheMessageCountsAsHandled) {
  DecorFixture f;
  std::string reported;
  f.decor->OnError = [&](const std::string& message) { reported = message; };
  TMenuDecorItem& item = f.BindPictureItem(kIdOpen);
  HDC meta = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  Rectangle(meta, 0, 0, 10, 10);
  item.SetPicture(TPicture::FromMetafile(CloseEnhMetaFile(meta)));
  f.Draw(item, 0);
  EXPECT_EQ(reported, "");
  f.Draw(item, ODS_GRAYED);
  EXPECT_EQ(reported, "Metafile can't be attached to disabled menu item");
  item.SetPicture(DecorFixture::RingPicture());
  item.TextAlign = TTextAlign::alTop;
  f.Draw(item, ODS_SELECTED);
  EXPECT_EQ(reported, "Advanced features available only for horisontal aligned items");
}

}  // namespace
}  // namespace lt::testing
