// The stand-in's script: the listing over time, and lines that do not read.
#include <gtest/gtest.h>

#include "tools/ras-standin/ras_script.h"

namespace rasstandin {
namespace {

TEST(RasScript, ListingFollowsTheLatestMomentReached) {
  const Script script(
      "# a dial, then a second line, then the hang-up\r\n"
      "0     0x1001 2      Office link\r\n"
      "\r\n"
      "1500  0x1001 0x2000 Office link\r\n"
      "1500  4098   0x2000 Backup, line 2\r\n"
      "4000  none\r\n");
  EXPECT_TRUE(Script().At(0).empty());
  EXPECT_EQ(script.At(0), (Listing{{0x1001, 2, "Office link"}}));
  EXPECT_EQ(script.At(1499), (Listing{{0x1001, 2, "Office link"}}));
  EXPECT_EQ(script.At(1500), (Listing{{0x1001, 0x2000, "Office link"}, {0x1002, 0x2000, "Backup, line 2"}}));
  EXPECT_TRUE(script.At(4000).empty());
  EXPECT_TRUE(Script("500 1 2 Late\n").At(499).empty());
}

TEST(RasScript, BadLinesAreRefusedWithTheirNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"0 1 2 A\nsoon 1 2 A\n", "line 2: the moment 'soon' is not a number"},
      {"0 0x1g 2 A\n", "line 1: the handle '0x1g' is not a number"},
      {"0 1 0x100000000 A\n", "line 1: the state '0x100000000' is not a number"},
      {"0 1 2\n", "line 1: the entry name is missing"},
      {"0 1\n", "line 1: the state is missing"},
      {"0\n", "line 1: a handle, state and name, or \"none\", must follow"},
      {"0 none 1\n", "line 1: nothing may follow \"none\""},
      {"900 none\n100 1 2 A\n", "line 2: moment 100 comes before the one above"},
  };
  for (const auto& [text, message] : cases) {
    try {
      Script{text};
      ADD_FAILURE() << "accepted: " << text;
    } catch (const ScriptError& e) {
      EXPECT_STREQ(e.what(), message) << text;
    }
  }
}

}  // namespace
}  // namespace rasstandin
