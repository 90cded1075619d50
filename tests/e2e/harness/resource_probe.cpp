#include "resource_probe.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "harness.h"

namespace e2e {

ResourceProbe::ResourceProbe(HWND window, const std::string& dllPath) : window(window) {
  DWORD processId = 0;
  const DWORD thread = GetWindowThreadProcessId(window, &processId);
  mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeAnswer),
                               ProbeAnswerName(processId).c_str());
  if (mapping) answer = static_cast<ProbeAnswer*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeAnswer)));
  dll = LoadLibraryA(WindowsPath(dllPath).c_str());
  const auto proc = dll ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(dll, "ProbeHook"))) : nullptr;
  if (proc && thread) hook = SetWindowsHookExA(WH_GETMESSAGE, proc, dll, thread);
  if (!answer || !hook) {
    this->~ResourceProbe();
    throw std::runtime_error("cannot hook the program with " + dllPath);
  }
}

ResourceProbe::~ResourceProbe() {
  if (hook) UnhookWindowsHookEx(hook);
  if (dll) FreeLibrary(dll);
  if (answer) UnmapViewOfFile(answer);
  if (mapping) CloseHandle(mapping);
  hook = nullptr, dll = nullptr, answer = nullptr, mapping = nullptr;
}

std::optional<ResourceCounts> ResourceProbe::Read(int timeoutMs) {
  std::optional<ResourceCounts> least;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) Sleep(250);
    const auto counts = Ask(timeoutMs);
    if (!counts) return std::nullopt;
    if (!least) least = counts;
    least->gdi = std::min(least->gdi, counts->gdi);
    least->user = std::min(least->user, counts->user);
    least->kernel = std::min(least->kernel, counts->kernel);
    least->privateBytes = std::min(least->privateBytes, counts->privateBytes);
    least->residentBytes = std::min(least->residentBytes, counts->residentBytes);
  }
  return least;
}

std::optional<ResourceCounts> ResourceProbe::Ask(int timeoutMs) {
  static const UINT request = RegisterWindowMessageA(kProbeRequest);
  const LONG before = answer->sequence;
  PostMessageA(window, request, 0, 0);
  if (!WaitUntil([&] { return answer->sequence != before; }, timeoutMs)) return std::nullopt;
  return ResourceCounts{answer->gdi, answer->user, answer->kernel, answer->privateBytes, answer->residentBytes};
}

SoakReadings::SoakReadings(const char* stepName, int warmUpSteps) : warmUpSteps(warmUpSteps) {
  std::printf("%10s %6s %6s %7s %14s\n", stepName, "GDI", "USER", "kernel", "private bytes");
}

void SoakReadings::Add(int step, const ResourceCounts& counts, const std::string& note) {
  readings.push_back({step, counts});
  std::printf("%10d %6ld %6ld %7ld %14llu %s\n", step, counts.gdi, counts.user, counts.kernel, counts.privateBytes,
              note.c_str());
  std::fflush(stdout);
}

std::string SoakReadings::Growth() const {
  const Reading* base = nullptr;
  for (const Reading& r : readings) {
    if (r.step < warmUpSteps) continue;
    if (!base) {
      base = &r;
      continue;
    }
    const std::pair<const char*, long> counts[] = {{"GDI objects", r.counts.gdi - base->counts.gdi},
                                                   {"USER objects", r.counts.user - base->counts.user},
                                                   {"kernel handles", r.counts.kernel - base->counts.kernel}};
    for (const auto& [what, grown] : counts)
      if (grown > 0)
        return std::string(what) + " grew by " + std::to_string(grown) + " from step " + std::to_string(base->step) +
               " to step " + std::to_string(r.step);
  }
  return base ? "" : "no reading after the warm-up";
}

}  // namespace e2e
