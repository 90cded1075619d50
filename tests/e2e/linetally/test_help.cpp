// The help file, the Help menu and F1, as a user meets them; the requests WinHelp sends are
// read by a stand-in viewer, the topics by Wine's own viewer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "help_recorder.h"
#include "linetally_app.h"

namespace e2e {
namespace {

constexpr unsigned kHelpContext = 1, kHelpQuit = 2, kHelpContents = 3, kHelpFinder = 11, kHelpCommand = 0x102;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return s;
}

void ShipHelp(LinetallyApp& app) { app.Folder().CopyIn(std::string(E2E_BIN_DIR) + "/Lnt.hlp"); }

// The RichEdit control of the viewer holds the topic shown.
BOOL CALLBACK FindRichEdit(HWND child, LPARAM found) {
  if (ClassOf(child).rfind("RichEdit", 0) == 0) {
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
  }
  return TRUE;
}

std::string ViewerText(HWND viewer) {
  HWND edit = nullptr;
  EnumChildWindows(viewer, FindRichEdit, reinterpret_cast<LPARAM>(&edit));
  return edit ? Text(edit) : "";
}

HWND WaitForViewer(DWORD processId = 0) {
  HWND viewer = nullptr;
  WaitUntil(
      [&] {
        viewer = processId ? FindTopWindow(processId, "MS_WINHELP") : FindWindowA("MS_WINHELP", nullptr);
        return Visible(viewer);
      },
      15000);
  return viewer;
}

// F1 as typed on the keyboard: the viewer request comes from real key input only.
void PressF1On(HWND window) {
  SetForegroundWindow(window);
  WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_F1;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

bool ViewerShows(HWND viewer, const std::string& words) {
  return WaitUntil([&] { return ViewerText(viewer).find(words) != std::string::npos; }, 10000);
}

TEST(Help, MenuCommandsAndF1AskForTheFileNextToTheProgram) {
  HelpRecorder viewer;
  LinetallyApp app;
  ShipHelp(app);
  app.Start();
  const std::string file = Lower(app.Folder().File("Lnt.hlp"));

  PostCommand(app.Main(), IDM_CONTENTS1);
  ASSERT_TRUE(viewer.WaitFor(2));
  EXPECT_EQ(viewer.requests[0].command, kHelpContents);
  EXPECT_EQ(Lower(viewer.requests[0].file), file);
  EXPECT_EQ(viewer.requests[1].command, kHelpCommand);
  EXPECT_EQ(viewer.requests[1].text, "JumpID(\"\",\"WhatIsLinetally\")");
  EXPECT_EQ(Lower(viewer.requests[1].file), file);

  PostCommand(app.Main(), IDM_KEYWORDSEARCH1);
  ASSERT_TRUE(viewer.WaitFor(3));
  EXPECT_EQ(viewer.requests[2].command, kHelpFinder);

  PressF1On(app.Main());
  ASSERT_TRUE(viewer.WaitFor(4));
  EXPECT_EQ(viewer.requests[3].command, kHelpContext);
  EXPECT_EQ(viewer.requests[3].data, 2000);
  EXPECT_EQ(Lower(viewer.requests[3].file), file);

  PostCommand(app.Main(), IDM_EXIT1);
  ASSERT_TRUE(viewer.WaitFor(5));
  EXPECT_EQ(viewer.requests[4].command, kHelpQuit);
  EXPECT_TRUE(app.Program().WaitForExit(5000).has_value());
}

TEST(Help, F1InEachDialogAsksForItsTopic) {
  HelpRecorder viewer;
  LinetallyApp app;
  ShipHelp(app);
  app.Start();
  const struct {
    int command;
    const char* form;
    long context;
  } dialogs[] = {{IDM_TELECOMSERVICES1, "TfrmOptions", 2050},
                 {IDM_APPLICATION1, "TfrmApplication", 2100},
                 {IDM_SUMMARY1, "TfrmSummary", 2150}};
  size_t expected = 0;
  for (const auto& dialog : dialogs) {
    PostCommand(app.Main(), dialog.command);
    HWND form = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return Visible(form = FindTopWindow(app.Program().Id(), dialog.form)); }))
        << dialog.form;
    PressF1On(form);
    ASSERT_TRUE(viewer.WaitFor(++expected)) << dialog.form;
    EXPECT_EQ(viewer.requests.back().command, kHelpContext) << dialog.form;
    EXPECT_EQ(viewer.requests.back().data, dialog.context) << dialog.form;
    EXPECT_EQ(Lower(viewer.requests.back().file), Lower(app.Folder().File("Lnt.hlp")));
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !Visible(form); })) << dialog.form;
  }
}

// The box's Help button does nothing under Wine; F1 in the box asks for the same topic.
TEST(Help, F1OnTheSizeWarningAsksForTopic8030) {
  HelpRecorder viewer;
  LinetallyApp app;
  ShipHelp(app);
  std::string lines;
  for (int i = 0; i < 901; ++i) lines += "07/12/2026 09:15:02,07/12/2026 09:47:40,60,Office link,0.05,\r\n";
  app.Folder().Write("Lnt.dat", lines);
  app.Program().Start(app.ExePath(), app.Folder().Path());
  auto box = WaitForMessageBox(app.Program().Id(), 15000);
  ASSERT_TRUE(box.has_value());
  EXPECT_NE(box->text.find("more than 900 records"), std::string::npos) << box->text;
  PressF1On(box->window);
  ASSERT_TRUE(viewer.WaitFor(1));
  EXPECT_EQ(viewer.requests[0].command, kHelpContext);
  EXPECT_EQ(viewer.requests[0].data, 8030);
  Answer(*box, IDOK);
}

TEST(Help, LinetallyHelpOpensTheViewerOnTheFirstTopic) {
  LinetallyApp app;
  ShipHelp(app);
  app.Start();
  PostCommand(app.Main(), IDM_CONTENTS1);
  HWND viewer = WaitForViewer();
  ASSERT_NE(viewer, nullptr) << "no help viewer";
  EXPECT_TRUE(ViewerShows(viewer, "What is Linetally?")) << ViewerText(viewer);
  EXPECT_TRUE(ViewerShows(viewer, "telecom services"));
  Screenshot(viewer, "linetally-help-contents");

  // Asked again, the same viewer shows the same topic.
  PostCommand(app.Main(), IDM_CONTENTS1);
  Sleep(1500);
  EXPECT_EQ(FindWindowA("MS_WINHELP", nullptr), viewer);
  EXPECT_TRUE(ViewerShows(viewer, "What is Linetally?"));

  // F1 in the main window brings its own topic.
  PressF1On(app.Main());
  EXPECT_TRUE(ViewerShows(viewer, "The main window")) << ViewerText(viewer);
  EXPECT_TRUE(ViewerShows(viewer, "status bar"));
  Screenshot(viewer, "linetally-help-main-window");

  // Exit closes the viewer.
  PostCommand(app.Main(), IDM_EXIT1);
  EXPECT_TRUE(WaitUntil([] { return !Visible(FindWindowA("MS_WINHELP", nullptr)); }, 10000));
}

TEST(Help, TheFileResolvesItsTopicNames) {
  ProgramFolder folder;
  folder.CopyIn(std::string(E2E_BIN_DIR) + "/Lnt.hlp");
  const std::pair<const char*, const char*> topics[] = {{"WhatIsLinetally", "What is Linetally?"},
                                                        {"TelecomServices", "Telecom services"},
                                                        {"TooManyRecords", "Too many records"}};
  for (const auto& [name, title] : topics) {
    Process viewerProcess;
    viewerProcess.Start("C:\\windows\\system32\\winhlp32.exe", folder.Path(),
                        std::string("-i ") + name + " " + folder.File("Lnt.hlp"));
    HWND viewer = WaitForViewer(viewerProcess.Id());
    ASSERT_NE(viewer, nullptr) << name;
    EXPECT_TRUE(ViewerShows(viewer, title)) << name << ": " << ViewerText(viewer);
    if (std::string(name) == "TooManyRecords") Screenshot(viewer, "linetally-help-too-many-records");
  }
}

}  // namespace
}  // namespace e2e
