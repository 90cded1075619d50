// tray_frames_tool DESCRIPTION.txt OUTPUT.bmp: the tray pictures as one BMP strip.
#include "linetally/tray/tray_frames.h"
#include "tools/file_tool.h"
#include "tools/pixmap/pixmap.h"

int main(int argc, char** argv) {
  return tools::RunFileTool(argc, argv, "tray_frames_tool DESCRIPTION.txt OUTPUT.bmp",
                            [](const std::string& text, const std::string&) {
                              return pixmap::ToBmp(pixmap::Parse(lt::TrayFramesPixmap(text)));
                            });
}
