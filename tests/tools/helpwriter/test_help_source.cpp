#include <gtest/gtest.h>

#include "tools/helpwriter/help_source.h"

namespace winhelp {
namespace {

TEST(HelpSource, ReadsStatementsParagraphsAndMarkup) {
  const Document d = ParseHelpSource(
      "# comment\n"
      ".helptitle My Help\r\n"
      ".contents Start\n"
      ".topic Start 2000 2050\n"
      ".title Welcome\n"
      "First line\n"
      "  continues *in bold\n"
      "still bold* here.\n"
      "\n"
      "- item with {a jump|Other}\n"
      "  wrapped\n"
      "- a \\*star\\* and \\{brace\\}\n"
      ".topic Other\n"
      ".title Other one\n");
  EXPECT_EQ(d.title, "My Help");
  EXPECT_EQ(d.contents, "Start");
  ASSERT_EQ(d.topics.size(), 2u);
  const Topic& t = d.topics[0];
  EXPECT_EQ(t.context, "Start");
  EXPECT_EQ(t.numbers, (std::vector<int32_t>{2000, 2050}));
  ASSERT_EQ(t.paragraphs.size(), 4u);
  EXPECT_EQ(t.paragraphs[0].style, Paragraph::Style::Heading);
  EXPECT_EQ(t.paragraphs[0].spans[0].text, "Welcome");

  const auto& body = t.paragraphs[1].spans;
  ASSERT_EQ(body.size(), 3u);
  EXPECT_EQ(body[0].text, "First line continues ");
  EXPECT_EQ(body[1].kind, Span::Kind::Bold);
  EXPECT_EQ(body[1].text, "in bold still bold");
  EXPECT_EQ(body[2].text, " here.");

  const auto& item = t.paragraphs[2];
  EXPECT_EQ(item.style, Paragraph::Style::Bullet);
  ASSERT_EQ(item.spans.size(), 3u);
  EXPECT_EQ(item.spans[1].kind, Span::Kind::Jump);
  EXPECT_EQ(item.spans[1].text, "a jump");
  EXPECT_EQ(item.spans[1].target, "Other");
  EXPECT_EQ(item.spans[2].text, " wrapped");
  EXPECT_EQ(t.paragraphs[3].spans[0].text, "a *star* and {brace}");
  EXPECT_EQ(d.topics[1].paragraphs.size(), 1u);
}

TEST(HelpSource, NamesTheLineOfAnError) {
  auto error = [](const std::string& text) {
    try {
      ParseHelpSource(text);
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(error("text first\n"), "line 1: text before the first .topic");
  EXPECT_EQ(error(".topic A\n.colour red\n"), "line 2: unknown statement .colour");
  EXPECT_EQ(error(".topic A\n*open\n\n"), "line 3: bold text not closed with *");
  EXPECT_EQ(error(".topic A\nsee {here}\n"), "line 2: jump needs {text|CONTEXT}");
  EXPECT_EQ(error(".topic A 20x0\n"), "line 1: bad context number '20x0'");
  EXPECT_EQ(error(".topic A\n.title a\n.title b\n"), "line 3: second .title in a topic");
  EXPECT_EQ(error("# nothing\n"), "line 1: no topic");
}

}  // namespace
}  // namespace winhelp
