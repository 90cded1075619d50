#pragma once
// The two remote-access calls over a listing, as the platform answers them: the caller's
// record sizes are checked against the published ones, entries and status records are written
// in the layout that size names, and the platform's error codes are returned.
#include <cstdint>

#include "tools/ras-standin/ras_script.h"

namespace rasstandin {

inline constexpr uint32_t kSuccess = 0;
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorBufferTooSmall = 603;
inline constexpr uint32_t kErrorInvalidBuffer = 610;
inline constexpr uint32_t kErrorInvalidSize = 632;

// Published connection entry sizes (the first two: the compact and the extended layout) and
// status record sizes (64 compact, 160 extended, then the later versions).
inline constexpr uint32_t kConnSizes[] = {32, 412, 676, 692, 704, 720};
inline constexpr uint32_t kStatusSizes[] = {64, 160, 288, 332};

// RasEnumConnectionsA: `bytes` in: the buffer's size, out: the size the listing needs.
uint32_t EnumerateConnections(const Listing& listing, uint8_t* buffer, uint32_t* bytes, uint32_t* count);
// RasGetConnectStatusA: nothing is written unless the call succeeds.
uint32_t GetConnectStatus(const Listing& listing, uint32_t handle, uint8_t* status);

}  // namespace rasstandin
