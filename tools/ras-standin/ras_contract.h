#pragma once
// The two remote-access calls over a listing, as the platform answers them: the caller's
// record sizes are checked against the ones published for the architecture (pointer width),
// entries and status records are written in the layout that size names, and the platform's
// error codes are returned. A 64-bit platform refuses the 32-bit sizes and the other way round.
#include <cstdint>

#include "linetally/monitor/ras_layout.h"
#include "tools/ras-standin/ras_script.h"

namespace rasstandin {

inline constexpr uint32_t kSuccess = 0;
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorBufferTooSmall = 603;
inline constexpr uint32_t kErrorInvalidBuffer = 610;
inline constexpr uint32_t kErrorInvalidSize = 632;

// Published connection entry sizes of a 32-bit platform (the first two: the compact and the
// extended layout, then the later versions, which only add fields after the extended ones); a
// 64-bit platform's are each 4 bytes longer, for its wider handle. Status record sizes (64
// compact, 160 extended, then the later versions) are the same on both.
inline constexpr uint32_t kConnSizes32[] = {32, 412, 676, 692, 704, 720};
inline constexpr uint32_t kStatusSizes[] = {64, 160, 288, 332};

// The published entry size `index` of kConnSizes32 on a platform with `pointerBytes` pointers.
constexpr uint32_t ConnSize(uint32_t pointerBytes, int index) { return kConnSizes32[index] + pointerBytes - 4; }

// RasEnumConnectionsA: `bytes` in: the buffer's size, out: the size the listing needs.
uint32_t EnumerateConnections(uint32_t pointerBytes, const Listing& listing, uint8_t* buffer, uint32_t* bytes,
                              uint32_t* count);
// RasGetConnectStatusA: nothing is written unless the call succeeds.
uint32_t GetConnectStatus(const Listing& listing, uint64_t handle, uint8_t* status);

}  // namespace rasstandin
