#include <windows.h>

#include <algorithm>

#include "yearboard/base/system_win32.h"

namespace yb {

std::string AnsiFromUtf8(const std::string& text) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return text;
  const int size = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (wide <= 0) return text;
  std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, utf16.data(), wide);
  const int narrow = WideCharToMultiByte(CP_ACP, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(narrow), '\0');
  WideCharToMultiByte(CP_ACP, 0, utf16.data(), wide, ansi.data(), narrow, nullptr, nullptr);
  return ansi;
}

}  // namespace yb
