#pragma once
// Handles and memory of a program under test, counted inside it: a diagnostic DLL
// (resource_probe_dll.cpp, e2e_probe.dll next to the programs) that a message hook loads into
// the program's GUI thread answers a posted request. Under Wine GetGuiResources and
// GetProcessHandleCount give 0, so the DLL counts what it can see: GDI objects by walking the
// handle values with GetObjectType, the thread's windows and their children, the process's
// kernel handles from the system's handle list, committed private memory and the resident set.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct ResourceCounts {
  long gdi = 0, user = 0, kernel = 0;
  unsigned long long privateBytes = 0, residentBytes = 0;
};

// The block the DLL writes its answer into, shared by name with the process that asked.
struct ProbeAnswer {
  volatile LONG sequence;  // one more for each answer
  LONG gdi, user, kernel;
  ULONGLONG privateBytes, residentBytes;
};
inline constexpr const char* kProbeRequest = "E2EResourceProbe";
inline std::string ProbeAnswerName(DWORD processId) { return kProbeRequest + std::to_string(processId); }

class ResourceProbe {
 public:
  // Hooks the thread of `window` (a window of the program) with the DLL at `dllPath`.
  ResourceProbe(HWND window, const std::string& dllPath);
  ~ResourceProbe();
  ResourceProbe(const ResourceProbe&) = delete;
  ResourceProbe& operator=(const ResourceProbe&) = delete;

  // The least of three answers a quarter second apart, so that what lives only for a moment (a
  // tray frame being swapped, a window being painted) is not counted; nothing when an answer
  // did not come in time.
  std::optional<ResourceCounts> Read(int timeoutMs = 10000);

 private:
  std::optional<ResourceCounts> Ask(int timeoutMs);

  HWND window;
  HMODULE dll = nullptr;
  HHOOK hook = nullptr;
  HANDLE mapping = nullptr;
  ProbeAnswer* answer = nullptr;
};

// The readings of a soak run, printed as a table as they come. After the warm-up reading no
// handle count may grow at all.
class SoakReadings {
 public:
  SoakReadings(const char* stepName, int warmUpSteps);
  void Add(int step, const ResourceCounts& counts, const std::string& note = "");
  // "" when flat, else which count grew and where.
  std::string Growth() const;

 private:
  struct Reading {
    int step;
    ResourceCounts counts;
  };
  int warmUpSteps;
  std::vector<Reading> readings;
};

}  // namespace e2e
