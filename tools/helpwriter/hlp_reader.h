#pragma once
// Reads a help file the way the viewer does: directory, system record, fonts, the topic
// chain and the context tables. Used to check what the writer made (build and tests).
// Only uncompressed files are read; anything malformed throws std::runtime_error.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace winhelp {

struct ReadParagraph {
  std::string text;            // the strings of the record, formatting left out
  uint16_t font = 0;           // the first font set in it
  std::vector<int32_t> jumps;  // context hashes of its jumps, in order
};

struct ReadTopic {
  std::string title;
  int32_t number = 0;
  uint32_t address = 0;
  std::vector<ReadParagraph> paragraphs;
};

struct HelpFile {
  std::string title, copyright;
  uint32_t contentsAddress = 0xFFFFFFFF;
  std::vector<std::string> files;  // internal file names, in directory order
  std::vector<std::string> faces;
  std::vector<ReadTopic> topics;   // the end-of-file marker topic left out
  std::vector<std::pair<int32_t, uint32_t>> contexts;  // (hash, address) as stored
  std::vector<std::pair<int32_t, uint32_t>> numbers;   // (number, address) as stored

  // The topic that starts exactly at the address, or null.
  const ReadTopic* TopicAt(uint32_t address) const;
  const ReadTopic* ByContext(std::string_view name) const;
  const ReadTopic* ByNumber(int32_t number) const;
};

HelpFile ReadHelpFile(const std::vector<uint8_t>& bytes);

}  // namespace winhelp
