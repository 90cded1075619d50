// tray_frames_tool DESCRIPTION.txt OUTPUT.bmp: the tray pictures as one BMP strip.
#include <fstream>
#include <iostream>
#include <sstream>

#include "linetally/tray/tray_frames.h"
#include "tools/pixmap/pixmap.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: tray_frames_tool DESCRIPTION.txt OUTPUT.bmp\n";
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
    const auto bytes = pixmap::ToBmp(pixmap::Parse(lt::TrayFramesPixmap(text.str())));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& e) {
    std::cerr << argv[1] << ": " << e.what() << "\n";
    return 1;
  }
  return 0;
}
