// rasapi32.dll for test prefixes: lists the dial-up connections of a script (ras_script.h)
// whose path is the value ScriptFile of HKEY_CURRENT_USER\Software\RasStandin. The script is
// read again whenever its file changes, and its moments count from that reading, so a test
// starts a dial by writing the script. Each record size a program calls with, and any script
// error, is written once to the script's path + ".log", so a test sees the layout used.
#include <windows.h>

#include <cstring>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <string>

#include "tools/ras-standin/ras_contract.h"

namespace rasstandin {
namespace {

constexpr char kSettingsKey[] = "Software\\RasStandin";
constexpr char kScriptValue[] = "ScriptFile";

std::string ScriptPath() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
  char path[MAX_PATH] = {};
  DWORD size = sizeof path - 1, type = 0;
  const LONG rc = RegQueryValueExA(key, kScriptValue, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ ? path : "";
}

class StandIn {
 public:
  // The listing of this moment, the script read again first when it changed.
  const Listing& Current() {
    const std::string path = ScriptPath();
    if (path != scriptPath) {
      scriptPath = path;
      recorded.clear();
      loaded = false;
    }
    WIN32_FILE_ATTRIBUTE_DATA file{};
    if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &file)) file = {};
    const bool changed = CompareFileTime(&file.ftLastWriteTime, &version.ftLastWriteTime) != 0 ||
                         file.nFileSizeLow != version.nFileSizeLow;
    if (!loaded || changed) Load(file);
    return script.At(GetTickCount() - loadedAt);
  }

  void Record(const std::string& line) {
    if (scriptPath.empty() || !recorded.insert(line).second) return;
    std::ofstream(scriptPath + ".log", std::ios::app | std::ios::binary) << line << "\n";
  }

  std::mutex lock;

 private:
  void Load(const WIN32_FILE_ATTRIBUTE_DATA& file) {
    version = file;
    loaded = true;
    loadedAt = GetTickCount();
    script = Script();
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    try {
      script = Script(text.str());
    } catch (const ScriptError& e) {
      Record(std::string("script error: ") + e.what());
    }
  }

  std::string scriptPath;
  WIN32_FILE_ATTRIBUTE_DATA version{};
  bool loaded = false;
  DWORD loadedAt = 0;
  Script script;
  std::set<std::string> recorded;
};

StandIn standIn;

uint32_t FirstDword(const void* record) {
  uint32_t value;
  std::memcpy(&value, record, sizeof value);
  return value;
}

}  // namespace
}  // namespace rasstandin

using rasstandin::standIn;

extern "C" DWORD WINAPI RasEnumConnectionsA(void* buffer, DWORD* bytes, DWORD* count) {
  std::lock_guard<std::mutex> hold(standIn.lock);
  const rasstandin::Listing& listing = standIn.Current();
  if (buffer) standIn.Record("RasEnumConnectionsA " + std::to_string(rasstandin::FirstDword(buffer)));
  return rasstandin::EnumerateConnections(lt::kPointerBytes, listing, static_cast<uint8_t*>(buffer),
                                          reinterpret_cast<uint32_t*>(bytes), reinterpret_cast<uint32_t*>(count));
}

extern "C" DWORD WINAPI RasGetConnectStatusA(HANDLE connection, void* status) {
  std::lock_guard<std::mutex> hold(standIn.lock);
  const rasstandin::Listing& listing = standIn.Current();
  if (status) standIn.Record("RasGetConnectStatusA " + std::to_string(rasstandin::FirstDword(status)));
  return rasstandin::GetConnectStatus(listing, reinterpret_cast<uintptr_t>(connection),
                                      static_cast<uint8_t*>(status));
}
