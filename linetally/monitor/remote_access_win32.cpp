#include "linetally/monitor/remote_access_win32.h"

#include <windows.h>
#include <ras.h>

#include <cstddef>
#include <cstring>

namespace lt {
namespace {

// The platform's own header agrees with the layouts (its newer records only add fields after these).
static_assert(offsetof(RASCONNA, hrasconn) == kRasHandleOffset);
static_assert(offsetof(RASCONNA, szEntryName) == kExtendedLayout.nameOffset);
static_assert(offsetof(RASCONNA, szDeviceType) == kExtendedLayout.deviceTypeOffset);
static_assert(offsetof(RASCONNA, szDeviceName) == kExtendedLayout.deviceNameOffset);
static_assert(offsetof(RASCONNSTATUSA, rasconnstate) == kRasStatusStateOffset);
static_assert(offsetof(RASCONNSTATUSA, szDeviceType) == kRasStatusDeviceTypeOffset);

// Static, never cleared: a call that writes nothing leaves the last written values in force.
alignas(8) uint8_t enumBuffer[kEnumEntries * kExtendedLayout.connSize];
alignas(8) uint8_t statusRecord[kExtendedLayout.statusSize];

void PutDword(uint8_t* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

}  // namespace

uint16_t Win32RemoteAccess::QueryPlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = 148;
  if (!GetVersionExA(&info)) return 0;
  return uint16_t(info.dwPlatformId & 0xFFFF);
}

void Win32RemoteAccess::SelectLayout(uint16_t platformId) {
  layout = platformId == VER_PLATFORM_WIN32_NT ? kCompactLayout : kExtendedLayout;
}

int32_t Win32RemoteAccess::EnumerateConnections(std::string& firstEntryName) {
  PutDword(enumBuffer, layout.connSize);
  DWORD size = DWORD(kEnumEntries) * layout.connSize;
  DWORD count = 0;
  RasEnumConnectionsA(reinterpret_cast<LPRASCONNA>(enumBuffer), &size, &count);
  const char* name = reinterpret_cast<const char*>(enumBuffer + layout.nameOffset);
  firstEntryName.assign(name, strnlen(name, layout.nameBytes));
  return int32_t(count);
}

uint16_t Win32RemoteAccess::ConnectionState() {
  static_assert(sizeof(HRASCONN) == kPointerBytes);
  HRASCONN handle;
  std::memcpy(&handle, enumBuffer + kRasHandleOffset, sizeof handle);
  PutDword(statusRecord, layout.statusSize);
  RasGetConnectStatusA(handle, reinterpret_cast<LPRASCONNSTATUSA>(statusRecord));
  uint16_t state;
  std::memcpy(&state, statusRecord + kRasStatusStateOffset, sizeof state);
  return state;
}

}  // namespace lt
