#include "tools/helpwriter/byte_io.h"

namespace winhelp {

void ByteWriter::CompressedU16(uint16_t v) {
  if (v < 0x80) {
    U8(uint8_t(v * 2));
  } else if (v < 0x8000) {
    U16(uint16_t(v * 2 + 1));
  } else {
    throw std::invalid_argument("value too large for a compressed word");
  }
}

void ByteWriter::CompressedI16(int16_t v) {
  if (v >= -0x40 && v < 0x40) {
    U8(uint8_t(v * 2 + 0x80));
  } else if (v >= -0x4000 && v < 0x4000) {
    U16(uint16_t(v * 2 + 0x8001));
  } else {
    throw std::invalid_argument("value out of range for a compressed short");
  }
}

void ByteWriter::CompressedI32(int32_t v) {
  if (v >= -0x4000 && v < 0x4000) {
    U16(uint16_t(v * 2 + 0x8000));
  } else if (v >= -0x40000000 && v < 0x40000000) {
    U32(uint32_t(int64_t(v) * 2 + 0x80000001LL));
  } else {
    throw std::invalid_argument("value out of range for a compressed long");
  }
}

ByteReader::ByteReader(const std::vector<uint8_t>& data, size_t begin, size_t end)
    : data(data), pos(begin), end(end) {
  if (begin > end || end > data.size()) throw std::runtime_error("record lies outside the file");
}

void ByteReader::Need(size_t n) const {
  if (n > end - pos) throw std::runtime_error("record ends early");
}

uint8_t ByteReader::U8() {
  Need(1);
  return data[pos++];
}

uint16_t ByteReader::U16() {
  const uint16_t lo = U8();
  return uint16_t(lo | U8() << 8);
}

uint32_t ByteReader::U32() {
  const uint32_t lo = U16();
  return lo | uint32_t(U16()) << 16;
}

std::string ByteReader::TextZ() {
  std::string s;
  for (uint8_t c = U8(); c != 0; c = U8()) s.push_back(char(c));
  return s;
}

std::string ByteReader::FixedText(size_t width) {
  Need(width);
  std::string s;
  for (size_t i = 0; i < width && data[pos + i] != 0; ++i) s.push_back(char(data[pos + i]));
  pos += width;
  return s;
}

uint16_t ByteReader::CompressedU16() {
  if (Peek() & 1) return uint16_t(U16() / 2);
  return uint16_t(U8() / 2);
}

int16_t ByteReader::CompressedI16() {
  if (Peek() & 1) return int16_t((int32_t(U16()) - 0x8001) / 2);
  return int16_t((int32_t(U8()) - 0x80) / 2);
}

int32_t ByteReader::CompressedI32() {
  if (Peek() & 1) return int32_t((int64_t(U32()) - 0x80000001LL) / 2);
  return (int32_t(U16()) - 0x8000) / 2;
}

void ByteReader::Skip(size_t n) {
  Need(n);
  pos += n;
}

uint8_t ByteReader::Peek() const {
  Need(1);
  return data[pos];
}

}  // namespace winhelp
