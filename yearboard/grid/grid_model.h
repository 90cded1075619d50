#pragma once
// The grid's whole state, kept portable so the year and category layouts are testable
// natively: rows and columns with fixed header rows and columns; per-cell text, background
// colour (system colour references included), category stripes, font size and alignment; row heights and
// column widths in twips; the current cell; the first visible (scrolled) row and column;
// the scroll bars allowed; the redraw switch; hit testing and the scroll-bar policy.
// The grid window paints it and is told of changes through the listener.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "yearboard/base/color.h"

namespace yb {

enum class Alignment {
  LeftTop, LeftCenter, LeftBottom, CenterTop, CenterCenter, CenterBottom,
  RightTop, RightCenter, RightBottom,
};
enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

struct CellSpan {
  int row0 = 0, col0 = 0, row1 = 0, col1 = 0;  // inclusive
};

struct TwipRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct GridHit {
  int row = -1, col = -1;  // -1 outside the cells
};

struct VisibleBars {
  bool horizontal = false, vertical = false;
};

class GridModel {
 public:
  static constexpr int kDefaultRowHeight = 240;
  static constexpr int kDefaultColWidth = 960;

  GridModel(int rows, int cols, int fixedRows, int fixedCols);

  int Rows() const { return static_cast<int>(cells.size()); }
  int Cols() const { return colCount; }
  int FixedRows() const { return fixedRows; }
  int FixedCols() const { return fixedCols; }
  void SetRows(int rows);  // new rows are blank with the default height
  void SetCols(int cols);
  void SetFixedRows(int count);
  void SetFixedCols(int count);
  // False (and nothing changes) when the row does not exist or is the last non-fixed row.
  bool RemoveRow(int row);

  int RowHeight(int row) const;
  int ColWidth(int col) const;
  void SetRowHeight(int row, int twips);
  void SetColWidth(int col, int twips);

  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, const std::string& text);
  Color CellBackColor(int row, int col) const;  // its own colour or the default of its kind
  void SetCellBackColor(int row, int col, Color color);
  // Colours of the bands painted over the background (stripes.h); none by default.
  const std::vector<Color>& CellStripes(int row, int col) const;
  void SetCellStripes(int row, int col, std::vector<Color> colors);
  double CellFontSize(int row, int col) const;  // its own size or the grid font's
  void SetCellFontSize(int row, int col, double points);
  Alignment CellAlignment(int row, int col) const;  // its own, else its column's
  void SetCellAlignment(int row, int col, Alignment alignment);
  Alignment ColAlignment(int col) const;
  void SetColAlignment(int col, Alignment alignment);

  const std::string& FontName() const { return fontName; }
  double FontSize() const { return fontSize; }
  void SetFont(const std::string& name, double points);
  Color BackColor() const { return kSysWindow; }
  Color BackColorFixed() const { return kSysButtonFace; }

  // The current cell.
  int Row() const { return row; }
  int Col() const { return col; }
  void SetRow(int value);
  void SetCol(int value);
  // The cell under the mouse at the last button press.
  int MouseRow() const { return mouseRow; }
  int MouseCol() const { return mouseCol; }
  void SetMouseCell(GridHit hit);

  // The first non-fixed row and column in view.
  int TopRow() const { return topRow; }
  int LeftCol() const { return leftCol; }
  void SetTopRow(int value);
  void SetLeftCol(int value);
  ScrollBars AllowedScrollBars() const { return scrollBars; }
  void SetScrollBars(ScrollBars value);

  // While redraw is off, changes are gathered and reported once it is switched on again.
  bool Redraw() const { return redraw; }
  void SetRedraw(bool on);
  // Called with the changed cells, or nullptr when the layout changed as a whole.
  using Listener = std::function<void(const CellSpan*)>;
  void SetListener(Listener value) { listener = std::move(value); }

  // Layout in twips from the grid's top-left corner, with the current scroll position.
  GridHit CellAt(int x, int y) const;
  std::optional<TwipRect> CellRect(int row, int col) const;  // empty when scrolled away
  int TotalWidth() const;
  int TotalHeight() const;
  // Bars shown in a view of the given size: only allowed ones, only where the cells do not fit.
  VisibleBars BarsFor(int viewWidth, int viewHeight, int barThickness) const;
  // The largest first visible row (column) that still fills a view of that size.
  int MaxTopRow(int viewHeight) const;
  int MaxLeftCol(int viewWidth) const;

 private:
  struct Cell {
    std::string text;
    std::optional<Color> backColor;
    std::vector<Color> stripes;
    std::optional<double> fontSize;
    std::optional<Alignment> alignment;
  };

  const Cell& At(int r, int c) const;
  Cell& At(int r, int c);
  void CheckRow(int r) const;
  void CheckCol(int c) const;
  void Changed(int r, int c);
  void ChangedAll();
  void Flush();
  void ClampScroll();

  std::vector<std::vector<Cell>> cells;
  int colCount = 0;
  int fixedRows = 0, fixedCols = 0;
  std::vector<int> rowHeights;
  std::vector<int> colWidths;
  std::vector<Alignment> colAlignments;
  std::string fontName = "MS Sans Serif";
  double fontSize = 8.25;
  int row = 0, col = 0;
  int mouseRow = 0, mouseCol = 0;
  int topRow = 0, leftCol = 0;
  ScrollBars scrollBars = ScrollBars::Both;
  bool redraw = true;
  bool dirtyAll = false;
  std::optional<CellSpan> dirty;
  Listener listener;
};

}  // namespace yb
