#include "linetally/ui/file_dialogs.h"

#include <commdlg.h>

namespace lt {
namespace {

std::string Ask(HWND owner, const FileQuestion& question, bool save) {
  char name[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrTitle = question.title;
  dialog.lpstrFilter = question.filter;
  if (!save) {
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&dialog) ? name : "";
  }
  dialog.lpstrDefExt = question.defaultExtension;
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  return GetSaveFileNameA(&dialog) ? name : "";
}

}  // namespace

std::string AskSaveFile(HWND owner, const FileQuestion& question) { return Ask(owner, question, true); }
std::string AskOpenFile(HWND owner, const FileQuestion& question) { return Ask(owner, question, false); }

}  // namespace lt
