#pragma once
// Messages the grid window answers so that tests and tools in another process can see what
// it shows, and the notifications it sends its parent. A cell is packed as row << 16 | col.
// Message numbers are WM_USER (0x0400) based; the header needs no Windows header.
#include <cstdint>

namespace yb {

constexpr unsigned kGridMessageBase = 0x0400 + 0x300;
enum GridMessage : unsigned {
  kGridGetRows = kGridMessageBase,  // -> rows
  kGridGetCols,                     // -> columns
  kGridGetFixed,                    // -> fixed rows << 16 | fixed columns
  kGridGetCellText,     // wParam cell, lParam char[kGridTextCapacity] -> length, -1 no cell
  kGridGetCellColor,    // wParam cell -> the stored colour (system references as stored)
  kGridGetCellRect,     // wParam cell, lParam RECT in client pixels -> 1, or 0 when hidden
  kGridGetCurrent,      // -> current row << 16 | current column
  kGridGetFirstVisible, // -> top row << 16 | left column
  kGridGetScrollBars,   // -> allowed (0 none, 1 horizontal, 2 vertical, 3 both)
                        //    | 0x100 horizontal shown | 0x200 vertical shown
  kGridGetRowHeight,    // wParam row -> twips
  kGridGetColWidth,     // wParam column -> twips
  kGridGetCellFontSize, // wParam cell -> points times 100
  kGridGetCellAlignment,  // wParam cell -> the Alignment value
  kGridGetRedraw,         // -> 1 when redraw is on
  kGridGetFontName,       // lParam char[kGridTextCapacity] -> length: the face cells are painted in
  kGridGetCellStripes,    // wParam cell, lParam Color[kGridStripeCapacity] -> how many stripe
                          //    colours the cell has (the first kGridStripeCapacity copied)
};

constexpr std::size_t kGridTextCapacity = 260;
constexpr std::size_t kGridStripeCapacity = 16;

// WM_COMMAND notification codes (HIWORD of wParam) sent to the parent.
constexpr unsigned kGridClick = 1;
constexpr unsigned kGridDblClick = 2;

constexpr std::uint32_t PackCell(int row, int col) {
  return (static_cast<std::uint32_t>(row) << 16) | (static_cast<std::uint32_t>(col) & 0xFFFFu);
}
constexpr int CellRow(std::uint32_t packed) { return static_cast<int>(packed >> 16); }
constexpr int CellCol(std::uint32_t packed) { return static_cast<int>(packed & 0xFFFFu); }

}  // namespace yb
