#pragma once
// A menu item picture: a bitmap, an icon or an enhanced metafile, owned.
#include <windows.h>
#include <commctrl.h>

#include "linetally/menudecor/menu_decor_types.h"

namespace lt {

// Draws a bitmap stretched into `cell`, leaving `transparent` pixels alone unless that is
// kClNone.
void DrawBitmapCell(HDC dc, HBITMAP bitmap, const RECT& cell, Colour transparent);

class TPicture {
 public:
  enum class Kind { None, Bitmap, Icon, Metafile };

  TPicture() = default;
  static TPicture FromBitmap(HBITMAP owned);
  static TPicture FromIcon(HICON owned);
  static TPicture FromMetafile(HENHMETAFILE owned);
  // A copy of a bitmap the caller keeps (resources, wallpapers of other owners).
  static TPicture CopyOfBitmap(HBITMAP bitmap);
  // Image `index` of the list drawn on white, so see-through pixels turn white.
  static TPicture FromImageList(HIMAGELIST list, int index);

  TPicture(TPicture&& other) noexcept;
  TPicture& operator=(TPicture&& other) noexcept;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;
  ~TPicture();

  Kind GetKind() const { return kind; }
  bool Empty() const { return kind == Kind::None; }
  HBITMAP Bitmap() const { return kind == Kind::Bitmap ? HBITMAP(handle) : nullptr; }
  HICON Icon() const { return kind == Kind::Icon ? HICON(handle) : nullptr; }
  HENHMETAFILE Metafile() const { return kind == Kind::Metafile ? HENHMETAFILE(handle) : nullptr; }
  SIZE Size() const;
  // The bottom-left pixel of a bitmap (its usual transparent colour); kClNone otherwise.
  Colour BottomLeftPixel() const;

  // Draws stretched into `cell`; a bitmap leaves `transparent` pixels alone unless it is
  // kClNone; an icon is drawn flicker-free over `iconBackground`.
  void Draw(HDC dc, const RECT& cell, Colour transparent, Colour iconBackground) const;

 private:
  void Release();
  Kind kind = Kind::None;
  void* handle = nullptr;
};

}  // namespace lt
