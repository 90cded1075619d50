#include "yearboard/sheet/picture_file.h"

#include <cctype>

namespace yb {

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& ending) {
  if (text.size() < ending.size()) return false;
  for (std::size_t i = 0; i < ending.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[text.size() - ending.size() + i]);
    if (std::tolower(a) != ending[i]) return false;
  }
  return true;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

PictureFormat PictureFormatFor(std::string& path, PictureFormat chosen) {
  if (EndsWithNoCase(path, ".png")) return PictureFormat::Png;
  if (EndsWithNoCase(path, ".bmp")) return PictureFormat::Bmp;
  path += chosen == PictureFormat::Png ? ".png" : ".bmp";
  return chosen;
}

std::string EncodeBmp(int width, int height, const std::uint8_t* pixels, int stride) {
  constexpr std::uint32_t kHeaderSize = 14 + 40;
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
  std::string out;
  out.reserve(kHeaderSize + imageSize);
  out += "BM";
  PutLittleEndian(out, kHeaderSize + imageSize, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kHeaderSize, 4);
  PutLittleEndian(out, 40, 4);  // BITMAPINFOHEADER
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);  // positive: bottom row first
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);  // no compression
  PutLittleEndian(out, imageSize, 4);
  PutLittleEndian(out, 3780, 4);  // 96 dots per inch
  PutLittleEndian(out, 3780, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int row = height - 1; row >= 0; --row) {
    const auto* line = pixels + static_cast<std::ptrdiff_t>(row) * stride;
    out.append(reinterpret_cast<const char*>(line), static_cast<std::size_t>(width) * 3);
    out.append(rowSize - static_cast<std::uint32_t>(width) * 3, '\0');
  }
  return out;
}

}  // namespace yb
