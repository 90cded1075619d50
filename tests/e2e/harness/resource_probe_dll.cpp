// The diagnostic DLL of resource_probe.h. A WH_GETMESSAGE hook loads it into the program's GUI
// thread; on the request message it counts and writes the answer block. Test use only: it is
// never shipped with the programs.
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <vector>

#include "resource_probe.h"

namespace {

// Wine takes the low word of a GDI handle as its slot in the process's table and matches a
// value without the high word to whatever lives in that slot; on Windows the system's own count
// is used instead. Regions are
// left out of the walk: Wine keeps one for each window's invalid area, so their number follows
// what is waiting to be painted, and neither program makes regions of its own.
LONG GdiObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return LONG(count);
  LONG count = 0;
  for (ULONG_PTR value = 1; value <= 0xFFFF; ++value) {
    const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(value));
    count += type != 0 && type != OBJ_REGION;
  }
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<LONG*>(count);
  return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM count) {
  ++*reinterpret_cast<LONG*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

LONG UserObjects() {
  if (const DWORD count = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return LONG(count);
  LONG count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The system handle list (class 16): entries of every process, ours counted.
struct HandleEntry {
  ULONG processId;
  BYTE type, flags;
  USHORT value;
  PVOID object;
  ULONG access;
};

LONG KernelHandles() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count) return LONG(count);
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(SYSTEM_INFORMATION_CLASS(16), buffer.data(), ULONG(buffer.size()), &length)) ==
         NTSTATUS(0xC0000004L))
    buffer.resize(buffer.size() * 2);
  if (status != 0) return -1;
  const ULONG entries = *reinterpret_cast<const ULONG*>(buffer.data());
  const auto* entry = reinterpret_cast<const HandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
  LONG ours = 0;
  for (ULONG i = 0; i < entries; ++i) ours += entry[i].processId == GetCurrentProcessId();
  return ours - 1;  // the answer block's mapping, open only while counting
}

ULONGLONG PrivateBytes() {
  ULONGLONG bytes = 0;
  MEMORY_BASIC_INFORMATION region;
  for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region);
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  return bytes;
}

ULONGLONG ResidentBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters) ? counters.WorkingSetSize : 0;
}

void Answer() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, e2e::ProbeAnswerName(GetCurrentProcessId()).c_str());
  if (!mapping) return;
  if (auto* answer = static_cast<e2e::ProbeAnswer*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(e2e::ProbeAnswer)))) {
    answer->gdi = GdiObjects();
    answer->user = UserObjects();
    answer->kernel = KernelHandles();
    answer->privateBytes = PrivateBytes();
    answer->residentBytes = ResidentBytes();
    InterlockedIncrement(&answer->sequence);
    UnmapViewOfFile(answer);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ProbeHook(int code, WPARAM removed, LPARAM message) {
  static const UINT request = RegisterWindowMessageA(e2e::kProbeRequest);
  if (code == HC_ACTION && removed == PM_REMOVE && reinterpret_cast<const MSG*>(message)->message == request) Answer();
  return CallNextHookEx(nullptr, code, removed, message);
}
