#pragma once
// Small owners of Win32 handles: a GDI object, a memory DC with its bitmap, a window, the
// hourglass pointer; and the Win32 colour of a colour value.
#include <windows.h>

#include <utility>

namespace yb {

template <typename T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T handle) : handle(handle) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    Reset(std::exchange(other.handle, nullptr));
    return *this;
  }
  ~GdiObject() { Reset(); }
  void Reset(T value = nullptr) {
    if (handle) DeleteObject(handle);
    handle = value;
  }
  T Get() const { return handle; }

 private:
  T handle = nullptr;
};

// An off-screen surface compatible with a window DC, for flicker-free painting.
class MemoryDc {
 public:
  MemoryDc(HDC target, int width, int height)
      : dc(CreateCompatibleDC(target)),
        bitmap(CreateCompatibleBitmap(target, width > 0 ? width : 1, height > 0 ? height : 1)),
        old(SelectObject(dc, bitmap.Get())) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  HDC Get() const { return dc; }

 private:
  HDC dc;
  GdiObject<HBITMAP> bitmap;
  HGDIOBJ old;
};

class Window {
 public:
  Window() = default;
  explicit Window(HWND handle) : handle(handle) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  ~Window() { Reset(); }
  void Reset(HWND value = nullptr) {
    if (handle && IsWindow(handle)) DestroyWindow(handle);
    handle = value;
  }
  HWND Get() const { return handle; }

 private:
  HWND handle = nullptr;
};

// The hourglass while a calendar call blocks the window.
class WaitCursor {
 public:
  WaitCursor() : previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { SetCursor(previous ? previous : LoadCursor(nullptr, IDC_ARROW)); }

 private:
  HCURSOR previous;
};

// The Win32 colour of a colour value: system colour references resolve to the user's colours.
inline COLORREF ToColorRef(unsigned long color) {
  return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFFu))
                               : static_cast<COLORREF>(color & 0xFFFFFFu);
}

}  // namespace yb
