#pragma once
// The remote-access stand-in of the test prefix (tools/ras-standin) driven by one test: the
// script of dial-up connections in the program folder, named in the stand-in's registry key,
// and the record sizes the stand-in saw the program use.
#include <string>

#include "harness.h"

namespace e2e {

class DialScript {
 public:
  explicit DialScript(ProgramFolder& folder) : folder(folder) {
    folder.Write(kName, "");
    WriteRegistryString(HKEY_CURRENT_USER, "Software\\RasStandin", "ScriptFile", folder.File(kName));
  }
  // The stand-in reads the script again on its next call; its moments count from then.
  void Write(const std::string& script) { folder.Write(kName, script); }
  // "RasEnumConnectionsA 412\n"...: each size once, in the order first used.
  std::string SizesSeen() const { return folder.Read(std::string(kName) + ".log").value_or(""); }

 private:
  static constexpr const char* kName = "dial.txt";
  ProgramFolder& folder;
};

// Runs Linetally under this Windows version of the prefix ("win98", "winxp"...).
inline void SetWindowsVersion(const std::string& version) {
  WriteRegistryString(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Linetally.exe", "Version", version);
}

}  // namespace e2e
