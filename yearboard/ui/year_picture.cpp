#include "yearboard/ui/year_picture.h"

#include <commdlg.h>

#include <stdexcept>

#include "yearboard/base/handles_win32.h"
#include "yearboard/sheet/sheet_painter_win32.h"
#include "yearboard/ui/gdiplus_png.h"

namespace yb {

namespace {

constexpr char kBothFilters[] = "PNG picture (*.png)\0*.png\0BMP picture (*.bmp)\0*.bmp\0";
constexpr char kBmpFilter[] = "BMP picture (*.bmp)\0*.bmp\0";

std::string SystemText() {
  char text[512] = "";
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, text,
                 sizeof text, nullptr);
  std::string detail = text;
  while (!detail.empty() && (detail.back() == '\n' || detail.back() == '\r' || detail.back() == ' ' ||
                             detail.back() == '.'))
    detail.pop_back();
  return detail;
}

[[noreturn]] void CannotSave(const std::string& path, const std::string& detail) {
  throw std::runtime_error("The picture could not be saved as " + path + (detail.empty() ? "." : ":\n" + detail + "."));
}

// A file beside `path` (same folder, so the final rename cannot cross drives).
std::string TemporaryBeside(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  char temporary[MAX_PATH] = "";
  if (!GetTempFileNameA(folder.c_str(), "ybp", 0, temporary)) CannotSave(path, SystemText());
  return temporary;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size() && FlushFileBuffers(file);
  CloseHandle(file);
  return ok;
}

}  // namespace

void WriteYearPicture(const YearSheet& sheet, const std::string& path, PictureFormat format) {
  GdiplusPng& png = GdiplusPng::Instance();
  if (format == PictureFormat::Png && !png.Available())
    CannotSave(path, "This system has no PNG encoder; save the picture as BMP instead");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kPictureWidth;
  info.bmiHeader.biHeight = -kPictureHeight;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HDC dc = CreateCompatibleDC(nullptr);
  if (!bitmap.Get() || !dc) {
    if (dc) DeleteDC(dc);
    CannotSave(path, SystemText());
  }
  HGDIOBJ old = SelectObject(dc, bitmap.Get());
  const RECT whole{0, 0, kPictureWidth, kPictureHeight};
  FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawYearSheet(dc, sheet, kPictureWidth, kPictureHeight);
  GdiFlush();
  SelectObject(dc, old);
  DeleteDC(dc);

  const std::string temporary = TemporaryBeside(path);
  bool written;
  if (format == PictureFormat::Png) {
    written = png.Save(bitmap.Get(), temporary);
  } else {
    const int stride = (kPictureWidth * 3 + 3) & ~3;
    const auto* pixels = static_cast<const std::uint8_t*>(bits);
    written = WriteBytes(temporary, EncodeBmp(kPictureWidth, kPictureHeight, pixels, stride));
  }
  if (!written || !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED)) {
    const std::string detail = SystemText();
    DeleteFileA(temporary.c_str());
    CannotSave(path, detail);
  }
}

std::string SaveYearPicture(HWND owner, const YearSheet& sheet, const std::string& suggestedName) {
  const bool pngOffered = GdiplusPng::Instance().Available();
  char path[MAX_PATH * 2] = "";
  lstrcpynA(path, suggestedName.c_str(), sizeof path);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = pngOffered ? kBothFilters : kBmpFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = "Save Year as Picture";
  dialog.lpstrDefExt = pngOffered ? "png" : "bmp";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameA(&dialog)) return "";
  std::string chosen = path;
  const PictureFormat format =
      PictureFormatFor(chosen, pngOffered && dialog.nFilterIndex == 1 ? PictureFormat::Png : PictureFormat::Bmp);
  WriteYearPicture(sheet, chosen, format);
  return chosen;
}

}  // namespace yb
