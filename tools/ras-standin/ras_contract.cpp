#include "tools/ras-standin/ras_contract.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace rasstandin {
namespace {

constexpr char kDeviceType[] = "modem";
constexpr char kDeviceName[] = "Stand-in modem";

// Field offsets of the connection entry and the status record; the compact layouts have the
// short name fields.
constexpr size_t kEntryHandle = 4, kEntryName = 8, kEntryDeviceType = 265, kEntryDeviceName = 282;
constexpr size_t kStatusState = 4, kStatusDeviceType = 12, kStatusDeviceName = 29;
constexpr size_t kDeviceTypeBytes = 17, kLongDeviceNameBytes = 129;

template <size_t N>
bool Published(const uint32_t (&sizes)[N], uint32_t size) {
  return std::find(std::begin(sizes), std::end(sizes), size) != std::end(sizes);
}

void PutDword(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

// The text cut to fit a field of `bytes` bytes with its terminating NUL.
void PutText(uint8_t* at, size_t bytes, const std::string& text) {
  const size_t length = std::min(text.size(), bytes - 1);
  std::memcpy(at, text.data(), length);
  at[length] = 0;
}

}  // namespace

uint32_t EnumerateConnections(const Listing& listing, uint8_t* buffer, uint32_t* bytes, uint32_t* count) {
  if (!buffer) return kErrorInvalidBuffer;
  if (!bytes || !count) return kErrorInvalidParameter;
  uint32_t entrySize;
  std::memcpy(&entrySize, buffer, sizeof entrySize);
  if (!Published(kConnSizes, entrySize)) return kErrorInvalidSize;
  const uint32_t needed = entrySize * uint32_t(listing.size());
  if (*bytes < needed) {
    *bytes = needed;
    *count = 0;
    return kErrorBufferTooSmall;
  }
  const bool compact = entrySize == kConnSizes[0];
  for (size_t i = 0; i < listing.size(); ++i) {
    uint8_t* entry = buffer + i * entrySize;
    std::memset(entry, 0, entrySize);
    PutDword(entry, entrySize);
    PutDword(entry + kEntryHandle, listing[i].handle);
    PutText(entry + kEntryName, compact ? 21 : 257, listing[i].name);
    if (!compact) {
      PutText(entry + kEntryDeviceType, kDeviceTypeBytes, kDeviceType);
      PutText(entry + kEntryDeviceName, kLongDeviceNameBytes, kDeviceName);
    }
  }
  *bytes = needed;
  *count = uint32_t(listing.size());
  return kSuccess;
}

uint32_t GetConnectStatus(const Listing& listing, uint32_t handle, uint8_t* status) {
  if (!status) return kErrorInvalidBuffer;
  uint32_t size;
  std::memcpy(&size, status, sizeof size);
  if (!Published(kStatusSizes, size)) return kErrorInvalidSize;
  const auto connection =
      std::find_if(listing.begin(), listing.end(), [&](const Connection& c) { return c.handle == handle; });
  if (connection == listing.end()) return kErrorInvalidHandle;
  std::memset(status + sizeof size, 0, size - sizeof size);
  PutDword(status + kStatusState, connection->state);
  PutText(status + kStatusDeviceType, kDeviceTypeBytes, kDeviceType);
  PutText(status + kStatusDeviceName, size == kStatusSizes[0] ? 33 : kLongDeviceNameBytes, kDeviceName);
  return kSuccess;
}

}  // namespace rasstandin
