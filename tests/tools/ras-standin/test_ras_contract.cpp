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

// The record layouts of both architectures, as the platform's headers lay them out.
TEST(RasContract, LayoutsPerArchitecture) {
  struct Row {
    uint32_t pointerBytes, compactSize, nameOffset, extendedSize, deviceType, deviceName;
  };
  for (const Row& row : {Row{4, 32, 8, 412, 265, 282}, Row{8, 36, 12, 416, 269, 286}}) {
    const lt::RasLayout compact = lt::RasCompactLayout(row.pointerBytes);
    const lt::RasLayout extended = lt::RasExtendedLayout(row.pointerBytes);
    EXPECT_EQ(compact.connSize, row.compactSize) << row.pointerBytes;
    EXPECT_EQ(compact.nameOffset, row.nameOffset) << row.pointerBytes;
    EXPECT_EQ(compact.nameBytes, 21u);
    EXPECT_EQ(compact.statusSize, 64u) << "no pointer in the status record";
    EXPECT_EQ(extended.connSize, row.extendedSize) << row.pointerBytes;
    EXPECT_EQ(extended.nameOffset, row.nameOffset) << row.pointerBytes;
    EXPECT_EQ(extended.deviceTypeOffset, row.deviceType) << row.pointerBytes;
    EXPECT_EQ(extended.deviceNameOffset, row.deviceName) << row.pointerBytes;
    EXPECT_EQ(extended.statusSize, 160u);
    EXPECT_EQ(ConnSize(row.pointerBytes, 0), row.compactSize) << "the contract publishes the same sizes";
    EXPECT_EQ(ConnSize(row.pointerBytes, 1), row.extendedSize);
  }
}

TEST(RasContract, EnumerationChecksTheEntrySizeAndTheBuffer) {
  for (uint32_t pointerBytes : {4u, 8u}) {
    const uint32_t other = 12 - pointerBytes;  // the other architecture
    for (uint32_t size : {0u, 28u, 33u, 411u, 413u, 1000u, ConnSize(other, 0), ConnSize(other, 1)}) {
      auto buffer = Buffer(4096, size);
      uint32_t bytes = 4096, count = 7;
      EXPECT_EQ(EnumerateConnections(pointerBytes, kTwo, buffer.data(), &bytes, &count), kErrorInvalidSize)
          << pointerBytes << " " << size;
      EXPECT_EQ(count, 7u) << size;
    }
    for (int index = 0; index < int(std::size(kConnSizes32)); ++index) {
      const uint32_t size = ConnSize(pointerBytes, index);
      auto buffer = Buffer(2 * size, size);
      uint32_t bytes = 2 * size - 1, count = 7;
      EXPECT_EQ(EnumerateConnections(pointerBytes, kTwo, buffer.data(), &bytes, &count), kErrorBufferTooSmall)
          << size;
      EXPECT_EQ(bytes, 2 * size);
      EXPECT_EQ(count, 0u);
      EXPECT_EQ(DwordAt(buffer, 4), 0xCCCCCCCCu) << "nothing written when too small";
      EXPECT_EQ(EnumerateConnections(pointerBytes, kTwo, buffer.data(), &bytes, &count), kSuccess) << size;
      EXPECT_EQ(count, 2u);
      EXPECT_EQ(DwordAt(buffer, size), size) << "every entry carries its size";
      EXPECT_EQ(DwordAt(buffer, size + 4), 0x1002u);
      if (pointerBytes == 8) EXPECT_EQ(DwordAt(buffer, size + 8), 0u) << "the handle's high half";
    }
  }
  uint32_t bytes = 0, count = 7;
  auto empty = Buffer(32, 32);
  EXPECT_EQ(EnumerateConnections(4, {}, empty.data(), &bytes, &count), kSuccess);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(EnumerateConnections(4, kTwo, nullptr, &bytes, &count), kErrorInvalidBuffer);
  EXPECT_EQ(EnumerateConnections(4, kTwo, empty.data(), nullptr, &count), kErrorInvalidParameter);
}

TEST(RasContract, EntryNamesFitTheirLayout) {
  for (uint32_t pointerBytes : {4u, 8u}) {
    const lt::RasLayout small = lt::RasCompactLayout(pointerBytes), large = lt::RasExtendedLayout(pointerBytes);
    auto compact = Buffer(2 * small.connSize, small.connSize), extended = Buffer(2 * large.connSize, large.connSize);
    uint32_t bytes = 2 * small.connSize, count = 0;
    ASSERT_EQ(EnumerateConnections(pointerBytes, kTwo, compact.data(), &bytes, &count), kSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&compact[small.nameOffset])), "A name longer than t");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&compact[small.connSize + small.nameOffset])), "Backup");
    bytes = 2 * large.connSize;
    ASSERT_EQ(EnumerateConnections(pointerBytes, kTwo, extended.data(), &bytes, &count), kSuccess);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&extended[large.nameOffset])), kTwo[0].name);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&extended[large.deviceTypeOffset])), "modem");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&extended[large.deviceNameOffset])), "Stand-in modem");
  }
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
