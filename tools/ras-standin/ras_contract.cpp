#include "tools/ras-standin/ras_contract.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace rasstandin {
namespace {

constexpr char kDeviceType[] = "modem";
constexpr char kDeviceName[] = "Stand-in modem";

using lt::kRasDeviceTypeBytes;
using lt::kRasLongDeviceNameBytes;
constexpr size_t kStatusDeviceName = lt::kRasStatusDeviceTypeOffset + kRasDeviceTypeBytes;

bool PublishedStatus(uint32_t size) {
  return std::find(std::begin(kStatusSizes), std::end(kStatusSizes), size) != std::end(kStatusSizes);
}

bool PublishedConn(uint32_t pointerBytes, uint32_t size) {
  for (int i = 0; i < int(std::size(kConnSizes32)); ++i)
    if (ConnSize(pointerBytes, i) == size) return true;
  return false;
}

void PutDword(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

// The handle as the platform's pointer-sized HRASCONN: the value, zero-extended.
void PutHandle(uint8_t* at, uint32_t pointerBytes, uint32_t value) {
  std::memset(at, 0, pointerBytes);
  PutDword(at, value);
}

// The text cut to fit a field of `bytes` bytes with its terminating NUL.
void PutText(uint8_t* at, size_t bytes, const std::string& text) {
  const size_t length = std::min(text.size(), bytes - 1);
  std::memcpy(at, text.data(), length);
  at[length] = 0;
}

}  // namespace

uint32_t EnumerateConnections(uint32_t pointerBytes, const Listing& listing, uint8_t* buffer, uint32_t* bytes,
                              uint32_t* count) {
  if (!buffer) return kErrorInvalidBuffer;
  if (!bytes || !count) return kErrorInvalidParameter;
  uint32_t entrySize;
  std::memcpy(&entrySize, buffer, sizeof entrySize);
  if (!PublishedConn(pointerBytes, entrySize)) return kErrorInvalidSize;
  const uint32_t needed = entrySize * uint32_t(listing.size());
  if (*bytes < needed) {
    *bytes = needed;
    *count = 0;
    return kErrorBufferTooSmall;
  }
  const bool compact = entrySize == ConnSize(pointerBytes, 0);
  const lt::RasLayout layout = compact ? lt::RasCompactLayout(pointerBytes) : lt::RasExtendedLayout(pointerBytes);
  for (size_t i = 0; i < listing.size(); ++i) {
    uint8_t* entry = buffer + i * entrySize;
    std::memset(entry, 0, entrySize);
    PutDword(entry, entrySize);
    PutHandle(entry + lt::kRasHandleOffset, pointerBytes, listing[i].handle);
    PutText(entry + layout.nameOffset, layout.nameBytes, listing[i].name);
    if (!compact) {
      PutText(entry + layout.deviceTypeOffset, kRasDeviceTypeBytes, kDeviceType);
      PutText(entry + layout.deviceNameOffset, kRasLongDeviceNameBytes, kDeviceName);
    }
  }
  *bytes = needed;
  *count = uint32_t(listing.size());
  return kSuccess;
}

uint32_t GetConnectStatus(const Listing& listing, uint64_t handle, uint8_t* status) {
  if (!status) return kErrorInvalidBuffer;
  uint32_t size;
  std::memcpy(&size, status, sizeof size);
  if (!PublishedStatus(size)) return kErrorInvalidSize;
  const auto connection =
      std::find_if(listing.begin(), listing.end(), [&](const Connection& c) { return c.handle == handle; });
  if (connection == listing.end()) return kErrorInvalidHandle;
  std::memset(status + sizeof size, 0, size - sizeof size);
  PutDword(status + lt::kRasStatusStateOffset, connection->state);
  PutText(status + lt::kRasStatusDeviceTypeOffset, kRasDeviceTypeBytes, kDeviceType);
  PutText(status + kStatusDeviceName, size == kStatusSizes[0] ? lt::kRasShortDeviceNameBytes : kRasLongDeviceNameBytes,
          kDeviceName);
  return kSuccess;
}

}  // namespace rasstandin
