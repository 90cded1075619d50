// The side bar image: a gradient or plain strip with the bar caption written bottom-up.
#include "linetally/menudecor/gdi_win32.h"
#include "linetally/menudecor/menu_decor_win32.h"
#include "linetally/menudecor/side_bar.h"

namespace lt {

using namespace gdi;

namespace {

GdiFont BarFont(const TMenuDecorBar& bar, HDC screen, int escapement) {
  LOGFONTA lf{};
  lf.lfHeight = -MulDiv(bar.Size(), GetDeviceCaps(screen, LOGPIXELSY), 72);
  lf.lfWeight = FW_BOLD;
  lf.lfEscapement = escapement;
  lf.lfOrientation = escapement;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;  // only outline fonts turn
  lf.lfPitchAndFamily = bar.IsSerif() ? FF_ROMAN : FF_SWISS;
  lstrcpyA(lf.lfFaceName, bar.IsSerif() ? "Times New Roman" : "Arial");
  return GdiFont(CreateFontIndirectA(&lf));
}

void VerticalLine(HDC dc, int x, int height, Colour colour) {
  GdiPen pen(CreatePen(PS_SOLID, 1, ToRgb(colour)));
  Selection keep(dc, pen.Get());
  MoveToEx(dc, x, 0, nullptr);
  LineTo(dc, x, height);
}

}  // namespace

void TMenuDecor::BuildBar(int itemsHeight) {
  ScreenDc screen;
  const std::string& caption = MenuBar.Caption();
  SIZE extent{0, 0};
  {
    GdiFont upright = BarFont(MenuBar, screen.Get(), 0);
    Selection keep(screen.Get(), upright.Get());
    GetTextExtentPoint32A(screen.Get(), caption.c_str(), int(caption.size()), &extent);
  }
  const BarSize size = PlanBarSize(extent.cx, extent.cy, itemsHeight, MenuBar.IsSeparator());
  GdiBitmap image(CreateCompatibleBitmap(screen.Get(), size.width, size.height));
  MemoryDc dc(screen.Get());
  {
    Selection keepImage(dc.Get(), image.Get());
    if (MenuBar.IsGradient()) {
      for (int k = 0; k < kGradientBands; ++k) {
        const BarBand band = GradientBand(ToRgb(MenuBar.BackFrom()), ToRgb(MenuBar.BackTo()), k, size.height);
        FillColour(dc.Get(), RECT{0, band.top, size.captionAreaWidth, band.bottom}, band.colour);
      }
    } else {
      FillColour(dc.Get(), RECT{0, 0, size.captionAreaWidth, size.height}, MenuBar.BackFrom());
    }
    GdiFont rotated = BarFont(MenuBar, screen.Get(), 900);
    Selection keepFont(dc.Get(), rotated.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), ToRgb(MenuBar.Fore()));
    SetTextAlign(dc.Get(), TA_BASELINE | TA_LEFT);
    const BarCaptionOrigin origin = PlanBarCaption(MenuBar, size, extent.cx);
    TextOutA(dc.Get(), origin.x, origin.y, caption.c_str(), int(caption.size()));
    if (MenuBar.IsSeparator()) {
      FillColour(dc.Get(), RECT{size.captionAreaWidth, 0, size.width, size.height}, kClMenu);
      VerticalLine(dc.Get(), size.width - 4, size.height, kClGrey);
      VerticalLine(dc.Get(), size.width - 3, size.height, kClBtnHighlight);
    }
  }
  barImage = std::move(image);
  barSize = {size.width, size.height};
  for (auto& item : items)
    if (item->Options.Has(TMenuOption::omDrawBarIfNeeded)) item->barColour = MenuBar.BackFrom();
}

}  // namespace lt
