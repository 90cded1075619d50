#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "yearboard/model/master_list_win32.h"

namespace yb {
namespace {

const char kCategoriesKey[] = "Software\\Microsoft\\Office\\8.0\\Outlook\\Categories";

void DeleteMasterList() { RegDeleteKeyA(HKEY_CURRENT_USER, kCategoriesKey); }

TEST(MasterCategoryList, ReadsTheUnnamedValueOfTheCategoriesSubkey) {
  DeleteMasterList();
  const std::string text = "Holiday;Travel;";
  ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, kCategoriesKey, REG_SZ, text.c_str(),
                         static_cast<DWORD>(text.size())),
            ERROR_SUCCESS);
  EXPECT_EQ(ReadMasterCategoryList(), "Holiday;Travel;");
  DeleteMasterList();
}

TEST(MasterCategoryList, MissingOrUnreadableGivesAnEmptyList) {
  DeleteMasterList();
  EXPECT_EQ(ReadMasterCategoryList(), "");
  // A value of the wrong type: nothing is loaded, nothing breaks.
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kCategoriesKey, &key), ERROR_SUCCESS);
  const DWORD number = 7;
  RegSetValueExA(key, nullptr, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(ReadMasterCategoryList(), "");
  // A string without its terminating NUL is still read whole.
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kCategoriesKey, &key), ERROR_SUCCESS);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("Work;"), 5);
  RegCloseKey(key);
  EXPECT_EQ(ReadMasterCategoryList(), "Work;");
  DeleteMasterList();
}

}  // namespace
}  // namespace yb
