// helpwriter SOURCE.txt OUTPUT.hlp: builds a help file from its readable source, then reads
// it back and checks that every topic is found by its context name and numbers.
#include <stdexcept>

#include "tools/helpwriter/help_source.h"
#include "tools/helpwriter/hlp_reader.h"
#include "tools/helpwriter/hlp_writer.h"
#include "tools/file_tool.h"

namespace {

void CheckReadBack(const winhelp::Document& doc, const std::vector<uint8_t>& bytes) {
  const winhelp::HelpFile help = winhelp::ReadHelpFile(bytes);
  for (const winhelp::Topic& t : doc.topics) {
    const winhelp::ReadTopic* found = help.ByContext(t.context);
    if (!found || found->title != t.title) throw std::runtime_error("topic " + t.context + " not found back");
    for (int32_t n : t.numbers) {
      if (help.ByNumber(n) != found) throw std::runtime_error("context number " + std::to_string(n) + " not found back");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  return tools::RunFileTool(argc, argv, "helpwriter SOURCE.txt OUTPUT.hlp", [](const std::string& text, const std::string&) {
    const winhelp::Document doc = winhelp::ParseHelpSource(text);
    std::vector<uint8_t> bytes = winhelp::WriteHelpFile(doc);
    CheckReadBack(doc, bytes);
    return bytes;
  });
}
