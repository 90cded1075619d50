#include "linetally/menudecor/picture_win32.h"

#include <commctrl.h>

#include <utility>

#include "linetally/menudecor/gdi_win32.h"

namespace lt {

using namespace gdi;

TPicture TPicture::FromBitmap(HBITMAP owned) {
  TPicture p;
  if (owned) p.kind = Kind::Bitmap, p.handle = owned;
  return p;
}

TPicture TPicture::FromIcon(HICON owned) {
  TPicture p;
  if (owned) p.kind = Kind::Icon, p.handle = owned;
  return p;
}

TPicture TPicture::FromMetafile(HENHMETAFILE owned) {
  TPicture p;
  if (owned) p.kind = Kind::Metafile, p.handle = owned;
  return p;
}

TPicture TPicture::CopyOfBitmap(HBITMAP bitmap) {
  return FromBitmap(bitmap ? HBITMAP(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr);
}

TPicture TPicture::FromImageList(HIMAGELIST list, int index) {
  int cx = 0, cy = 0;
  ImageList_GetIconSize(list, &cx, &cy);
  ScreenDc screen;
  MemoryDc dc(screen.Get());
  HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), cx, cy);
  {
    Selection keep(dc.Get(), bitmap);
    const RECT all{0, 0, cx, cy};
    FillColour(dc.Get(), all, kClWhite);
    ImageList_Draw(list, index, dc.Get(), 0, 0, ILD_NORMAL);
  }
  return FromBitmap(bitmap);
}

TPicture::TPicture(TPicture&& other) noexcept
    : kind(std::exchange(other.kind, Kind::None)), handle(std::exchange(other.handle, nullptr)) {}

TPicture& TPicture::operator=(TPicture&& other) noexcept {
  if (this != &other) {
    Release();
    kind = std::exchange(other.kind, Kind::None);
    handle = std::exchange(other.handle, nullptr);
  }
  return *this;
}

TPicture::~TPicture() { Release(); }

void TPicture::Release() {
  switch (kind) {
    case Kind::Bitmap: DeleteObject(HBITMAP(handle)); break;
    case Kind::Icon: DestroyIcon(HICON(handle)); break;
    case Kind::Metafile: DeleteEnhMetaFile(HENHMETAFILE(handle)); break;
    case Kind::None: break;
  }
  kind = Kind::None;
  handle = nullptr;
}

SIZE TPicture::Size() const {
  switch (kind) {
    case Kind::Bitmap: {
      BITMAP bm{};
      GetObjectA(Bitmap(), sizeof bm, &bm);
      return {bm.bmWidth, bm.bmHeight};
    }
    case Kind::Icon: {
      ICONINFO info{};
      if (!GetIconInfo(Icon(), &info)) return {0, 0};
      GdiBitmap colour(info.hbmColor), mask(info.hbmMask);
      BITMAP bm{};
      GetObjectA(mask.Get(), sizeof bm, &bm);
      return {bm.bmWidth, colour ? bm.bmHeight : bm.bmHeight / 2};
    }
    case Kind::Metafile: {
      ENHMETAHEADER header{};
      GetEnhMetaFileHeader(Metafile(), sizeof header, &header);
      return {header.rclBounds.right - header.rclBounds.left + 1,
              header.rclBounds.bottom - header.rclBounds.top + 1};
    }
    case Kind::None: break;
  }
  return {0, 0};
}

Colour TPicture::BottomLeftPixel() const {
  if (kind != Kind::Bitmap) return kClNone;
  ScreenDc screen;
  MemoryDc dc(screen.Get());
  Selection keep(dc.Get(), Bitmap());
  return Colour(GetPixel(dc.Get(), 0, Size().cy - 1));
}

void DrawBitmapCell(HDC dc, HBITMAP bitmap, const RECT& cell, Colour transparent) {
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return;
  const int w = cell.right - cell.left, h = cell.bottom - cell.top;
  MemoryDc source(dc);
  Selection keep(source.Get(), bitmap);
  if (transparent == kClNone) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, cell.left, cell.top, w, h, source.Get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  } else {
    TransparentBlt(dc, cell.left, cell.top, w, h, source.Get(), 0, 0, bm.bmWidth, bm.bmHeight,
                   ToRgb(transparent));
  }
}

void TPicture::Draw(HDC dc, const RECT& cell, Colour transparent, Colour iconBackground) const {
  switch (kind) {
    case Kind::Bitmap:
      DrawBitmapCell(dc, Bitmap(), cell, transparent);
      break;
    case Kind::Icon: {
      GdiBrush brush(CreateSolidBrush(ToRgb(iconBackground)));
      DrawIconEx(dc, cell.left, cell.top, Icon(), cell.right - cell.left, cell.bottom - cell.top, 0,
                 brush.Get(), DI_NORMAL);
      break;
    }
    case Kind::Metafile:
      PlayEnhMetaFile(dc, Metafile(), &cell);
      break;
    case Kind::None: break;
  }
}

}  // namespace lt
