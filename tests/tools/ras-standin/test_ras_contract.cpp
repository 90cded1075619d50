// The two calls as the platform answers them: published sizes only, the buffer size needed,
// the layout each size names, unknown handles.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tools/ras-standin/ras_contract.h"

namespace rasstandin {
namespace {

const Listing kTwo = {{0x1001, 0x2000, "A name longer than twenty characters"}, {0x1002, 2, "Backup"}};

uint32_t DwordAt(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t value;
  std::memcpy(&value, bytes.data() + at, sizeof value);
  return value;
}

std::vector<uint8_t> Buffer(size_t bytes, uint32_t firstDword) {
  std::vector<uint8_t> buffer(bytes, 0xCC);
  std::memcpy(buffer.data(), &firstDword, sizeof firstDword);
  return buffer;
}

TEST(RasContract, EnumerationChecksTheEntrySizeAndTheBuffer) {
  for (uint32_t size : {0u, 28u, 33u, 411u, 413u, 1000u}) {
    auto buffer = Buffer(4096, size);
    uint32_t bytes = 4096, count = 7;
    EXPECT_EQ(EnumerateConnections(kTwo, buffer.data(), &bytes, &count), kErrorInvalidSize) << size;
    EXPECT_EQ(count, 7u) << size;
  }
  for (uint32_t size : kConnSizes) {
    auto buffer = Buffer(2 * size, size);
    uint32_t bytes = 2 * size - 1, count = 7;
    EXPECT_EQ(EnumerateConnections(kTwo, buffer.data(), &bytes, &count), kErrorBufferTooSmall) << size;
    EXPECT_EQ(bytes, 2 * size);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(DwordAt(buffer, 4), 0xCCCCCCCCu) << "nothing written when too small";
    EXPECT_EQ(EnumerateConnections(kTwo, buffer.data(), &bytes, &count), kSuccess) << size;
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(DwordAt(buffer, size), size) << "every entry carries its size";
    EXPECT_EQ(DwordAt(buffer, size + 4), 0x1002u);
  }
  uint32_t bytes = 0, count = 7;
  auto empty = Buffer(32, 32);
  EXPECT_EQ(EnumerateConnections({}, empty.data(), &bytes, &count), kSuccess);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(EnumerateConnections(kTwo, nullptr, &bytes, &count), kErrorInvalidBuffer);
  EXPECT_EQ(EnumerateConnections(kTwo, empty.data(), nullptr, &count), kErrorInvalidParameter);
}

TEST(RasContract, EntryNamesFitTheirLayout) {
  auto compact = Buffer(64, 32), extended = Buffer(824, 412);
  uint32_t bytes = 64, count = 0;
  ASSERT_EQ(EnumerateConnections(kTwo, compact.data(), &bytes, &count), kSuccess);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&compact[8])), "A name longer than t");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&compact[32 + 8])), "Backup");
  bytes = 824;
  ASSERT_EQ(EnumerateConnections(kTwo, extended.data(), &bytes, &count), kSuccess);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&extended[8])), kTwo[0].name);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&extended[265])), "modem");
}

TEST(RasContract, StatusChecksTheRecordSizeAndTheHandle) {
  for (uint32_t size : {0u, 63u, 65u, 159u, 161u}) {
    auto status = Buffer(400, size);
    EXPECT_EQ(GetConnectStatus(kTwo, 0x1001, status.data()), kErrorInvalidSize) << size;
    EXPECT_EQ(DwordAt(status, 4), 0xCCCCCCCCu);
  }
  for (uint32_t size : kStatusSizes) {
    auto status = Buffer(400, size);
    EXPECT_EQ(GetConnectStatus(kTwo, 0x1003, status.data()), kErrorInvalidHandle) << size;
    EXPECT_EQ(DwordAt(status, 4), 0xCCCCCCCCu) << "nothing written for an unknown handle";
    EXPECT_EQ(GetConnectStatus(kTwo, 0x1002, status.data()), kSuccess) << size;
    EXPECT_EQ(DwordAt(status, 4), 2u);
    EXPECT_EQ(DwordAt(status, 8), 0u) << "no error";
    EXPECT_EQ(status[size], 0xCC) << "nothing past the record";
  }
  EXPECT_EQ(GetConnectStatus(kTwo, 0x1001, nullptr), kErrorInvalidBuffer);
}

}  // namespace
}  // namespace rasstandin
