#include <gtest/gtest.h>

#include <algorithm>

#include "tools/helpwriter/hlp_reader.h"
#include "tools/helpwriter/hlp_writer.h"

namespace winhelp {
namespace {

Paragraph Body(std::vector<Span> spans) { return {Paragraph::Style::Body, std::move(spans)}; }
Span Plain(std::string text) { return {Span::Kind::Plain, std::move(text), ""}; }

Document ThreeTopics() {
  Document d;
  d.title = "Sample Help";
  d.copyright = "(c) us";
  d.contents = "Beta";
  d.topics.push_back({"Alpha", {2100}, "First", {Body({Plain("Hi")})}});
  d.topics.push_back({"Beta", {2000, 8030}, "Second",
                      {{Paragraph::Style::Heading, {Plain("Second")}},
                       Body({Plain("See "), {Span::Kind::Jump, "the first", "alpha"}, Plain(" and "),
                             {Span::Kind::Bold, "this", ""}, Plain(".")}),
                       {Paragraph::Style::Bullet, {Plain("one item")}}}});
  d.topics.push_back({"Gamma", {}, "Third", {Body({Plain("Last words")})}});
  return d;
}

TEST(ContextHash, MatchesTheViewersHash) {
  EXPECT_EQ(ContextHash("a"), 17);
  EXPECT_EQ(ContextHash("A"), 17);  // case-insensitive
  EXPECT_EQ(ContextHash("AB"), 17 * 43 + 18);
  EXPECT_EQ(ContextHash("_."), 13 * 43 + 12);
  EXPECT_EQ(ContextHash("x9"), 40 * 43 + 9);
  EXPECT_EQ(ContextHash("x0"), 40 * 43 + 10);
  EXPECT_EQ(ContextHash("WhatIsLinetally"), -535953774);  // wraps at 32 bits, read signed
  EXPECT_TRUE(IsValidContextName("Main_Window.2"));
  EXPECT_FALSE(IsValidContextName(""));
  EXPECT_FALSE(IsValidContextName("main window"));
  EXPECT_FALSE(IsValidContextName("a-b"));
}

TEST(HlpWriter, RoundTripKeepsTopicsTextAndContexts) {
  const HelpFile help = ReadHelpFile(WriteHelpFile(ThreeTopics()));
  EXPECT_EQ(help.title, "Sample Help");
  EXPECT_EQ(help.copyright, "(c) us");
  EXPECT_EQ(help.files, (std::vector<std::string>{"|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC"}));
  EXPECT_EQ(help.faces, std::vector<std::string>{"Arial"});
  ASSERT_EQ(help.topics.size(), 3u);
  EXPECT_EQ(help.topics[0].title, "First");
  EXPECT_EQ(help.topics[2].number, 2);

  const ReadTopic* beta = help.ByContext("BETA");
  ASSERT_NE(beta, nullptr);
  EXPECT_EQ(beta->title, "Second");
  ASSERT_EQ(beta->paragraphs.size(), 3u);
  EXPECT_EQ(beta->paragraphs[0].text, "Second");
  EXPECT_EQ(beta->paragraphs[0].font, 1);  // heading font
  EXPECT_EQ(beta->paragraphs[1].text, "See the first and this.");
  EXPECT_EQ(beta->paragraphs[1].jumps, std::vector<int32_t>{ContextHash("Alpha")});
  EXPECT_EQ(beta->paragraphs[2].text, "\x95 one item");
  EXPECT_EQ(help.ByNumber(2000), beta);
  EXPECT_EQ(help.ByNumber(8030), beta);
  EXPECT_EQ(help.ByNumber(2100), help.ByContext("Alpha"));
  EXPECT_EQ(help.ByNumber(2050), nullptr);
  EXPECT_EQ(help.TopicAt(help.contentsAddress), beta);
}

TEST(HlpWriter, TopicAddressesCountTextCharactersOfTheBlock) {
  const HelpFile help = ReadHelpFile(WriteHelpFile(ThreeTopics()));
  // "Alpha" holds one paragraph stored as "\0Hi\0\0": the next topic starts 5 characters on.
  EXPECT_EQ(help.ByContext("Alpha")->address, 0u);
  EXPECT_EQ(help.ByContext("Beta")->address, 5u);
}

TEST(HlpWriter, TablesAreSortedAsTheViewerSearchesThem) {
  Document d;
  for (const char* name : {"Topic2", "WhatIsLinetally", "Alpha", "MainWindow", "Topic1"})
    d.topics.push_back({name, {}, name, {Body({Plain(name)})}});
  d.topics[0].numbers = {8030, 2000};
  d.topics[3].numbers = {-5, 2100};
  const HelpFile help = ReadHelpFile(WriteHelpFile(d));
  ASSERT_EQ(help.contexts.size(), 5u);
  EXPECT_TRUE(std::is_sorted(help.contexts.begin(), help.contexts.end()));
  EXPECT_LT(help.contexts.front().first, 0);  // signed order: negative hashes first
  std::vector<int32_t> numbers;
  for (const auto& n : help.numbers) numbers.push_back(n.first);
  EXPECT_EQ(numbers, (std::vector<int32_t>{-5, 2000, 2100, 8030}));
  for (const Topic& t : d.topics) EXPECT_EQ(help.ByContext(t.context)->title, t.title);
}

TEST(HlpWriter, RecordsCrossingBlocksReadBackWhole) {
  Document d;
  for (int i = 0; i < 40; ++i) {
    std::string text;
    for (int k = 0; k < 30; ++k) text += "topic " + std::to_string(i) + " word " + std::to_string(k) + ". ";
    d.topics.push_back({"T" + std::to_string(i), {1000 + i}, "Title " + std::to_string(i), {Body({Plain(text)})}});
  }
  const std::vector<uint8_t> bytes = WriteHelpFile(d);
  const HelpFile help = ReadHelpFile(bytes);
  ASSERT_EQ(help.topics.size(), 40u);
  EXPECT_GT(help.topics.back().address >> 15, 4u);  // several 4 KB blocks in
  for (int i = 0; i < 40; ++i) {
    const ReadTopic* t = help.ByNumber(1000 + i);
    ASSERT_NE(t, nullptr) << i;
    EXPECT_EQ(t, help.ByContext("T" + std::to_string(i)));
    EXPECT_EQ(t->paragraphs.at(0).text, d.topics[i].paragraphs[0].spans[0].text);
  }
}

TEST(HlpWriter, RefusesDocumentsTheFormatCannotHold) {
  EXPECT_THROW(WriteHelpFile(Document{}), std::invalid_argument);
  auto withChange = [](auto change) {
    Document d = ThreeTopics();
    change(d);
    return d;
  };
  EXPECT_THROW(WriteHelpFile(withChange([](Document& d) { d.topics[2].context = "ALPHA"; })),
               std::invalid_argument);  // same hash as "Alpha"
  EXPECT_THROW(WriteHelpFile(withChange([](Document& d) { d.topics[2].context = "Bad name"; })),
               std::invalid_argument);
  EXPECT_THROW(WriteHelpFile(withChange([](Document& d) { d.topics[2].numbers = {2000}; })),
               std::invalid_argument);
  EXPECT_THROW(WriteHelpFile(withChange([](Document& d) { d.contents = "Nowhere"; })), std::invalid_argument);
  EXPECT_THROW(WriteHelpFile(withChange([](Document& d) {
                 d.topics[0].paragraphs[0].spans.push_back({Span::Kind::Jump, "x", "Nowhere"});
               })),
               std::invalid_argument);
}

TEST(HlpReader, RejectsDamagedFiles) {
  const std::vector<uint8_t> good = WriteHelpFile(ThreeTopics());
  EXPECT_THROW(ReadHelpFile({}), std::runtime_error);
  EXPECT_THROW(ReadHelpFile(std::vector<uint8_t>(good.begin(), good.end() - 100)), std::runtime_error);
  std::vector<uint8_t> badMagic = good;
  badMagic[0] ^= 1;
  EXPECT_THROW(ReadHelpFile(badMagic), std::runtime_error);
  std::vector<uint8_t> badDirectory = good;
  badDirectory[4] = 0xFF;
  badDirectory[5] = 0xFF;
  EXPECT_THROW(ReadHelpFile(badDirectory), std::runtime_error);
}

TEST(HlpReader, ALinkPointingBackwardsEndsTheReadInsteadOfLooping) {
  std::vector<uint8_t> bytes = WriteHelpFile(ThreeTopics());
  // The first link of the topic file sits after its internal header (9) and block header (12);
  // its "next" field (offset 12) is made to point at itself.
  const HelpFile help = ReadHelpFile(bytes);
  size_t topicFile = 0;
  for (size_t i = 0; i + 6 < bytes.size(); ++i) {
    if (std::string(bytes.begin() + long(i), bytes.begin() + long(i) + 6) == "|TOPIC") {
      topicFile = bytes[i + 7] | bytes[i + 8] << 8 | bytes[i + 9] << 16 | size_t(bytes[i + 10]) << 24;
    }
  }
  ASSERT_GT(topicFile, 0u);
  const size_t next = topicFile + 9 + 12 + 12;
  bytes[next] = 12;
  bytes[next + 1] = bytes[next + 2] = bytes[next + 3] = 0;
  EXPECT_THROW(ReadHelpFile(bytes), std::runtime_error);
  EXPECT_EQ(help.topics.size(), 3u);
}

}  // namespace
}  // namespace winhelp
