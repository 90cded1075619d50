#pragma once
// Text pixel maps, the readable source of the programs' pictures, and their conversion to
// BMP (24-bit, frames side by side as one strip) and ICO (32 x 32 or 16 x 16, one image).
//
// Format, one statement a line; '#' starts a comment line:
//   size W H              frame size in pixels (first statement)
//   key C #RRGGBB         the colour of character C
//   key C transparent     C is see-through (the icon's mask; in a BMP, the colour given by
//                         `transparent #RRGGBB`, white when not set)
//   transparent #RRGGBB   the colour that stands for see-through pixels in a BMP
//   frame                 starts a frame: H rows of W key characters follow
#include <cstdint>
#include <string>
#include <vector>

namespace pixmap {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool transparent = false;
};

struct Image {
  int width = 0, height = 0;  // of one frame
  Rgb transparentColour{255, 255, 255, false};
  std::vector<std::vector<Rgb>> frames;  // each width * height, top row first
};

// Throws std::runtime_error with the line number on bad input.
Image Parse(const std::string& text);
std::vector<uint8_t> ToBmp(const Image& image);
std::vector<uint8_t> ToIco(const Image& image);  // the first frame

}  // namespace pixmap
