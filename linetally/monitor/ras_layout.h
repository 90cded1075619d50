#pragma once
// The remote-access records as the platform lays them out, for a build whose pointers are
// `pointerBytes` wide. Its headers pack them to 4 bytes: the size, the connection handle
// (pointer-sized, so it moves the entry's text fields in a 64-bit build), then the texts. The
// status record holds no pointer and keeps its sizes in both builds. The program and the
// remote-access stand-in both read their offsets here.
#include <cstdint>

namespace lt {

struct RasLayout {
  uint32_t connSize;          // one connection entry
  uint32_t nameOffset;        // the entry name
  uint32_t nameBytes;         // with its terminator
  uint32_t deviceTypeOffset;  // extended entries only; 0 in compact ones
  uint32_t deviceNameOffset;  // likewise
  uint32_t statusSize;        // the status record
};

inline constexpr uint32_t kRasHandleOffset = 4;
inline constexpr uint32_t kRasStatusStateOffset = 4;
inline constexpr uint32_t kRasStatusDeviceTypeOffset = 12;
inline constexpr uint32_t kRasDeviceTypeBytes = 17;
inline constexpr uint32_t kRasLongDeviceNameBytes = 129;
inline constexpr uint32_t kRasShortDeviceNameBytes = 33;

constexpr uint32_t RasPacked(uint32_t bytes) { return (bytes + 3) / 4 * 4; }

// The entry of the NT platform: a 20-character name, no device fields.
constexpr RasLayout RasCompactLayout(uint32_t pointerBytes) {
  const uint32_t name = kRasHandleOffset + pointerBytes;
  return {RasPacked(name + 21), name, 21, 0, 0, 64};
}

// The entry of the other platforms: the long name, then the device type and name.
constexpr RasLayout RasExtendedLayout(uint32_t pointerBytes) {
  const uint32_t name = kRasHandleOffset + pointerBytes;
  const uint32_t type = name + 257, device = type + kRasDeviceTypeBytes;
  return {RasPacked(device + kRasLongDeviceNameBytes), name, 257, type, device, 160};
}

inline constexpr uint32_t kPointerBytes = sizeof(void*);

}  // namespace lt
