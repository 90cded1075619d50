#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tools/helpwriter/help_document.h"
#include "tools/helpwriter/hlp_reader.h"

namespace {

winhelp::HelpFile Shipped() {
  std::ifstream in(LNT_HELP_FILE, std::ios::binary);
  return winhelp::ReadHelpFile({std::istreambuf_iterator<char>(in), {}});
}

TEST(LntHelp, HoldsTheTopicsTheProgramOpens) {
  const winhelp::HelpFile help = Shipped();
  EXPECT_EQ(help.title, "Linetally Help");
  const winhelp::ReadTopic* start = help.ByContext("WhatIsLinetally");
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(help.TopicAt(help.contentsAddress), start);
  // F1 in the main window, the dialogs and the monthly summary; the size warning.
  const std::pair<int, const char*> numbered[] = {{2000, "The main window"},
                                                  {2050, "Telecom services"},
                                                  {2100, "Application preferences"},
                                                  {2150, "Monthly summary"},
                                                  {8030, "Too many records"}};
  for (const auto& [number, title] : numbered) {
    const winhelp::ReadTopic* t = help.ByNumber(number);
    ASSERT_NE(t, nullptr) << number;
    EXPECT_EQ(t->title, title);
    EXPECT_GT(t->paragraphs.size(), 2u) << number;
  }
  EXPECT_NE(help.ByNumber(8030)->paragraphs[1].text.find("900 records"), std::string::npos);
  // Reached from the contents and from the topic F1 opens where the user meets them.
  auto jumpsTo = [&](const winhelp::ReadTopic* from, const winhelp::ReadTopic* to) {
    for (const auto& paragraph : from->paragraphs)
      for (int32_t hash : paragraph.jumps)
        for (const auto& [h, address] : help.contexts)
          if (h == hash && help.TopicAt(address) == to) return true;
    return false;
  };
  for (const auto& [context, f1] : {std::pair{"ServiceConnections", 2050}, std::pair{"ExportingSessions", 2000}}) {
    const winhelp::ReadTopic* t = help.ByContext(context);
    ASSERT_NE(t, nullptr) << context;
    EXPECT_GT(t->paragraphs.size(), 4u) << context;
    EXPECT_TRUE(jumpsTo(start, t)) << context;
    EXPECT_TRUE(jumpsTo(help.ByNumber(f1), t)) << context;
  }
}

TEST(LntHelp, EveryJumpLeadsToATopic) {
  const winhelp::HelpFile help = Shipped();
  int jumps = 0;
  for (const auto& topic : help.topics) {
    for (const auto& paragraph : topic.paragraphs) {
      for (int32_t hash : paragraph.jumps) {
        ++jumps;
        bool found = false;
        for (const auto& [h, address] : help.contexts) found |= h == hash && help.TopicAt(address);
        EXPECT_TRUE(found) << topic.title;
      }
    }
  }
  EXPECT_GT(jumps, 3);
}

}  // namespace
