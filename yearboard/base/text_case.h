#pragma once
// Letter case, folded the way the system does for the program's code page, so that texts
// equal but for case make one key (beyond A to Z too: "Geschäft" and "GESCHÄFT"). A platform
// service: the Win32 adapter asks the system (system_win32.h); AsciiCase folds only A to Z,
// as the in-memory settings store and tests need.
#include <string>

namespace yb {

class TextCase {
 public:
  virtual ~TextCase() = default;
  // The same text for any two texts that differ only in letter case.
  virtual std::string Fold(const std::string& text) const = 0;
};

const TextCase& AsciiCase();

}  // namespace yb
