#pragma once
// Helpers shared by the parts of the menu decoration: fonts and text metrics on a DC.
#include <windows.h>

#include "linetally/menudecor/gdi_win32.h"
#include "linetally/menudecor/menu_layout.h"

namespace lt {

// The system menu font from the non-client metrics; the colour is left as menu text.
FontSpec SystemMenuFont();
GdiFont CreateItemFont(const FontSpec& font, bool bold);

// Extents as DrawText lays the text out ("&" marks the accelerator and takes no room).
class DcMetrics : public TextMetrics {
 public:
  explicit DcMetrics(HDC dc) : dc(dc) {}
  TextExtent Extent(const std::string& text) override;

 private:
  HDC dc;
};

}  // namespace lt
