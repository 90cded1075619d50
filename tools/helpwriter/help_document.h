#pragma once
// A help file's content as the writer takes it: topics of formatted paragraphs, each topic
// reachable by a context name and any number of context numbers.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace winhelp {

struct Span {
  enum class Kind { Plain, Bold, Jump };
  Kind kind = Kind::Plain;
  std::string text;
  std::string target;  // the context name a Jump leads to
};

struct Paragraph {
  enum class Style { Body, Heading, Bullet };
  Style style = Style::Body;
  std::vector<Span> spans;
};

struct Topic {
  std::string context;               // letters, digits, '.' and '_'
  std::vector<int32_t> numbers;      // the numbers a program passes with HELP_CONTEXT
  std::string title;
  std::vector<Paragraph> paragraphs;
};

struct Document {
  std::string title;      // the viewer's caption
  std::string copyright;  // may be empty
  std::string contents;   // context of the contents topic; empty: the first topic
  std::vector<Topic> topics;
};

// The viewer's hash of a context name: h = h * 43 + code, wrapping at 32 bits.
int32_t ContextHash(std::string_view name);
// True when the name holds only the characters the hash gives a code to.
bool IsValidContextName(std::string_view name);

}  // namespace winhelp
