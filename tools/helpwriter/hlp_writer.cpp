#include "tools/helpwriter/hlp_writer.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "tools/helpwriter/byte_io.h"
#include "tools/helpwriter/topic_file.h"

namespace winhelp {
namespace {

constexpr uint32_t kFileMagic = 0x00035F3F;
constexpr uint16_t kTreeMagic = 0x293B;
constexpr uint16_t kSystemMagic = 0x036C;
constexpr uint16_t kVersion31 = 21;
constexpr size_t kFaceNameWidth = 20;

std::vector<uint8_t> InternalFile(const std::vector<uint8_t>& body) {
  ByteWriter w;
  w.U32(uint32_t(body.size() + 9));  // reserved space, this header included
  w.U32(uint32_t(body.size()));
  w.U8(4);
  w.Bytes(body);
  return w.Take();
}

// A B+ tree of one leaf page: enough for the few entries a program's help file needs.
std::vector<uint8_t> LeafTree(uint16_t flags, uint16_t pageSize, const std::string& structure,
                              const std::vector<std::vector<uint8_t>>& entries) {
  ByteWriter page;
  size_t used = 8;
  for (const auto& e : entries) used += e.size();
  if (used > pageSize) throw std::invalid_argument("too many entries for one tree page");
  page.U16(uint16_t(pageSize - used));
  page.U16(uint16_t(entries.size()));
  page.U16(0xFFFF);
  page.U16(0xFFFF);
  for (const auto& e : entries) page.Bytes(e);
  page.Zeros(pageSize - used);

  ByteWriter w;
  w.U16(kTreeMagic);
  w.U16(flags);
  w.U16(pageSize);
  w.FixedText(structure, 16);
  w.U16(0);       // must be zero
  w.U16(0);       // page splits
  w.U16(0);       // root page
  w.U16(0xFFFF);  // must be -1
  w.U16(1);       // total pages
  w.U16(1);       // levels
  w.U32(uint32_t(entries.size()));
  w.Bytes(page.Data());
  return w.Take();
}

std::vector<uint8_t> SystemFile(const Document& d, uint32_t contentsAddress) {
  ByteWriter w;
  w.U16(kSystemMagic);
  w.U16(kVersion31);
  w.U16(1);
  w.U32(0);  // generation date: left out so that builds are reproducible
  w.U16(0);  // uncompressed, 4 KB topic blocks
  auto record = [&w](uint16_t type, const std::vector<uint8_t>& data) {
    w.U16(type);
    w.U16(uint16_t(data.size()));
    w.Bytes(data);
  };
  auto textZ = [](const std::string& s) {
    ByteWriter t;
    t.TextZ(s);
    return t.Take();
  };
  record(1, textZ(d.title));
  if (!d.copyright.empty()) record(2, textZ(d.copyright));
  ByteWriter contents;
  contents.U32(contentsAddress);
  record(3, contents.Data());
  return w.Take();
}

std::vector<uint8_t> FontFile() {
  struct Face {
    uint8_t attributes, halfPoints;
    uint8_t r, g, b;
  };
  // Body, heading (bold, dark blue) and bold text, in the order of the kFont numbers.
  const Face faces[] = {{0, 20, 0, 0, 0}, {1, 28, 0, 0, 128}, {1, 20, 0, 0, 0}};
  static_assert(kFontBody == 0 && kFontHeading == 1 && kFontBold == 2);
  ByteWriter w;
  w.U16(1);
  w.U16(3);
  w.U16(8);
  w.U16(uint16_t(8 + kFaceNameWidth));
  w.FixedText("Arial", kFaceNameWidth);
  for (const Face& f : faces) {
    w.U8(f.attributes);
    w.U8(f.halfPoints);
    w.U8(3);  // swiss
    w.U16(0);
    w.U8(f.r);
    w.U8(f.g);
    w.U8(f.b);
    w.Zeros(3);
  }
  return w.Take();
}

void Validate(const Document& d) {
  if (d.topics.empty()) throw std::invalid_argument("a help file needs at least one topic");
  std::map<int32_t, std::string> hashes;
  std::set<int32_t> numbers;
  for (const Topic& t : d.topics) {
    if (!IsValidContextName(t.context))
      throw std::invalid_argument("bad context name '" + t.context + "'");
    const auto [it, added] = hashes.emplace(ContextHash(t.context), t.context);
    if (!added) throw std::invalid_argument("contexts '" + it->second + "' and '" + t.context + "' share a hash");
    for (int32_t n : t.numbers) {
      if (!numbers.insert(n).second) throw std::invalid_argument("context number " + std::to_string(n) + " used twice");
    }
  }
  auto known = [&hashes](const std::string& name) {
    auto it = hashes.find(ContextHash(name));
    return IsValidContextName(name) && it != hashes.end();
  };
  if (!d.contents.empty() && !known(d.contents))
    throw std::invalid_argument("unknown contents topic '" + d.contents + "'");
  for (const Topic& t : d.topics) {
    for (const Paragraph& p : t.paragraphs) {
      for (const Span& s : p.spans) {
        if (s.kind == Span::Kind::Jump && !known(s.target))
          throw std::invalid_argument("topic '" + t.context + "' jumps to unknown context '" + s.target + "'");
      }
    }
  }
}

}  // namespace

std::vector<uint8_t> WriteHelpFile(const Document& document) {
  Validate(document);
  const TopicFile topics = BuildTopicFile(document);

  std::vector<std::pair<int32_t, uint32_t>> contexts, numbers;
  uint32_t contentsAddress = topics.topicAddresses[0];
  for (size_t i = 0; i < document.topics.size(); ++i) {
    const Topic& t = document.topics[i];
    contexts.emplace_back(ContextHash(t.context), topics.topicAddresses[i]);
    for (int32_t n : t.numbers) numbers.emplace_back(n, topics.topicAddresses[i]);
    if (!document.contents.empty() && ContextHash(t.context) == ContextHash(document.contents))
      contentsAddress = topics.topicAddresses[i];
  }
  std::sort(contexts.begin(), contexts.end());
  std::sort(numbers.begin(), numbers.end());

  std::vector<std::vector<uint8_t>> contextEntries;
  for (const auto& [hash, address] : contexts) {
    ByteWriter e;
    e.I32(hash);
    e.U32(address);
    contextEntries.push_back(e.Take());
  }
  ByteWriter map;
  map.U16(uint16_t(numbers.size()));
  for (const auto& [number, address] : numbers) {
    map.I32(number);
    map.U32(address);
  }

  // Internal files by name; the directory lists them in byte order, as std::map keeps them.
  std::map<std::string, std::vector<uint8_t>> files;
  files["|SYSTEM"] = SystemFile(document, contentsAddress);
  files["|FONT"] = FontFile();
  files["|TOPIC"] = topics.bytes;
  files["|CONTEXT"] = LeafTree(0x0002, 2048, "L4", contextEntries);
  files["|CTXOMAP"] = map.Take();

  ByteWriter out;
  out.Zeros(16);
  std::vector<std::vector<uint8_t>> directory;
  for (const auto& [name, body] : files) {
    ByteWriter e;
    e.TextZ(name);
    e.U32(uint32_t(out.Size()));
    directory.push_back(e.Take());
    out.Bytes(InternalFile(body));
  }
  const uint32_t directoryStart = uint32_t(out.Size());
  out.Bytes(InternalFile(LeafTree(0x0402, 1024, "z4", directory)));
  out.Patch32(0, kFileMagic);
  out.Patch32(4, directoryStart);
  out.Patch32(8, 0xFFFFFFFF);
  out.Patch32(12, uint32_t(out.Size()));
  return out.Take();
}

}  // namespace winhelp
