#include <stdexcept>

#include "harness.h"

namespace e2e {

namespace {

struct Search {
  DWORD processId;
  const std::string* className;
  const std::string* title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || ClassOf(window) != *search->className) return TRUE;
  if (search->title && Text(window) != *search->title) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string Text(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::string text(size_t(length) + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, WPARAM(text.size()), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(size_t(copied));
  return text;
}

bool Visible(HWND window) { return window && IsWindowVisible(window); }

HWND FindTopWindow(DWORD processId, const std::string& className, const std::string* title) {
  Search search{processId, &className, title};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopWindow(DWORD processId, const std::string& className, int timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(processId, className)) != nullptr; }, timeoutMs);
  return found;
}

HWND Child(HWND parent, int controlId) { return GetDlgItem(parent, controlId); }

HWND ChildOfClass(HWND parent, const std::string& className, int index) {
  for (HWND child = FindWindowExA(parent, nullptr, className.c_str(), nullptr); child;
       child = FindWindowExA(parent, child, className.c_str(), nullptr))
    if (index-- == 0) return child;
  return nullptr;
}

void PostCommand(HWND window, int commandId) { PostMessageA(window, WM_COMMAND, WPARAM(commandId), 0); }

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void TypeChars(HWND target, const std::string& text) {
  for (char c : text) {
    PostMessageA(target, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    ::Sleep(10);
  }
}

void PressKey(HWND target, UINT virtualKey) {
  const UINT scan = MapVirtualKeyA(virtualKey, 0);
  PostMessageA(target, WM_KEYDOWN, virtualKey, LPARAM(1 | (scan << 16)));
  PostMessageA(target, WM_KEYUP, virtualKey, LPARAM(1 | (scan << 16) | (3u << 30)));
}

void PressWithControl(WORD virtualKey) { PressWithModifier(VK_CONTROL, virtualKey); }

void PressWithModifier(WORD modifierKey, WORD virtualKey) {
  INPUT inputs[4] = {};
  const WORD keys[4] = {modifierKey, virtualKey, virtualKey, modifierKey};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  // Without a modifier only the key itself goes down and up.
  if (modifierKey == 0) {
    SendInput(2, inputs + 1, sizeof(INPUT));
  } else {
    SendInput(4, inputs, sizeof(INPUT));
  }
}

namespace {

struct BoxSearch {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && ClassOf(window) == "#32770" && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectBoxChild(HWND child, LPARAM param) {
  auto* box = reinterpret_cast<MessageBox*>(param);
  const std::string cls = ClassOf(child);
  const int id = GetDlgCtrlID(child);
  if (cls == "Button" || cls == "BUTTON") {
    if (IsWindowVisible(child)) box->buttons.emplace_back(id, Text(child));
  } else if ((cls == "Static" || cls == "STATIC") && box->text.empty()) {
    const std::string text = Text(child);
    if (!text.empty()) box->text = text;
  }
  return TRUE;
}

}  // namespace

std::optional<MessageBox> FindMessageBox(DWORD processId) {
  BoxSearch search{processId};
  EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return std::nullopt;
  MessageBox box;
  box.window = search.found;
  box.title = Text(search.found);
  EnumChildWindows(search.found, CollectBoxChild, reinterpret_cast<LPARAM>(&box));
  return box;
}

std::optional<MessageBox> WaitForMessageBox(DWORD processId, int timeoutMs) {
  std::optional<MessageBox> box;
  WaitUntil([&] { return (box = FindMessageBox(processId)).has_value(); }, timeoutMs);
  return box;
}

void Answer(const MessageBox& box, int buttonId) {
  HWND button = GetDlgItem(box.window, buttonId);
  PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, 3000);
}

}  // namespace e2e
