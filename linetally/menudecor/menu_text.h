#pragma once
// Menu item texts: "caption<TAB>shortcut" apart and back, the accelerator letter, and
// shortcut texts such as "Ctrl+Del" as a virtual-key code with modifiers.
#include <optional>
#include <string>

namespace lt {

struct CaptionParts {
  std::string caption, shortcut;
};
CaptionParts SplitMenuText(const std::string& text);
std::string JoinMenuText(const CaptionParts& parts);

// The character after the first single "&" ("&&" is a literal ampersand), lower-cased;
// 0 when there is none.
char AcceleratorLetter(const std::string& caption);
char LowerAscii(char c);

struct ShortCut {
  int key = 0;  // virtual-key code
  bool ctrl = false, shift = false, alt = false;
  bool operator==(const ShortCut&) const = default;
};
std::optional<ShortCut> ParseShortCut(const std::string& text);

}  // namespace lt
