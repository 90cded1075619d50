#pragma once
// Save Year as Picture: the common Save dialog offering PNG (first, when the system's GDI+
// can write it) and BMP, the year sheet drawn on a picture of kPictureWidth x kPictureHeight
// pixels, written beside the chosen file first and then put in its place, so a failed save
// leaves an existing file as it was.
#include <windows.h>

#include <string>

#include "yearboard/sheet/picture_file.h"
#include "yearboard/sheet/year_sheet.h"

namespace yb {

// The path saved, or "" when the dialog was cancelled. Throws std::runtime_error with the
// message to show when the picture cannot be written.
std::string SaveYearPicture(HWND owner, const YearSheet& sheet, const std::string& suggestedName);

// Draws and writes the picture (the dialog left out, for timing).
void WriteYearPicture(const YearSheet& sheet, const std::string& path, PictureFormat format);

}  // namespace yb
