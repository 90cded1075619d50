#include "tools/helpwriter/topic_file.h"

#include <stdexcept>

#include "tools/helpwriter/byte_io.h"

namespace winhelp {
namespace {

constexpr uint32_t kBlockData = kTopicBlockSize - kTopicBlockHeader;
constexpr uint32_t kNone = 0xFFFFFFFF;

struct Record {
  uint8_t type = 0;
  std::vector<uint8_t> data1;  // after the 21-byte link header
  std::vector<uint8_t> data2;  // title or paragraph text
  int topic = -1;              // for a topic header: the topic's index
  uint32_t offset = 0;         // in the blocks' data, headers left out
  uint32_t Size() const { return uint32_t(21 + data1.size() + data2.size()); }
};

// Formatting codes and the NUL-separated strings between them, kept in step.
class ParagraphBuilder {
 public:
  void Text(const std::string& s) {
    if (s.find('\0') != std::string::npos) throw std::invalid_argument("NUL in help text");
    pending += s;
  }
  void Code(std::initializer_list<uint8_t> code) {
    text.Text(pending);
    text.U8(0);
    pending.clear();
    for (uint8_t b : code) codes.U8(b);
  }
  void Font(uint16_t font) { Code({kCodeFont, uint8_t(font), uint8_t(font >> 8)}); }
  void Jump(int32_t hash) {
    const auto h = uint32_t(hash);
    Code({kCodeJump, uint8_t(h), uint8_t(h >> 8), uint8_t(h >> 16), uint8_t(h >> 24)});
  }
  ByteWriter text, codes;

 private:
  std::string pending;
};

Record TextRecord(const Paragraph& paragraph) {
  const uint16_t baseFont = paragraph.style == Paragraph::Style::Heading ? kFontHeading : kFontBody;
  ParagraphBuilder b;
  b.Font(baseFont);
  if (paragraph.style == Paragraph::Style::Bullet) b.Text("\x95 ");
  for (const Span& span : paragraph.spans) {
    switch (span.kind) {
      case Span::Kind::Plain:
        b.Text(span.text);
        break;
      case Span::Kind::Bold:
        b.Font(kFontBold);
        b.Text(span.text);
        b.Font(baseFont);
        break;
      case Span::Kind::Jump:
        b.Jump(ContextHash(span.target));
        b.Text(span.text);
        b.Code({kCodeEndOfJump});
        break;
    }
  }
  b.Code({kCodeEndOfParagraph});
  b.Code({kCodeEnd});

  // Spacing in half points: a gap below each paragraph; bullets hang in from the margin.
  uint16_t bits = 0x0004;
  const int16_t below = paragraph.style == Paragraph::Style::Heading ? 16 : 10;
  ByteWriter data1;
  Record r;
  r.type = kLinkText;
  r.data2 = b.text.Take();
  data1.CompressedI32(int32_t(r.data2.size()));
  data1.CompressedU16(uint16_t(r.data2.size()));
  data1.U8(0x00);
  data1.U8(0x80);
  data1.U16(0);
  if (paragraph.style == Paragraph::Style::Bullet) bits |= 0x0010 | 0x0040;
  data1.U16(bits);
  data1.CompressedI16(below);
  if (paragraph.style == Paragraph::Style::Bullet) {
    data1.CompressedI16(24);
    data1.CompressedI16(-12);
  }
  data1.Bytes(b.codes.Data());
  r.data1 = data1.Take();
  return r;
}

Record TopicHeader(int topic, const std::string& title) {
  Record r;
  r.type = kLinkTopicHeader;
  r.topic = topic;
  r.data1.assign(28, 0);  // filled once the positions are known
  r.data2.assign(title.begin(), title.end());
  return r;
}

void PutLinkHeader(ByteWriter& out, const Record& r, uint32_t prev, uint32_t next) {
  out.U32(r.Size());
  out.U32(uint32_t(r.data2.size()));
  out.U32(prev);
  out.U32(next);
  out.U32(uint32_t(21 + r.data1.size()));
  out.U8(r.type);
}

}  // namespace

uint32_t LinkPosition(uint32_t dataOffset) {
  return dataOffset / kBlockData * 0x4000 + kTopicBlockHeader + dataOffset % kBlockData;
}

uint32_t TopicAddress(uint32_t block, uint32_t characters) { return block * 0x8000 + characters; }

TopicFile BuildTopicFile(const Document& document) {
  std::vector<Record> records;
  for (size_t t = 0; t < document.topics.size(); ++t) {
    records.push_back(TopicHeader(int(t), document.topics[t].title));
    for (const Paragraph& p : document.topics[t].paragraphs) records.push_back(TextRecord(p));
  }
  records.push_back(TopicHeader(-1, ""));  // closes the last topic

  // Place the records, then count text characters per block for the topic addresses.
  TopicFile result;
  uint32_t offset = 0, block = 0, characters = 0;
  for (Record& r : records) {
    r.offset = offset;
    if (offset / kBlockData != block) {
      block = offset / kBlockData;
      characters = 0;
    }
    if (r.type == kLinkText) characters += uint32_t(r.data2.size());
    if (r.topic >= 0) result.topicAddresses.push_back(TopicAddress(block, characters));
    offset += r.Size();
  }
  const uint32_t dataSize = offset;

  for (size_t i = 0; i < records.size(); ++i) {
    Record& r = records[i];
    if (r.type != kLinkTopicHeader) continue;
    size_t next = i + 1;
    while (next < records.size() && records[next].type != kLinkTopicHeader) ++next;
    const bool hasText = next > i + 1;
    const bool last = next >= records.size();
    ByteWriter h;
    h.U32(last ? 0 : records[next].offset - r.offset);
    h.U32(kNone);  // no browse sequence
    h.U32(kNone);
    h.I32(r.topic);
    h.U32(kNone);  // no non-scrolling region
    h.U32(hasText ? LinkPosition(records[i + 1].offset) : kNone);
    h.U32(last ? kNone : LinkPosition(records[next].offset));
    r.data1 = h.Take();
  }

  ByteWriter data;
  for (size_t i = 0; i < records.size(); ++i) {
    const uint32_t prev = i == 0 ? kNone : LinkPosition(records[i - 1].offset);
    const uint32_t next = i + 1 == records.size() ? kNone : LinkPosition(records[i + 1].offset);
    PutLinkHeader(data, records[i], prev, next);
    data.Bytes(records[i].data1);
    data.Bytes(records[i].data2);
  }

  // Cut the data into blocks, each headed by its links: the last one before it, the first
  // one in it and the last topic header before it.
  ByteWriter out;
  const uint32_t blocks = (dataSize + kBlockData - 1) / kBlockData;
  for (uint32_t b = 0; b < blocks; ++b) {
    uint32_t lastLink = kNone, firstLink = kNone, lastHeader = kNone;
    for (const Record& r : records) {
      if (r.offset < b * kBlockData) {
        lastLink = LinkPosition(r.offset);
        if (r.type == kLinkTopicHeader) lastHeader = lastLink;
      } else if (r.offset < (b + 1) * kBlockData && firstLink == kNone) {
        firstLink = LinkPosition(r.offset);
      }
    }
    out.U32(lastLink);
    out.U32(firstLink);
    out.U32(lastHeader);
    const uint32_t from = b * kBlockData;
    const uint32_t to = std::min(dataSize, from + kBlockData);
    out.Bytes(std::vector<uint8_t>(data.Data().begin() + from, data.Data().begin() + to));
    out.Zeros(kBlockData - (to - from));
  }
  result.bytes = out.Take();
  return result;
}

}  // namespace winhelp
