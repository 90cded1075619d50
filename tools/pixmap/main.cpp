// pixmap_tool INPUT.txt OUTPUT.bmp|OUTPUT.ico
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/pixmap/pixmap.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: pixmap_tool INPUT.txt OUTPUT.bmp|OUTPUT.ico\n";
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
    const pixmap::Image image = pixmap::Parse(text.str());
    const std::string output = argv[2];
    const bool icon = output.size() > 4 && output.substr(output.size() - 4) == ".ico";
    const auto bytes = icon ? pixmap::ToIco(image) : pixmap::ToBmp(image);
    std::ofstream out(output, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + output);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
