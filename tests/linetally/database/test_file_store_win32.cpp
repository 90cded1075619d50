// The session log's files on the Windows file API.
#include <gtest/gtest.h>

#include <windows.h>

#include "linetally/database/file_store_win32.h"

namespace lt {
namespace {

class Win32FileStoreTest : public ::testing::Test {
 protected:
  Win32FileStoreTest() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "lt-files-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  ~Win32FileStoreTest() override {
    for (const char* name : {"Lnt.dat", "Lnt.dat.tmp", "Lnt.dat.damaged", "Lnt.dat.damaged.2"})
      DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
  }
  std::string folder;
  Win32FileStore files;
};

TEST_F(Win32FileStoreTest, ReplacesWholeAndLeavesNoTemporary) {
  const std::string path = folder + "Lnt.dat";
  EXPECT_FALSE(files.Exists(path));
  files.ReplaceAtomically(path, "one\r\n");
  files.ReplaceAtomically(path, std::string("two\0\r\n", 6));
  EXPECT_EQ(files.ReadAll(path), std::string("two\0\r\n", 6));
  EXPECT_FALSE(files.Exists(path + ".tmp"));
  files.ReplaceAtomically(path, "");
  EXPECT_EQ(files.ReadAll(path), "");
}

TEST_F(Win32FileStoreTest, AFailedReplaceKeepsTheOldFile) {
  const std::string path = folder + "Lnt.dat";
  files.ReplaceAtomically(path, "kept\r\n");
  // Another program holds the temporary's name open without sharing.
  HANDLE blocker = CreateFileA((path + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(blocker, INVALID_HANDLE_VALUE);
  EXPECT_THROW(files.ReplaceAtomically(path, "new\r\n"), FileError);
  CloseHandle(blocker);
  EXPECT_EQ(files.ReadAll(path), "kept\r\n");
}

// A read that fails part way (here a range another program has locked, past the first 64 KB
// read) once gave back what came before it as the whole file, which the next save wrote over
// the log. It is a file that could not be read.
TEST_F(Win32FileStoreTest, AReadThatFailsPartWayIsNoFile) {
  const std::string path = folder + "Lnt.dat";
  files.ReplaceAtomically(path, std::string(200000, 'x'));
  HANDLE other = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  OVERLAPPED at{};
  at.Offset = 100000;
  ASSERT_TRUE(LockFileEx(other, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 10, 0, &at));
  EXPECT_EQ(files.ReadAll(path), std::nullopt);
  UnlockFileEx(other, 0, 10, 0, &at);
  CloseHandle(other);
  EXPECT_EQ(files.ReadAll(path), std::string(200000, 'x'));
}

TEST_F(Win32FileStoreTest, MovesADamagedFileAsideUnderAFreeName) {
  const std::string path = folder + "Lnt.dat";
  files.ReplaceAtomically(path + ".damaged", "older");
  files.ReplaceAtomically(path, "damaged");
  EXPECT_EQ(files.MoveAside(path, path + ".damaged"), path + ".damaged.2");
  EXPECT_FALSE(files.Exists(path));
  EXPECT_EQ(files.ReadAll(path + ".damaged.2"), "damaged");
  EXPECT_EQ(files.ReadAll(path + ".damaged"), "older");
  EXPECT_THROW(files.MoveAside(path, path + ".damaged"), FileError) << "nothing to move";
}

TEST(ProgramFolder, EndsWithABackslash) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  EXPECT_EQ(std::string(exe).rfind(folder, 0), 0u);
}

}  // namespace
}  // namespace lt
