#pragma once
// The calendar client's master category list: the unnamed value of the per-user key
// "Software\Microsoft\Office\8.0\Outlook\Categories", names each followed by ";".
#include <string>

namespace yb {

constexpr const char* kMasterListKey = "Software\\Microsoft\\Office\\8.0\\Outlook";
constexpr const char* kMasterListSubkey = "Categories";

// Empty when the key or value is missing or unreadable; never reports anything.
std::string ReadMasterCategoryList();

}  // namespace yb
