#pragma once
// The year saved as a picture: its size (the printed page's proportions at a width a screen
// shows well), the format a file name asks for, and the bytes of a 24-bit BMP file. PNG files
// come from the system's own encoder.
#include <cstdint>
#include <string>

namespace yb {

constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 1131;  // a landscape A4 page's proportions

enum class PictureFormat { Png, Bmp };

// A name ending in ".png" or ".bmp" (any letter case) is saved in that format; any other name
// in the format chosen in the dialog, with its extension added.
PictureFormat PictureFormatFor(std::string& path, PictureFormat chosen);

// A BMP file of 24-bit pixels given top row first, each row blue, green, red per pixel and
// `stride` bytes long (as a top-down DIB section lays them out).
std::string EncodeBmp(int width, int height, const std::uint8_t* pixels, int stride);

}  // namespace yb
