// The stand-in as programs in the test prefix meet it: rasapi32.dll loaded by name answers
// from the script the registry names, reads it again when it changes, and records each size
// it was called with once.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "harness.h"
#include "linetally/monitor/ras_layout.h"

namespace {

constexpr lt::RasLayout kCompact = lt::RasCompactLayout(lt::kPointerBytes);
constexpr lt::RasLayout kExtended = lt::RasExtendedLayout(lt::kPointerBytes);

using EnumConnections = DWORD(WINAPI*)(void*, DWORD*, DWORD*);
using ConnectStatus = DWORD(WINAPI*)(HANDLE, void*);

struct Calls {
  HMODULE dll = LoadLibraryA("rasapi32.dll");
  EnumConnections enumerate = reinterpret_cast<EnumConnections>(reinterpret_cast<void*>(GetProcAddress(dll, "RasEnumConnectionsA")));
  ConnectStatus status = reinterpret_cast<ConnectStatus>(reinterpret_cast<void*>(GetProcAddress(dll, "RasGetConnectStatusA")));

  // Count and first name of an enumeration with entries of `size` bytes.
  std::pair<DWORD, std::string> Enumerate(DWORD size) {
    alignas(8) char buffer[4 * 724] = {};
    std::memcpy(buffer, &size, 4);
    DWORD bytes = sizeof buffer, count = 99;
    EXPECT_EQ(enumerate(buffer, &bytes, &count), 0u);
    return {count, buffer + kCompact.nameOffset};
  }
  DWORD State(DWORD handle, DWORD size) {
    alignas(4) char record[160] = {};
    std::memcpy(record, &size, 4);
    EXPECT_EQ(status(reinterpret_cast<HANDLE>(uintptr_t(handle)), record), 0u);
    DWORD state;
    std::memcpy(&state, record + 4, 4);
    return state;
  }
};

TEST(RasStandin, PrefixLoadsItAsRasapi32AndItAnswersFromTheScript) {
  Calls ras;
  ASSERT_NE(ras.enumerate, nullptr) << "the prefix's rasapi32.dll is not the stand-in";
  ASSERT_NE(ras.status, nullptr);
  EXPECT_EQ(GetProcAddress(ras.dll, "RasDialA"), nullptr) << "Wine's own library was loaded";

  e2e::ProgramFolder folder;
  const std::string script = folder.File("script.txt");
  e2e::WriteRegistryString(HKEY_CURRENT_USER, "Software\\RasStandin", "ScriptFile", script);
  EXPECT_EQ(ras.Enumerate(kCompact.connSize).first, 0u) << "no script lists nothing";

  folder.Write("script.txt", "0 0x1001 2 Office link\n300 0x1001 0x2000 Office link\n");
  EXPECT_EQ(ras.Enumerate(kExtended.connSize), (std::pair<DWORD, std::string>{1, "Office link"}));
  EXPECT_EQ(ras.State(0x1001, 160), 2u);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ras.State(0x1001, 64) == 0x2000; }, 2000));

  folder.Write("script.txt", "0 7 4 Another line\n");  // a new dial: read again
  EXPECT_EQ(ras.Enumerate(kCompact.connSize), (std::pair<DWORD, std::string>{1, "Another line"}));
  EXPECT_EQ(ras.State(7, 64), 4u);
  EXPECT_EQ(folder.Read("script.txt.log").value_or(""),
            "RasEnumConnectionsA " + std::to_string(kCompact.connSize) + "\nRasEnumConnectionsA " +
                std::to_string(kExtended.connSize) + "\nRasGetConnectStatusA 160\nRasGetConnectStatusA 64\n");

  folder.Write("script.txt", "0 7 4\n");
  EXPECT_EQ(ras.Enumerate(kCompact.connSize).first, 0u) << "a broken script lists nothing";
  EXPECT_NE(folder.Read("script.txt.log").value_or("").find("script error: line 1: the entry name is missing\n"),
            std::string::npos);
}

}  // namespace
