#pragma once
// GDI for the menu decoration: the shared handle owners, and colour resolution.
#include <windows.h>

#include "linetally/base/gdi_win32.h"
#include "linetally/menudecor/menu_decor_types.h"
#include "linetally/menudecor/menu_layout.h"

namespace lt::gdi {

// The RGB value of a colour, system colours looked up now.
inline COLORREF ToRgb(Colour c) {
  return IsSystemColour(c) ? GetSysColor(int(c & 0xFF)) : COLORREF(c & 0xFFFFFF);
}

inline RECT ToRect(const MenuRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

inline void FillColour(HDC dc, const RECT& r, Colour c) {
  GdiBrush brush(CreateSolidBrush(ToRgb(c)));
  FillRect(dc, &r, brush.Get());
}

}  // namespace lt::gdi
