// Reading controls of another process: their messages take pointers, so the structures and
// text buffers are placed in the target process's memory.
#include "harness.h"

#include <commctrl.h>

#include <stdexcept>

namespace e2e {
namespace {

class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) : size(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) throw std::runtime_error("cannot open the target process");
    memory = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    if (!memory) {
      CloseHandle(process);
      throw std::runtime_error("cannot allocate in the target process");
    }
  }
  ~RemoteBuffer() {
    VirtualFreeEx(process, memory, 0, MEM_RELEASE);
    CloseHandle(process);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  char* At(size_t offset) const { return static_cast<char*>(memory) + offset; }
  void Write(size_t offset, const void* data, size_t bytes) const {
    WriteProcessMemory(process, At(offset), data, bytes, nullptr);
  }
  void Read(size_t offset, void* data, size_t bytes) const {
    ReadProcessMemory(process, At(offset), data, bytes, nullptr);
  }
  std::string ReadText(size_t offset, size_t maxBytes) const {
    std::string text(maxBytes, '\0');
    Read(offset, text.data(), maxBytes);
    text.resize(text.find('\0') == std::string::npos ? maxBytes : text.find('\0'));
    return text;
  }

 private:
  HANDLE process = nullptr;
  void* memory = nullptr;
  size_t size;
};

constexpr size_t kTextOffset = 512, kTextBytes = 1024;

}  // namespace

int ListViewCount(HWND listView) { return int(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListViewText(HWND listView, int row, int column) {
  RemoteBuffer remote(listView, kTextOffset + kTextBytes);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = remote.At(kTextOffset);
  item.cchTextMax = int(kTextBytes);
  remote.Write(0, &item, sizeof item);
  SendMessageA(listView, LVM_GETITEMTEXTA, WPARAM(row), reinterpret_cast<LPARAM>(remote.At(0)));
  return remote.ReadText(kTextOffset, kTextBytes);
}

std::vector<std::vector<std::string>> ListViewRows(HWND listView, int columns) {
  std::vector<std::vector<std::string>> rows;
  for (int row = 0; row < ListViewCount(listView); ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) cells.push_back(ListViewText(listView, row, column));
    rows.push_back(cells);
  }
  return rows;
}

void ListViewSelect(HWND listView, const std::vector<int>& rows) {
  RemoteBuffer remote(listView, sizeof(LVITEMA));
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  remote.Write(0, &item, sizeof item);
  SendMessageA(listView, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(remote.At(0)));
  for (int row : rows) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    remote.Write(0, &item, sizeof item);
    SendMessageA(listView, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(remote.At(0)));
  }
}

unsigned ListViewStateImage(HWND listView, int row) {
  const LRESULT state = SendMessageA(listView, LVM_GETITEMSTATE, WPARAM(row), LVIS_STATEIMAGEMASK);
  return unsigned((state & LVIS_STATEIMAGEMASK) >> 12);
}

std::string StatusBarText(HWND statusBar, int part) {
  RemoteBuffer remote(statusBar, kTextBytes);
  SendMessageA(statusBar, SB_GETTEXTA, WPARAM(part), reinterpret_cast<LPARAM>(remote.At(0)));
  return remote.ReadText(0, kTextBytes);
}

std::vector<uint8_t> SendWithRemoteBuffer(HWND window, UINT message, WPARAM wParam, size_t bytes,
                                          LRESULT* result, const void* in) {
  RemoteBuffer remote(window, bytes);
  if (in) remote.Write(0, in, bytes);
  const LRESULT answer = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(remote.At(0)));
  if (result) *result = answer;
  std::vector<uint8_t> out(bytes);
  remote.Read(0, out.data(), bytes);
  return out;
}

}  // namespace e2e
