// Help > On the Web: each item asks the shell to "open" its address. The test prefix's
// handler of https addresses is replaced by one that writes the address it is given.
#include <gtest/gtest.h>

#include "linetally_app.h"

namespace e2e {
namespace {

TEST(WebLinks, EachItemOpensItsPage) {
  LinetallyApp app;
  const std::string written = app.Folder().File("address.txt");
  WriteRegistryString(HKEY_LOCAL_MACHINE, "Software\\Classes\\https\\shell\\open\\command", "",
                      "C:\\windows\\system32\\cmd.exe /c echo %1> \"" + written + "\"");
  app.Start();
  const std::pair<int, const char*> items[] = {{IDM_BTPRICINGINFORMATION1, "https://www.bt.com/pricing"},
                                               {IDM_LNTHOMEPAGE1, "https://github.com/corvane/linetally"}};
  for (const auto& [command, address] : items) {
    DeleteFileA(written.c_str());
    PostCommand(app.Main(), command);
    std::string text;
    EXPECT_TRUE(WaitUntil([&] { return !(text = app.Folder().Read("address.txt").value_or("")).empty(); }, 15000))
        << address;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    EXPECT_EQ(text, address);
  }
  EXPECT_FALSE(FindMessageBox(app.Program().Id()).has_value()) << "the program said something";
}

}  // namespace
}  // namespace e2e
