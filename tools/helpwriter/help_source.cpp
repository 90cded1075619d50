#include "tools/helpwriter/help_source.h"

#include <sstream>
#include <stdexcept>

namespace winhelp {
namespace {

class Parser {
 public:
  Document Run(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
      ++lineNumber;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      Line(line);
    }
    EndParagraph();
    if (doc.topics.empty()) Fail("no topic");
    return doc;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + what);
  }

  void Line(const std::string& line) {
    if (!line.empty() && line[0] == '#') return;
    if (!line.empty() && line[0] == '.') return Statement(line);
    if (line.find_first_not_of(" \t") == std::string::npos) return EndParagraph();
    if (doc.topics.empty()) Fail("text before the first .topic");
    if (line.rfind("- ", 0) == 0) {
      EndParagraph();
      open = true;
      current.style = Paragraph::Style::Bullet;
      Markup(line.substr(2));
      return;
    }
    if (!open) {
      open = true;
      current.style = Paragraph::Style::Body;
    } else {
      Markup(" ");
    }
    Markup(line.substr(line.find_first_not_of(" \t")));
  }

  void Statement(const std::string& line) {
    EndParagraph();
    const size_t space = line.find(' ');
    const std::string word = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(line.find_first_not_of(' ', space));
    if (word == ".helptitle") {
      doc.title = rest;
    } else if (word == ".copyright") {
      doc.copyright = rest;
    } else if (word == ".contents") {
      doc.contents = rest;
    } else if (word == ".topic") {
      std::istringstream fields(rest);
      Topic t;
      if (!(fields >> t.context)) Fail(".topic needs a context name");
      std::string number;
      while (fields >> number) {
        try {
          size_t used = 0;
          t.numbers.push_back(std::stoi(number, &used));
          if (used != number.size()) throw std::invalid_argument(number);
        } catch (const std::exception&) {
          Fail("bad context number '" + number + "'");
        }
      }
      doc.topics.push_back(std::move(t));
    } else if (word == ".title") {
      if (doc.topics.empty()) Fail(".title outside a topic");
      Topic& t = doc.topics.back();
      if (!t.title.empty()) Fail("second .title in a topic");
      t.title = rest;
      t.paragraphs.insert(t.paragraphs.begin(), Paragraph{Paragraph::Style::Heading, {{Span::Kind::Plain, rest, ""}}});
    } else {
      Fail("unknown statement " + word);
    }
  }

  void Add(Span::Kind kind, std::string& text, std::string target = "") {
    if (text.empty()) return;
    auto& spans = current.spans;
    if (kind != Span::Kind::Jump && !spans.empty() && spans.back().kind == kind) {
      spans.back().text += text;
    } else {
      spans.push_back({kind, text, target});
    }
    text.clear();
  }

  void Markup(const std::string& s) {
    std::string text;
    for (size_t i = 0; i < s.size(); ++i) {
      const char c = s[i];
      if (c == '\\') {
        if (++i == s.size()) Fail("\\ at the end of a line");
        text += s[i];
      } else if (c == '*') {
        Add(bold ? Span::Kind::Bold : Span::Kind::Plain, text);
        bold = !bold;
      } else if (c == '{') {
        const size_t bar = s.find('|', i), close = s.find('}', i);
        if (bar == std::string::npos || close == std::string::npos || bar > close) Fail("jump needs {text|CONTEXT}");
        Add(Span::Kind::Plain, text);
        std::string jump = s.substr(i + 1, bar - i - 1);
        Add(Span::Kind::Jump, jump, s.substr(bar + 1, close - bar - 1));
        i = close;
      } else {
        text += c;
      }
    }
    Add(bold ? Span::Kind::Bold : Span::Kind::Plain, text);
  }

  void EndParagraph() {
    if (bold) Fail("bold text not closed with *");
    if (open) doc.topics.back().paragraphs.push_back(std::move(current));
    current = Paragraph{};
    open = false;
  }

  Document doc;
  Paragraph current;
  bool open = false, bold = false;
  int lineNumber = 0;
};

}  // namespace

Document ParseHelpSource(const std::string& text) { return Parser().Run(text); }

}  // namespace winhelp
