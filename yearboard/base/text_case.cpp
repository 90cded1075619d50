#include "yearboard/base/text_case.h"

namespace yb {

namespace {

class AsciiTextCase : public TextCase {
 public:
  std::string Fold(const std::string& text) const override {
    std::string out = text;
    for (char& c : out) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
  }
};

}  // namespace

const TextCase& AsciiCase() {
  static const AsciiTextCase instance;
  return instance;
}

}  // namespace yb
