#pragma once
// A stand-in for the help viewer: a window of the viewer's class "MS_WINHELP" in the test
// process, which WinHelp finds first and sends each request to. It records the requests and
// answers them as handled.
#include <windows.h>

#include <string>
#include <vector>

#include "harness.h"

namespace e2e {

struct HelpRequest {
  unsigned command = 0;  // HELP_CONTEXT, HELP_CONTENTS, HELP_COMMAND, HELP_FINDER, HELP_QUIT ...
  long data = 0;
  std::string file, text;  // the help file and, for commands and keys, the string sent
};

class HelpRecorder {
 public:
  HelpRecorder();
  ~HelpRecorder();
  HelpRecorder(const HelpRecorder&) = delete;
  HelpRecorder& operator=(const HelpRecorder&) = delete;

  std::vector<HelpRequest> requests;
  // Waits (pumping messages) until `count` requests arrived.
  bool WaitFor(size_t count, int timeoutMs = 5000);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window = nullptr;
};

namespace help_detail {

// The block WinHelp copies to the viewer: sizes and offsets of the file name and data.
struct WinHelpBlock {
  WORD size, command;
  LONG data, reserved;
  WORD ofsFilename, ofsData;
};

}  // namespace help_detail

inline HelpRecorder::HelpRecorder() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MS_WINHELP";
  RegisterClassA(&wc);
  window = CreateWindowExA(0, "MS_WINHELP", "Help recorder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           wc.hInstance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

inline HelpRecorder::~HelpRecorder() {
  if (window) DestroyWindow(window);
}

inline bool HelpRecorder::WaitFor(size_t count, int timeoutMs) {
  return WaitUntil([&] { return requests.size() >= count; }, timeoutMs);
}

inline LRESULT CALLBACK HelpRecorder::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HelpRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_COPYDATA && self) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto* bytes = static_cast<const char*>(copy->lpData);
    const auto* block = reinterpret_cast<const help_detail::WinHelpBlock*>(bytes);
    HelpRequest request;
    request.command = block->command;
    request.data = block->data;
    if (block->ofsFilename) request.file = bytes + block->ofsFilename;
    if (block->ofsData) request.text = bytes + block->ofsData;
    self->requests.push_back(request);
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace e2e
