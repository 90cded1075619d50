#pragma once
// Little-endian byte building and bounds-checked reading for the help file's binary records.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace winhelp {

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes.push_back(v); }
  void U16(uint16_t v) {
    U8(uint8_t(v));
    U8(uint8_t(v >> 8));
  }
  void U32(uint32_t v) {
    U16(uint16_t(v));
    U16(uint16_t(v >> 16));
  }
  void I32(int32_t v) { U32(uint32_t(v)); }
  void Bytes(const std::vector<uint8_t>& v) { bytes.insert(bytes.end(), v.begin(), v.end()); }
  void Text(std::string_view s) { bytes.insert(bytes.end(), s.begin(), s.end()); }
  void TextZ(std::string_view s) {
    Text(s);
    U8(0);
  }
  // Text in a fixed-width field, NUL padded; the field keeps at least one NUL.
  void FixedText(std::string_view s, size_t width) {
    if (s.size() >= width) throw std::invalid_argument("text too long for its field: " + std::string(s));
    Text(s);
    bytes.resize(bytes.size() + width - s.size(), 0);
  }
  void Zeros(size_t n) { bytes.resize(bytes.size() + n, 0); }
  // The format's compact numbers: unsigned 15/7-bit or 31/15-bit values, and signed with a bias.
  void CompressedU16(uint16_t v);
  void CompressedI16(int16_t v);
  void CompressedI32(int32_t v);
  void Patch32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.at(at + i) = uint8_t(v >> (8 * i));
  }

  size_t Size() const { return bytes.size(); }
  const std::vector<uint8_t>& Data() const { return bytes; }
  std::vector<uint8_t> Take() { return std::move(bytes); }

 private:
  std::vector<uint8_t> bytes;
};

// Reads within [begin, end) of a buffer; any read past the end throws std::runtime_error.
class ByteReader {
 public:
  ByteReader(const std::vector<uint8_t>& data, size_t begin, size_t end);
  ByteReader(const std::vector<uint8_t>& data, size_t begin) : ByteReader(data, begin, data.size()) {}

  uint8_t U8();
  uint16_t U16();
  int16_t I16() { return int16_t(U16()); }
  uint32_t U32();
  int32_t I32() { return int32_t(U32()); }
  std::string TextZ();                  // up to the next NUL, which is consumed
  std::string FixedText(size_t width);  // up to the first NUL of the field
  uint16_t CompressedU16();
  int16_t CompressedI16();
  int32_t CompressedI32();
  void Skip(size_t n);
  uint8_t Peek() const;

  size_t Position() const { return pos; }
  size_t End() const { return end; }
  bool AtEnd() const { return pos >= end; }

 private:
  void Need(size_t n) const;
  const std::vector<uint8_t>& data;
  size_t pos, end;
};

}  // namespace winhelp
