#include "tools/pixmap/pixmap.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace pixmap {
namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
  throw std::runtime_error("line " + std::to_string(line) + ": " + what);
}

Rgb ParseColour(const std::string& text, int line) {
  if (text == "transparent") return Rgb{0, 0, 0, true};
  if (text.size() != 7 || text[0] != '#') Fail(line, "colour must be #RRGGBB or transparent");
  unsigned long v = 0;
  try {
    v = std::stoul(text.substr(1), nullptr, 16);
  } catch (const std::exception&) {
    Fail(line, "bad colour " + text);
  }
  return Rgb{uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v), false};
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER of a bottom-up DIB.
void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize) {
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, uint16_t(bits));
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

}  // namespace

Image Parse(const std::string& text) {
  Image image;
  std::map<char, Rgb> keys;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0, rowsLeft = 0;
  std::vector<Rgb>* frame = nullptr;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rowsLeft > 0) {
      if (int(line.size()) != image.width) Fail(lineNo, "row must have " + std::to_string(image.width) + " pixels");
      for (char c : line) {
        auto key = keys.find(c);
        if (key == keys.end()) Fail(lineNo, std::string("unknown key '") + c + "'");
        frame->push_back(key->second);
      }
      --rowsLeft;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word == "size") {
      if (!(words >> image.width >> image.height) || image.width <= 0 || image.height <= 0)
        Fail(lineNo, "size needs a width and a height");
    } else if (word == "key") {
      std::string key, colour;
      if (!(words >> key >> colour) || key.size() != 1) Fail(lineNo, "key needs a character and a colour");
      keys[key[0]] = ParseColour(colour, lineNo);
    } else if (word == "transparent") {
      std::string colour;
      words >> colour;
      image.transparentColour = ParseColour(colour, lineNo);
    } else if (word == "frame") {
      if (image.width == 0) Fail(lineNo, "size must come before the first frame");
      image.frames.emplace_back();
      frame = &image.frames.back();
      rowsLeft = image.height;
    } else {
      Fail(lineNo, "unknown statement '" + word + "'");
    }
  }
  if (rowsLeft > 0) Fail(lineNo, "the last frame is short of rows");
  if (image.frames.empty()) Fail(lineNo, "no frame");
  return image;
}

std::vector<uint8_t> ToBmp(const Image& image) {
  const int width = image.width * int(image.frames.size());
  const int rowBytes = RowBytes(width, 24);
  const uint32_t imageSize = uint32_t(rowBytes * image.height);
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, 14 + 40 + imageSize);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, width, image.height, 24, imageSize);
  for (int y = image.height - 1; y >= 0; --y) {
    size_t start = out.size();
    for (const auto& frame : image.frames) {
      for (int x = 0; x < image.width; ++x) {
        Rgb p = frame[size_t(y * image.width + x)];
        if (p.transparent) p = image.transparentColour;
        out.push_back(p.b);
        out.push_back(p.g);
        out.push_back(p.r);
      }
    }
    out.resize(start + size_t(rowBytes), 0);
  }
  return out;
}

std::vector<uint8_t> ToIco(const Image& image) {
  const int w = image.width, h = image.height;
  if (w > 255 || h > 255) throw std::runtime_error("an icon is at most 255 pixels wide and high");
  const int maskRow = RowBytes(w, 1);
  const uint32_t xorSize = uint32_t(w * h * 4), andSize = uint32_t(maskRow * h);
  const uint32_t dibSize = 40 + xorSize + andSize;
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.push_back(uint8_t(w));
  out.push_back(uint8_t(h));
  out.push_back(0);
  out.push_back(0);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, dibSize);
  Put32(out, 6 + 16);
  PutInfoHeader(out, w, h * 2, 32, xorSize + andSize);  // height covers colour and mask
  const auto& frame = image.frames.front();
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const Rgb& p = frame[size_t(y * w + x)];
      out.push_back(p.transparent ? 0 : p.b);
      out.push_back(p.transparent ? 0 : p.g);
      out.push_back(p.transparent ? 0 : p.r);
      out.push_back(p.transparent ? 0 : 255);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(maskRow), 0);
    for (int x = 0; x < w; ++x)
      if (frame[size_t(y * w + x)].transparent) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace pixmap
