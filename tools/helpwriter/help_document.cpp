#include "tools/helpwriter/help_document.h"

namespace winhelp {
namespace {

int HashCode(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 17;
  if (c >= 'a' && c <= 'z') return c - 'a' + 17;
  if (c >= '1' && c <= '9') return c - '0';
  if (c == '0') return 10;
  if (c == '.') return 12;
  if (c == '_') return 13;
  return 0;
}

}  // namespace

int32_t ContextHash(std::string_view name) {
  uint32_t h = 0;
  for (char c : name) {
    const int code = HashCode(c);
    if (code) h = h * 43 + uint32_t(code);
  }
  return int32_t(h);
}

bool IsValidContextName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    if (!HashCode(c)) return false;
  }
  return true;
}

}  // namespace winhelp
