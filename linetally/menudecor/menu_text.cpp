#include "linetally/menudecor/menu_text.h"

#include <array>
#include <cstring>
#include <utility>

namespace lt {

CaptionParts SplitMenuText(const std::string& text) {
  const auto tab = text.find('\t');
  if (tab == std::string::npos) return {text, ""};
  return {text.substr(0, tab), text.substr(tab + 1)};
}

std::string JoinMenuText(const CaptionParts& parts) {
  return parts.shortcut.empty() ? parts.caption : parts.caption + '\t' + parts.shortcut;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

char AcceleratorLetter(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return LowerAscii(caption[i + 1]);
    ++i;
  }
  return 0;
}

namespace {

// Virtual-key codes of the named keys a shortcut text may end in.
constexpr std::array<std::pair<const char*, int>, 19> kNamedKeys{{
    {"Del", 0x2E}, {"Ins", 0x2D}, {"Esc", 0x1B}, {"Enter", 0x0D}, {"Tab", 0x09},
    {"Space", 0x20}, {"BkSp", 0x08}, {"Home", 0x24}, {"End", 0x23}, {"PgUp", 0x21},
    {"PgDn", 0x22}, {"Left", 0x25}, {"Up", 0x26}, {"Right", 0x27}, {"Down", 0x28},
    {"Backspace", 0x08}, {"Delete", 0x2E}, {"Insert", 0x2D}, {"Escape", 0x1B},
}};

bool ConsumePrefix(std::string& rest, const char* prefix) {
  const size_t n = std::strlen(prefix);
  if (rest.size() <= n || rest.compare(0, n, prefix) != 0) return false;
  rest.erase(0, n);
  return true;
}

std::optional<int> KeyCode(const std::string& name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  if (name[0] == 'F' && name.size() <= 3) {
    int n = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (name[i] < '0' || name[i] > '9') return std::nullopt;
      n = n * 10 + (name[i] - '0');
    }
    if (n >= 1 && n <= 12) return 0x70 + n - 1;
    return std::nullopt;
  }
  for (const auto& [keyName, code] : kNamedKeys)
    if (name == keyName) return code;
  return std::nullopt;
}

}  // namespace

std::optional<ShortCut> ParseShortCut(const std::string& text) {
  ShortCut result;
  std::string rest = text;
  for (;;) {
    if (ConsumePrefix(rest, "Ctrl+")) result.ctrl = true;
    else if (ConsumePrefix(rest, "Shift+")) result.shift = true;
    else if (ConsumePrefix(rest, "Alt+")) result.alt = true;
    else break;
  }
  if (rest.empty()) return std::nullopt;
  const auto key = KeyCode(rest);
  if (!key) return std::nullopt;
  result.key = *key;
  return result;
}

}  // namespace lt
