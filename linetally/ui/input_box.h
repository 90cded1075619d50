#pragma once
// A one-line input box (caption, prompt, initial text, a length limit) with OK and Cancel.
#include <windows.h>

#include <optional>
#include <string>

namespace lt {

// The text entered, or nothing when the user cancels.
std::optional<std::string> InputQuery(HWND owner, const std::string& caption,
                                      const std::string& prompt, const std::string& initial,
                                      int maxLength);

}  // namespace lt
