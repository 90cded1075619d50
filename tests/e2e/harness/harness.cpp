#include "harness.h"

#include <cstdlib>
#include <stdexcept>

namespace e2e {

std::string WindowsPath(const std::string& unixPath) {
  if (unixPath.size() > 1 && unixPath[1] == ':') return unixPath;
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void Sleep(int ms) { ::Sleep(DWORD(ms)); }

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (int(GetTickCount() - start) > timeoutMs) return condition();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    ::Sleep(20);
  }
}

namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(folder + name + "\\");
      else
        DeleteFileA((folder + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

ProgramFolder::ProgramFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  for (;;) {
    path = std::string(temp) + "e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    if (CreateDirectoryA(path.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path);
  }
}

ProgramFolder::ProgramFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  path = std::string(temp) + name + "\\";
  if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    throw std::runtime_error("cannot create " + path);
}

ProgramFolder::~ProgramFolder() { RemoveTree(path); }

void ProgramFolder::CopyIn(const std::string& sourcePath, const std::string& name) {
  const std::string source = WindowsPath(sourcePath);
  const std::string target = name.empty() ? source.substr(source.find_last_of('\\') + 1) : name;
  if (!CopyFileA(source.c_str(), File(target).c_str(), FALSE))
    throw std::runtime_error("cannot copy " + source + " to " + File(target));
}

bool ProgramFolder::Exists(const std::string& name) const {
  return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> ProgramFolder::Read(const std::string& name) const {
  HANDLE file = CreateFileA(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void ProgramFolder::Write(const std::string& name, const std::string& bytes) const {
  HANDLE file = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot write " + File(name));
  DWORD written = 0;
  WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<std::string> ProgramFolder::List() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

Process::~Process() {
  Terminate();
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
}

void Process::Start(const std::string& exePath, const std::string& workingFolder, const std::string& arguments) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
  if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.c_str(), &startup, &info))
    throw std::runtime_error("cannot start " + exePath);
  WaitForInputIdle(info.hProcess, 10000);
}

bool Process::Running() const {
  return info.hProcess && WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(int timeoutMs) {
  if (!info.hProcess) return std::nullopt;
  if (!WaitUntil([&] { return !Running(); }, timeoutMs)) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info.hProcess, &code);
  return code;
}

void Process::Detach() {
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  info = PROCESS_INFORMATION{};
}

void Process::Terminate() {
  if (Running()) {
    TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
  }
}

std::string ManifestOf(const std::string& exePath) {
  HMODULE module = LoadLibraryExA(WindowsPath(exePath).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) throw std::runtime_error("cannot read " + exePath);
  std::string text;
  if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)))  // RT_MANIFEST
    if (HGLOBAL data = LoadResource(module, found))
      text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

}  // namespace e2e
