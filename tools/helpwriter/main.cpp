// helpwriter SOURCE.txt OUTPUT.hlp: builds a help file from its readable source, then reads
// it back and checks that every topic is found by its context name and numbers.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/helpwriter/help_source.h"
#include "tools/helpwriter/hlp_reader.h"
#include "tools/helpwriter/hlp_writer.h"

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
  if (argc != 3) {
    std::cerr << "usage: helpwriter SOURCE.txt OUTPUT.hlp\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot open\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  try {
    const winhelp::Document doc = winhelp::ParseHelpSource(text.str());
    const std::vector<uint8_t> bytes = winhelp::WriteHelpFile(doc);
    CheckReadBack(doc, bytes);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
