#include "tools/helpwriter/hlp_reader.h"

#include <functional>
#include <map>
#include <stdexcept>

#include "tools/helpwriter/byte_io.h"
#include "tools/helpwriter/help_document.h"
#include "tools/helpwriter/topic_file.h"

namespace winhelp {
namespace {

using Fail = std::runtime_error;

struct Extent {
  size_t begin, end;  // the internal file's body, after its 9-byte header
};

Extent InternalFile(const std::vector<uint8_t>& bytes, uint32_t at) {
  ByteReader r(bytes, at);
  const uint32_t reserved = r.U32();
  const uint32_t used = r.U32();
  r.U8();
  if (reserved < used + 9 || used > bytes.size() - at - 9) throw Fail("internal file does not fit");
  return {at + 9, at + 9 + used};
}

// Calls `entry` for each leaf entry of a B+ tree, in order; `entry` consumes one entry.
void WalkTree(const std::vector<uint8_t>& bytes, Extent file, const std::function<void(ByteReader&)>& entry) {
  ByteReader h(bytes, file.begin, file.end);
  if (h.U16() != 0x293B) throw Fail("bad tree magic");
  h.U16();
  const uint16_t pageSize = h.U16();
  h.Skip(16 + 2 + 2);
  uint16_t page = h.U16();
  h.Skip(2);
  const uint16_t totalPages = h.U16();
  uint16_t levels = h.U16();
  h.U32();
  const size_t pages = h.Position();
  auto pageAt = [&](uint16_t p) {
    if (p >= totalPages) throw Fail("tree page out of range");
    return ByteReader(bytes, pages + size_t(p) * pageSize, pages + size_t(p + 1) * pageSize);
  };
  for (; levels > 1; --levels) {
    ByteReader index = pageAt(page);
    index.Skip(4);
    page = index.U16();
  }
  for (int visited = 0; page != 0xFFFF; ++visited) {
    if (visited > totalPages) throw Fail("tree pages form a loop");
    ByteReader leaf = pageAt(page);
    leaf.U16();
    const int16_t count = leaf.I16();
    leaf.U16();
    page = leaf.U16();
    for (int i = 0; i < count; ++i) entry(leaf);
  }
}

void ReadSystem(const std::vector<uint8_t>& bytes, Extent s, HelpFile& help) {
  ByteReader r(bytes, s.begin, s.end);
  if (r.U16() != 0x036C) throw Fail("bad system magic");
  const uint16_t minor = r.U16();
  if (r.U16() != 1 || minor <= 16) throw Fail("unsupported help file version");
  r.U32();
  if (r.U16() != 0) throw Fail("compressed help files are not read");
  while (!r.AtEnd()) {
    const uint16_t type = r.U16();
    const uint16_t size = r.U16();
    ByteReader data(bytes, r.Position(), r.Position() + size);
    if (type == 1) help.title = data.TextZ();
    if (type == 2) help.copyright = data.TextZ();
    if (type == 3) help.contentsAddress = data.U32();
    r.Skip(size);
  }
}

void ReadFonts(const std::vector<uint8_t>& bytes, Extent s, HelpFile& help) {
  ByteReader r(bytes, s.begin, s.end);
  const uint16_t faces = r.U16();
  r.U16();
  const uint16_t faceOffset = r.U16();
  const uint16_t descriptorOffset = r.U16();
  if (faces == 0 || descriptorOffset < faceOffset) throw Fail("bad font table");
  const size_t width = (descriptorOffset - faceOffset) / faces;
  ByteReader names(bytes, s.begin + faceOffset, s.end);
  for (uint16_t i = 0; i < faces; ++i) help.faces.push_back(names.FixedText(width));
}

ReadParagraph ReadText(ByteReader& r, const std::vector<uint8_t>& text, uint16_t& characters) {
  r.CompressedI32();
  characters = r.CompressedU16();
  r.Skip(4);
  const uint16_t bits = r.U16();
  if (bits & 0x0001) r.CompressedI32();
  for (uint16_t bit : {0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040}) {
    if (bits & bit) r.CompressedI16();
  }
  if (bits & 0x0300) throw Fail("borders and tab stops are not read");
  ReadParagraph p;
  bool fontSeen = false;
  size_t at = 0;
  for (;;) {
    while (at < text.size() && text[at] != 0) p.text.push_back(char(text[at++]));
    if (at++ >= text.size()) throw Fail("text ends before its formatting");
    const uint8_t code = r.U8();
    if (code == kCodeEnd) break;
    if (code == kCodeFont) {
      const uint16_t font = r.U16();
      if (!fontSeen) p.font = font;
      fontSeen = true;
    } else if (code == 0xE2 || code == kCodeJump || code == 0xE6 || code == 0xE7) {
      p.jumps.push_back(r.I32());
    } else if (code == 0x81 || code == 0x83) {
      p.text.push_back(code == 0x81 ? '\n' : '\t');
    } else if (code != kCodeEndOfParagraph && code != kCodeEndOfJump) {
      throw Fail("unsupported formatting code");
    }
  }
  return p;
}

void ReadTopics(const std::vector<uint8_t>& bytes, Extent s, HelpFile& help) {
  // The viewer joins the blocks' data, leaving out each block's 12-byte header.
  constexpr uint32_t kData = kTopicBlockSize - kTopicBlockHeader;
  std::vector<uint8_t> data;
  for (size_t b = s.begin; b < s.end; b += kTopicBlockSize) {
    if (s.end - b < kTopicBlockSize) throw Fail("topic file is not whole blocks");
    data.insert(data.end(), bytes.begin() + long(b + kTopicBlockHeader), bytes.begin() + long(b + kTopicBlockSize));
  }
  uint32_t position = kTopicBlockHeader, block = 0xFFFFFFFF, characters = 0;
  uint64_t lastAt = 0;
  bool first = true;
  while (position != 0xFFFFFFFF) {
    if (position < kTopicBlockHeader || ((position - kTopicBlockHeader) & 0x3FFF) >= kData)
      throw Fail("bad link position");
    const uint32_t linkBlock = (position - kTopicBlockHeader) >> 14;
    const uint64_t at = uint64_t(linkBlock) * kData + ((position - kTopicBlockHeader) & 0x3FFF);
    if (!first && at <= lastAt) throw Fail("topic links do not move forward");
    first = false;
    lastAt = at;
    if (linkBlock != block) {
      block = linkBlock;
      characters = 0;
    }
    ByteReader link(data, size_t(at));
    const uint32_t size = link.U32();
    const uint32_t textSize = link.U32();
    link.U32();
    const uint32_t next = link.U32();
    const uint32_t headerSize = link.U32();
    const uint8_t type = link.U8();
    if (headerSize < 21 || size < headerSize || at + size > data.size() || textSize > size - headerSize)
      throw Fail("bad link sizes");
    ByteReader body(data, size_t(at + 21), size_t(at + headerSize));
    const auto text = std::vector<uint8_t>(data.begin() + long(at + headerSize),
                                           data.begin() + long(at + headerSize + textSize));
    if (type == kLinkTopicHeader) {
      body.Skip(12);
      ReadTopic t;
      t.number = body.I32();
      t.title.assign(text.begin(), text.end());
      t.address = TopicAddress(block, characters);
      if (t.number >= 0) help.topics.push_back(std::move(t));
    } else if (type == kLinkText) {
      if (help.topics.empty()) throw Fail("text before the first topic");
      uint16_t count = 0;
      help.topics.back().paragraphs.push_back(ReadText(body, text, count));
      characters += count;
    } else {
      throw Fail("unsupported link type");
    }
    position = next;
  }
}

}  // namespace

HelpFile ReadHelpFile(const std::vector<uint8_t>& bytes) {
  ByteReader header(bytes, 0);
  if (header.U32() != 0x00035F3F) throw Fail("not a help file");
  const uint32_t directory = header.U32();
  header.U32();
  if (header.U32() != bytes.size()) throw Fail("file size does not match its header");

  HelpFile help;
  std::map<std::string, Extent> files;
  WalkTree(bytes, InternalFile(bytes, directory), [&](ByteReader& e) {
    std::string name = e.TextZ();
    const uint32_t at = e.U32();
    if (at >= bytes.size()) throw Fail("internal file " + name + " outside the file");
    help.files.push_back(name);
    files[name] = InternalFile(bytes, at);
  });
  auto file = [&files](const std::string& name) {
    auto it = files.find(name);
    if (it == files.end()) throw Fail("no " + name + " in the help file");
    return it->second;
  };
  ReadSystem(bytes, file("|SYSTEM"), help);
  ReadFonts(bytes, file("|FONT"), help);
  ReadTopics(bytes, file("|TOPIC"), help);
  WalkTree(bytes, file("|CONTEXT"), [&help](ByteReader& e) {
    const int32_t hash = e.I32();
    help.contexts.emplace_back(hash, e.U32());
  });
  if (files.count("|CTXOMAP")) {
    const Extent m = file("|CTXOMAP");
    ByteReader r(bytes, m.begin, m.end);
    for (uint16_t n = r.U16(); n > 0; --n) {
      const int32_t number = r.I32();
      help.numbers.emplace_back(number, r.U32());
    }
  }
  return help;
}

const ReadTopic* HelpFile::TopicAt(uint32_t address) const {
  for (const ReadTopic& t : topics) {
    if (t.address == address) return &t;
  }
  return nullptr;
}

const ReadTopic* HelpFile::ByContext(std::string_view name) const {
  const int32_t hash = ContextHash(name);
  for (const auto& [h, address] : contexts) {
    if (h == hash) return TopicAt(address);
  }
  return nullptr;
}

const ReadTopic* HelpFile::ByNumber(int32_t number) const {
  for (const auto& [n, address] : numbers) {
    if (n == number) return TopicAt(address);
  }
  return nullptr;
}

}  // namespace winhelp
