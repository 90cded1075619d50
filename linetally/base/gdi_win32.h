#pragma once
// Owners of GDI handles: objects, memory and screen device contexts, and a selection that puts
// the previous object back at the end of its scope.
#include <windows.h>

#include <utility>

namespace lt {

template <typename Handle>
class GdiHandle {
 public:
  GdiHandle() = default;
  explicit GdiHandle(Handle h) : handle(h) {}
  GdiHandle(GdiHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
  GdiHandle& operator=(GdiHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle, nullptr));
    return *this;
  }
  GdiHandle(const GdiHandle&) = delete;
  GdiHandle& operator=(const GdiHandle&) = delete;
  ~GdiHandle() { Reset(); }
  void Reset(Handle h = nullptr) {
    if (handle) DeleteObject(handle);
    handle = h;
  }
  Handle Get() const { return handle; }
  explicit operator bool() const { return handle != nullptr; }

 private:
  Handle handle = nullptr;
};
using GdiBitmap = GdiHandle<HBITMAP>;
using GdiFont = GdiHandle<HFONT>;
using GdiBrush = GdiHandle<HBRUSH>;
using GdiPen = GdiHandle<HPEN>;

class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc(CreateCompatibleDC(like)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() { DeleteDC(dc); }
  HDC Get() const { return dc; }

 private:
  HDC dc;
};

class ScreenDc {
 public:
  ScreenDc() : dc(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() { ReleaseDC(nullptr, dc); }
  HDC Get() const { return dc; }

 private:
  HDC dc;
};

// Selects an object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc(dc), previous(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { SelectObject(dc, previous); }

 private:
  HDC dc;
  HGDIOBJ previous;
};

}  // namespace lt
