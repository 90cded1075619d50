#include "linetally/monitor/remote_access_win32.h"

#include <windows.h>
#include <ras.h>

#include <cstring>

namespace lt {
namespace {

// Static, never cleared: a call that writes nothing leaves the last written values in force.
alignas(8) uint8_t enumBuffer[kEnumEntries * kExtendedLayout.connSize];
alignas(8) uint8_t statusRecord[kExtendedLayout.statusSize];

constexpr size_t kHandleOffset = 4, kNameOffset = 8, kStateOffset = 4;

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
  const char* name = reinterpret_cast<const char*>(enumBuffer + kNameOffset);
  firstEntryName.assign(name, strnlen(name, layout.nameBytes));
  return int32_t(count);
}

uint16_t Win32RemoteAccess::ConnectionState() {
  HRASCONN handle;
  std::memcpy(&handle, enumBuffer + kHandleOffset, sizeof handle);
  PutDword(statusRecord, layout.statusSize);
  RasGetConnectStatusA(handle, reinterpret_cast<LPRASCONNSTATUSA>(statusRecord));
  uint16_t state;
  std::memcpy(&state, statusRecord + kStateOffset, sizeof state);
  return state;
}

}  // namespace lt
