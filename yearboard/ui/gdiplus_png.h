#pragma once
// PNG files through the system's GDI+, loaded at run time when first needed and kept for the
// rest of the run: a system without it (or whose GDI+ cannot start) offers BMP pictures only.
#include <windows.h>

#include <memory>
#include <string>

namespace yb {

class GdiplusPng {
 public:
  // The process's one instance, GDI+ started on first use.
  static GdiplusPng& Instance();
  GdiplusPng(const GdiplusPng&) = delete;
  GdiplusPng& operator=(const GdiplusPng&) = delete;

  bool Available() const { return token != 0; }
  // Writes the bitmap as a PNG file; false when GDI+ fails.
  bool Save(HBITMAP bitmap, const std::string& path);

 private:
  GdiplusPng();
  ~GdiplusPng();
  struct Api;
  HMODULE module = nullptr;
  ULONG_PTR token = 0;
  std::unique_ptr<Api> api;
};

}  // namespace yb
