// The session log's files on the Windows file API.
#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

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

// Another program reading the log as it is saved (a backup, a scanner) once made the save fail
// at once: a reader that lets go within the wait no longer does, one that holds on still does.
TEST_F(Win32FileStoreTest, AReplaceWaitsForAReaderToLetGo) {
  const std::string path = folder + "Lnt.dat";
  for (const auto& [heldMs, replaced] : {std::pair{300, true}, std::pair{3000, false}}) {
    SCOPED_TRACE(heldMs);
    files.ReplaceAtomically(path, "old\r\n");
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread letGo([&, heldMs = heldMs] {
      Sleep(heldMs);
      CloseHandle(reader);
    });
    bool threw = false;
    try {
      files.ReplaceAtomically(path, "new\r\n");
    } catch (const FileError&) {
      threw = true;
    }
    letGo.join();
    EXPECT_EQ(threw, !replaced);
    EXPECT_EQ(files.ReadAll(path), replaced ? "new\r\n" : "old\r\n");
    EXPECT_FALSE(files.Exists(path + ".tmp"));
  }
}

// A read that fails part way once gave back what came before it as the whole file, which the
// next save wrote over the log. Here the file is the reading end of a pipe whose writer goes
// away after part of a log: the read fails with a broken pipe, and that is a file that could
// not be read.
TEST_F(Win32FileStoreTest, AReadThatFailsPartWayIsNoFile) {
  const std::string name = "\\\\.\\pipe\\lt-read-" + std::to_string(GetCurrentProcessId());
  HANDLE pipe = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0,
                                 nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  std::thread writer([pipe] {
    ConnectNamedPipe(pipe, nullptr);
    const char part[] = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,\r\n";
    DWORD written = 0;
    WriteFile(pipe, part, DWORD(sizeof part - 1), &written, nullptr);
    Sleep(200);  // read, then the writer goes
    CloseHandle(pipe);
  });
  const std::optional<std::string> text = files.ReadAll(name);
  writer.join();
  EXPECT_FALSE(text.has_value()) << "taken as the whole file: " << text->size() << " bytes";
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
