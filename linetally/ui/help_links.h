#pragma once
// The Help menu's thin commands: the help viewer on "Lnt.hlp" next to the program (always
// by its full path), F1 on a form, and the two web pages opened with the shell's "open".
#include <windows.h>

#include <string>

namespace lt {

inline constexpr const char* kHelpFileName = "Lnt.hlp";
inline constexpr const char* kContentsTopic = "WhatIsLinetally";
// Help contexts of the forms and of the size warning's Help button.
inline constexpr DWORD kMainWindowHelp = 2000, kTelecomHelp = 2050, kApplicationHelp = 2100;
// BTPricingInformation1 and LntHomePage1.
inline constexpr const char* kOperatorPricesPage = "https://www.bt.com/pricing";
inline constexpr const char* kHomePage = "https://github.com/corvane/linetally";

// "JumpID("","WhatIsLinetally")": the viewer command that shows the first topic.
std::string ContentsJumpCommand();

class HelpViewer {
 public:
  explicit HelpViewer(std::string helpFile) : file(std::move(helpFile)) {}
  const std::string& File() const { return file; }

  // Contents1Click: the contents, then the jump to the first topic, when the contents came up.
  void Contents(HWND owner) const;
  // KeywordSearch1Click: the Help Topics finder.
  void Finder(HWND owner) const;
  void Context(HWND owner, DWORD context) const;
  // WM_HELP of a form: the control's own context when it has one, else the form's.
  void FormHelp(HWND form, LPARAM helpInfo, DWORD formContext) const;
  // At program end: the viewer closes.
  void Quit(HWND owner) const;

 private:
  std::string file;
};

// The shell's "open" on the address: no parameters, no folder, shown normally, owned by the
// desktop. The result is not looked at: no browser means no page and no message.
void OpenWebPage(const char* address);

}  // namespace lt
