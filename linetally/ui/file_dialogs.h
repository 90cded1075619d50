#pragma once
// The common Open and Save dialogs as Linetally asks them: a title, a filter of
// NUL-separated pairs, and for Save a default extension and the overwrite question.
#include <windows.h>

#include <string>

namespace lt {

struct FileQuestion {
  const char* title;
  const char* filter;             // "Name\0*.ext\0...", ended by the literal's own NUL
  const char* defaultExtension;   // Save only; nullptr for none
};

// The chosen path; empty when cancelled.
std::string AskSaveFile(HWND owner, const FileQuestion& question);
std::string AskOpenFile(HWND owner, const FileQuestion& question);

}  // namespace lt
