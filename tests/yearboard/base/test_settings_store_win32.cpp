#include <gtest/gtest.h>
#include <windows.h>

#include "yearboard/base/system_win32.h"

namespace yb {
namespace {

const char kPath[] = "Software\\YearboardTest\\Categories";

TEST(RegistrySettingsStore, StringValuesUnderApplicationAndSection) {
  RegDeleteKeyA(HKEY_CURRENT_USER, kPath);
  RegistrySettingsStore store;
  EXPECT_FALSE(store.GetSetting("YearboardTest", "Categories", "Travel").has_value());
  store.SaveSetting("YearboardTest", "Categories", "Travel", "65280");
  EXPECT_EQ(store.GetSetting("YearboardTest", "categories", "TRAVEL"), "65280");

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ | KEY_SET_VALUE, &key), ERROR_SUCCESS);
  char data[32] = {};
  DWORD type = 0, size = sizeof data;
  ASSERT_EQ(RegQueryValueExA(key, "Travel", nullptr, &type, reinterpret_cast<BYTE*>(data), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 6u);
  EXPECT_STREQ(data, "65280");

  // A value of another type reads as unreadable, neither as garbage nor as no setting.
  const DWORD number = 65280;
  ASSERT_EQ(RegSetValueExA(key, "Holiday", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_FALSE(store.GetSetting("YearboardTest", "Categories", "Holiday").has_value());
  EXPECT_EQ(store.ReadSetting("YearboardTest", "Categories", "Holiday").state, StoredSetting::State::Unreadable);
  EXPECT_EQ(store.ReadSetting("YearboardTest", "Categories", "Work").state, StoredSetting::State::Missing);
  RegDeleteKeyA(HKEY_CURRENT_USER, kPath);
}

TEST(SystemFormats, ReadFromTheUserLocale) {
  const Formats formats = ReadSystemFormats();
  EXPECT_FALSE(formats.shortDate.empty());
  EXPECT_FALSE(formats.longTime.empty());
  // Whatever the locale, the names are filled and formatting uses them.
  for (const std::string& name : formats.monthNames) EXPECT_FALSE(name.empty());
  const std::string general = FormatGeneralDate(DateTimeSerial(1998, 5, 7, 10, 0, 0), formats);
  EXPECT_NE(general.find("1998"), std::string::npos);
  EXPECT_NE(general.find("10"), std::string::npos);
}

// Text in the system's ANSI code page.
std::string Ansi(const wchar_t* text) {
  char buffer[64] = {};
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, &lost);
  return lost ? "" : buffer;
}

TEST(SystemTextCase, FoldsEveryLetterOfTheCodePage) {
  const std::string lower = Ansi(L"Gesch\u00e4ft"), upper = Ansi(L"GESCH\u00c4FT");
  if (lower.empty()) GTEST_SKIP() << "the code page has no A with diaeresis";
  const SystemTextCase textCase;
  EXPECT_EQ(textCase.Fold(lower), textCase.Fold(upper));
  EXPECT_EQ(textCase.Fold("travel"), textCase.Fold("TRAVEL"));
  EXPECT_NE(textCase.Fold(lower), textCase.Fold("Geschaft"));
  EXPECT_NE(textCase.Fold("Travel"), textCase.Fold("Travels"));
}

}  // namespace
}  // namespace yb
