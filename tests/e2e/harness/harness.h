#pragma once
// The end-to-end harness: runs a program from a fresh program folder under Wine and works it as
// a user would, from another process: finds its windows and controls, reads their texts
// (list views and status bars included), posts commands, clicks and characters, answers message
// boxes, reads files and registry values, and saves screenshots.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// "/a/b" -> "Z:\a\b" (Wine maps the Unix root to Z:).
std::string WindowsPath(const std::string& unixPath);
// Polls `condition` every 20 ms, pumping this thread's messages, until it holds or time runs out.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
void Sleep(int ms);

// A fresh, empty folder in the temporary folder, removed with everything in it at the end.
class ProgramFolder {
 public:
  ProgramFolder();
  // The folder of that name in the temporary folder, made when missing: a driver started again
  // in the same prefix finds what it left there.
  explicit ProgramFolder(const std::string& name);
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path; }  // ends with a backslash
  std::string File(const std::string& name) const { return path + name; }
  void CopyIn(const std::string& sourcePath, const std::string& name = "");  // Windows or Unix path
  bool Exists(const std::string& name) const;
  std::optional<std::string> Read(const std::string& name) const;  // the raw bytes
  void Write(const std::string& name, const std::string& bytes) const;
  std::vector<std::string> List() const;  // file names

 private:
  std::string path;
};

class Process {
 public:
  Process() = default;
  ~Process();  // ends the process if it still runs
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  void Start(const std::string& exePath, const std::string& workingFolder, const std::string& arguments = "");
  DWORD Id() const { return info.dwProcessId; }
  bool Running() const;
  std::optional<DWORD> WaitForExit(int timeoutMs);  // the exit code
  void Terminate();
  void Detach();  // lets the process outlive this object

 private:
  PROCESS_INFORMATION info{};
};

// The application manifest built into the program file ("" when there is none).
std::string ManifestOf(const std::string& exePath);

// Top-level windows of the process (visible or not) of the class (and title, when given).
HWND FindTopWindow(DWORD processId, const std::string& className, const std::string* title = nullptr);
HWND WaitForTopWindow(DWORD processId, const std::string& className, int timeoutMs = 10000);
HWND Child(HWND parent, int controlId);
HWND ChildOfClass(HWND parent, const std::string& className, int index = 0);
std::string ClassOf(HWND window);
std::string Text(HWND window);
bool Visible(HWND window);

void PostCommand(HWND window, int commandId);
void Click(HWND button);                            // BM_CLICK, posted
void TypeChars(HWND target, const std::string& text);  // WM_CHAR, posted one by one
void PressKey(HWND target, UINT virtualKey);        // WM_KEYDOWN and WM_KEYUP, posted
// Ctrl (or another modifier: VK_SHIFT, VK_MENU; 0 for none) + the key as real keyboard input,
// to the window in the foreground (shortcuts need the key state that posted messages do not give).
void PressWithControl(WORD virtualKey);
void PressWithModifier(WORD modifierKey, WORD virtualKey);

struct MessageBox {
  HWND window = nullptr;
  std::string title, text;
  std::vector<std::pair<int, std::string>> buttons;  // control id, caption
};
// The first visible message box or dialog ("#32770") of the process.
std::optional<MessageBox> FindMessageBox(DWORD processId);
std::optional<MessageBox> WaitForMessageBox(DWORD processId, int timeoutMs = 5000);
void Answer(const MessageBox& box, int buttonId);  // IDOK, IDYES, IDNO, IDHELP ...
// Types `path` into the open or save dialog titled `title` and presses its OK button; with an
// empty path it presses Cancel. False when no such dialog came.
bool ChooseFile(DWORD processId, const std::string& title, const std::string& path, int timeoutMs = 5000);
// The visible popup menu window ("#32768"), if one is open.
HWND OpenPopupMenu();
// A left click at client coordinates of the window, as mouse messages.
void ClickAt(HWND window, int x, int y);

// Texts of another process's list view and status bar, through memory in that process.
int ListViewCount(HWND listView);
std::string ListViewText(HWND listView, int row, int column);
std::vector<std::vector<std::string>> ListViewRows(HWND listView, int columns);
void ListViewSelect(HWND listView, const std::vector<int>& rows);  // exactly these rows
unsigned ListViewStateImage(HWND listView, int row);  // the state image index, 0 for none
std::string StatusBarText(HWND statusBar, int part);
// Sends a message whose lParam points at `bytes` of memory in the window's process (first
// filled from `in`, when given) and returns that memory afterwards; `result` gets the answer.
std::vector<uint8_t> SendWithRemoteBuffer(HWND window, UINT message, WPARAM wParam, size_t bytes,
                                          LRESULT* result = nullptr, const void* in = nullptr);

struct RegistryValue {
  DWORD type = REG_NONE;
  std::vector<uint8_t> data;
  std::string AsString() const;  // the bytes up to the first NUL
  bool operator==(const RegistryValue&) const = default;
};
std::optional<RegistryValue> ReadRegistry(HKEY root, const std::string& path, const std::string& name);
bool RegistryKeyExists(HKEY root, const std::string& path);
void DeleteRegistryTree(HKEY root, const std::string& path);
void WriteRegistry(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const std::vector<uint8_t>& data);
void WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value);

// Saves the window's screen area (or the whole screen for nullptr) as NAME.bmp in the run's
// screenshot folder; the runner turns it into NAME.png.
bool Screenshot(HWND window, const std::string& name);

}  // namespace e2e
