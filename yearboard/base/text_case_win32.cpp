#include <windows.h>

#include "yearboard/base/system_win32.h"

namespace yb {

std::string SystemTextCase::Fold(const std::string& text) const {
  std::string folded = text;
  // Through the system's tables for the ANSI code page, not just A to Z.
  if (!folded.empty()) CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
  return folded;
}

}  // namespace yb
