#include "linetally/database/file_store_win32.h"

#include <windows.h>

namespace lt {
namespace {

std::string LastErrorText() {
  const DWORD code = GetLastError();
  char buffer[512] = {};
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                      sizeof buffer, nullptr))
    return "error " + std::to_string(code);
  std::string text = buffer;
  // The reason goes inside a sentence of ours: no line end, no full stop of its own.
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ' || text.back() == '.'))
    text.pop_back();
  return text;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : handle(h) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(handle);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle; }
  bool Close() {
    HANDLE h = handle;
    handle = INVALID_HANDLE_VALUE;
    return CloseHandle(h) != 0;
  }

 private:
  HANDLE handle;
};

// Renames `from` over `to`. Another program reading `to` at that moment (a backup, a virus
// scanner, a viewer) makes the rename fail, and under Wine even one that shares deletion: it is
// tried again for about a second before the failure counts.
bool MoveOverHeldFile(const std::string& from, const std::string& to) {
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    if (!held || attempt == 20) return false;  // GetLastError still tells why
    Sleep(50);
  }
}

}  // namespace

bool Win32FileStore::Exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileStore::ReadAll(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string text;
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    // A read that fails part way is no file: what came before it is not the whole of it.
    if (!ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
    if (got == 0) return text;
    text.append(buffer, got);
  }
}

void Win32FileStore::ReplaceAtomically(const std::string& path, const std::string& contents) {
  const std::string temporary = path + ".tmp";
  {
    FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) throw FileError(LastErrorText());
    DWORD written = 0;
    const bool ok = (contents.empty() || WriteFile(file.Get(), contents.data(), DWORD(contents.size()), &written,
                                                   nullptr)) &&
                    written == contents.size() && FlushFileBuffers(file.Get());
    if (!ok) {
      const std::string reason = LastErrorText();
      file.Close();
      DeleteFileA(temporary.c_str());
      throw FileError(reason);
    }
    if (!file.Close()) throw FileError(LastErrorText());
  }
  if (!MoveOverHeldFile(temporary, path)) {
    const std::string reason = LastErrorText();
    DeleteFileA(temporary.c_str());
    throw FileError(reason);
  }
}

std::string Win32FileStore::MoveAside(const std::string& path, const std::string& suggested) {
  const std::string target = FreeName(suggested, [this](const std::string& name) {
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
  if (!MoveFileExA(path.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) throw FileError(LastErrorText());
  return target;
}

void Win32FileStore::Remove(const std::string& path) {
  if (!DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) throw FileError(LastErrorText());
}

std::string ProgramFolder() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, length);
  return path.substr(0, path.find_last_of('\\') + 1);
}

}  // namespace lt
