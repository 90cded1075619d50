// pixmap_tool INPUT.txt OUTPUT.bmp|OUTPUT.ico
#include "tools/file_tool.h"
#include "tools/pixmap/pixmap.h"

int main(int argc, char** argv) {
  return tools::RunFileTool(argc, argv, "pixmap_tool INPUT.txt OUTPUT.bmp|OUTPUT.ico",
                            [](const std::string& text, const std::string& output) {
                              const pixmap::Image image = pixmap::Parse(text);
                              const bool icon = output.size() > 4 && output.substr(output.size() - 4) == ".ico";
                              return icon ? pixmap::ToIco(image) : pixmap::ToBmp(image);
                            });
}
