#pragma once
// A session database over real files in a scratch folder, with the messages it shows recorded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "linetally/database/session_database.h"
#ifdef _WIN32
#include "linetally/database/file_store_win32.h"
#endif

namespace lt::testing {

class RecordingUi : public DatabaseUi {
 public:
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowSizeWarning(const std::string& text, int helpContext) override {
    warnings.push_back(text);
    helpContexts.push_back(helpContext);
  }
  std::vector<std::string> errors, warnings;
  std::vector<int> helpContexts;
};

class DatabaseTest : public ::testing::Test {
 protected:
  DatabaseTest() { std::filesystem::create_directories(folder); }
  static std::filesystem::path ScratchFolder() {
    auto path = std::filesystem::temp_directory_path() /
                ("lt-db-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(path);
    return path;
  }
  ~DatabaseTest() override { std::filesystem::remove_all(folder); }

  std::string PathOf(const std::string& name) const { return prefix + name; }
  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string ReadFile(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool FileExists(const std::string& name) const { return std::filesystem::exists(PathOf(name)); }

  std::filesystem::path folder = ScratchFolder();
  std::string prefix = folder.string() + "/";
  RegionalFormats formats = DayFirstFormats();
#ifdef _WIN32
  Win32FileStore files;  // the C library's rename does not replace a file on Windows
#else
  StdFileStore files;
#endif
  RecordingUi ui;
  SessionDatabase db{files, ui, formats, prefix};
};

}  // namespace lt::testing
