#pragma once
// The |TOPIC internal file: link records (a header per topic, a text record per paragraph)
// laid into 4 KB blocks, and the address of each topic for the context tables.
#include <cstdint>
#include <vector>

#include "tools/helpwriter/help_document.h"

namespace winhelp {

// Font numbers of the writer's font table.
constexpr uint16_t kFontBody = 0;
constexpr uint16_t kFontHeading = 1;
constexpr uint16_t kFontBold = 2;

constexpr uint32_t kTopicBlockSize = 4096;
constexpr uint32_t kTopicBlockHeader = 12;

// Record types of a topic link.
constexpr uint8_t kLinkTopicHeader = 0x02;
constexpr uint8_t kLinkText = 0x20;

// Paragraph formatting codes, one per NUL of a text record.
constexpr uint8_t kCodeFont = 0x80;
constexpr uint8_t kCodeEndOfParagraph = 0x82;
constexpr uint8_t kCodeJump = 0xE3;
constexpr uint8_t kCodeEndOfJump = 0x89;
constexpr uint8_t kCodeEnd = 0xFF;

// A link's position: block * 0x4000 + offset in the block, the block header counted.
uint32_t LinkPosition(uint32_t dataOffset);
// A topic's address: block * 0x8000 + text characters before it in that block.
uint32_t TopicAddress(uint32_t block, uint32_t characters);

struct TopicFile {
  std::vector<uint8_t> bytes;            // whole blocks, without the internal file header
  std::vector<uint32_t> topicAddresses;  // one per topic of the document
};

TopicFile BuildTopicFile(const Document& document);

}  // namespace winhelp
