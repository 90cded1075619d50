#pragma once
// The frame of the build-time tools: read the input file whole, turn it into the output's
// bytes, write them; errors go to stderr with the input's name and a non-zero exit code.
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tools {

using Conversion = std::function<std::vector<uint8_t>(const std::string& input, const std::string& outputPath)>;

inline int RunFileTool(int argc, char** argv, const char* usage, const Conversion& convert) {
  if (argc != 3) {
    std::cerr << "usage: " << usage << "\n";
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
    const std::vector<uint8_t> bytes = convert(text.str(), argv[2]);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}

}  // namespace tools
