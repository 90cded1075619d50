// Help > About Linetally: the about box, modal, the same box every time.
#include <gtest/gtest.h>

#include "linetally/ui/about_resource.h"
#include "linetally_app.h"

namespace e2e {
namespace {

HWND OpenAbout(LinetallyApp& app) {
  PostCommand(app.Main(), IDM_ABOUTLNT1);
  HWND about = nullptr;
  WaitUntil([&] { return Visible(about = FindTopWindow(app.Program().Id(), "TfrmAbout")); });
  return about;
}

TEST(About, ShowsItsTextsModallyAndClosesWithClose) {
  LinetallyApp app;
  app.Start();
  HWND about = OpenAbout(app);
  ASSERT_TRUE(Visible(about)) << "no about box";
  EXPECT_EQ(Text(about), "About Linetally");
  RECT client;
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 403);
  EXPECT_EQ(client.bottom, 256);
  EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the about box is not modal";

  EXPECT_EQ(Text(Child(about, IDC_ABOUT_LABEL2)), "Linetally - online time and cost logger");
  EXPECT_EQ(Text(Child(about, IDC_ABOUT_LABEL3)), "Version 1.01e (build 001)");
  EXPECT_EQ(Text(Child(about, IDC_ABOUT_GROUPBOX1)), " Version information ");
  EXPECT_FALSE(Text(Child(about, IDC_ABOUT_LABEL1)).empty());
  EXPECT_NE(Text(Child(about, IDC_ABOUT_LABEL4)).find("Copyright"), std::string::npos);
  EXPECT_EQ(Text(Child(about, IDC_ABOUT_BUTTON1)), "Close");
  RECT picture;
  GetWindowRect(Child(about, IDC_ABOUT_IMAGE1), &picture);
  EXPECT_EQ(picture.right - picture.left, 100);
  EXPECT_EQ(picture.bottom - picture.top, 233);
  Screenshot(about, "linetally-about");

  Click(Child(about, IDC_ABOUT_BUTTON1));
  ASSERT_TRUE(WaitUntil([&] { return !Visible(about); }));
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Main()) != FALSE; }));

  // The same box again, its texts unchanged; Escape closes it too.
  EXPECT_EQ(OpenAbout(app), about);
  EXPECT_EQ(Text(Child(about, IDC_ABOUT_LABEL3)), "Version 1.01e (build 001)");
  PressKey(Child(about, IDC_ABOUT_BUTTON1), VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(about); }));
}

}  // namespace
}  // namespace e2e
