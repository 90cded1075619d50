#include "yearboard/grid/grid_model.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace yb {

GridModel::GridModel(int rows, int cols, int fixedRowCount, int fixedColCount) {
  SetCols(cols);
  SetRows(rows);
  SetFixedRows(fixedRowCount);
  SetFixedCols(fixedColCount);
}

void GridModel::CheckRow(int r) const {
  if (r < 0 || r >= Rows()) throw std::out_of_range("grid row " + std::to_string(r));
}

void GridModel::CheckCol(int c) const {
  if (c < 0 || c >= Cols()) throw std::out_of_range("grid column " + std::to_string(c));
}

const GridModel::Cell& GridModel::At(int r, int c) const {
  CheckRow(r);
  CheckCol(c);
  return cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

GridModel::Cell& GridModel::At(int r, int c) {
  CheckRow(r);
  CheckCol(c);
  return cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

void GridModel::Changed(int r, int c) {
  if (!dirtyAll) {
    if (!dirty) {
      dirty = CellSpan{r, c, r, c};
    } else {
      dirty->row0 = std::min(dirty->row0, r);
      dirty->col0 = std::min(dirty->col0, c);
      dirty->row1 = std::max(dirty->row1, r);
      dirty->col1 = std::max(dirty->col1, c);
    }
  }
  Flush();
}

void GridModel::ChangedAll() {
  dirtyAll = true;
  dirty.reset();
  Flush();
}

void GridModel::Flush() {
  if (!redraw || (!dirtyAll && !dirty)) return;
  const std::optional<CellSpan> span = dirtyAll ? std::nullopt : dirty;
  dirtyAll = false;
  dirty.reset();
  if (listener) listener(span ? &*span : nullptr);
}

void GridModel::SetRows(int rows) {
  if (rows < 0) throw std::out_of_range("grid rows");
  cells.resize(static_cast<std::size_t>(rows), std::vector<Cell>(static_cast<std::size_t>(colCount)));
  rowHeights.resize(static_cast<std::size_t>(rows), kDefaultRowHeight);
  fixedRows = std::min(fixedRows, rows);
  row = std::clamp(row, 0, std::max(rows - 1, 0));
  ClampScroll();
  ChangedAll();
}

void GridModel::SetCols(int cols) {
  if (cols < 0) throw std::out_of_range("grid columns");
  colCount = cols;
  for (auto& line : cells) line.resize(static_cast<std::size_t>(cols));
  colWidths.resize(static_cast<std::size_t>(cols), kDefaultColWidth);
  colAlignments.resize(static_cast<std::size_t>(cols), Alignment::LeftCenter);
  fixedCols = std::min(fixedCols, cols);
  col = std::clamp(col, 0, std::max(cols - 1, 0));
  ClampScroll();
  ChangedAll();
}

void GridModel::SetFixedRows(int count) {
  if (count < 0 || count > Rows()) throw std::out_of_range("fixed rows");
  fixedRows = count;
  ClampScroll();
  ChangedAll();
}

void GridModel::SetFixedCols(int count) {
  if (count < 0 || count > Cols()) throw std::out_of_range("fixed columns");
  fixedCols = count;
  ClampScroll();
  ChangedAll();
}

bool GridModel::RemoveRow(int r) {
  if (r < 0 || r >= Rows() || Rows() - 1 <= fixedRows) return false;
  cells.erase(cells.begin() + r);
  rowHeights.erase(rowHeights.begin() + r);
  row = std::min(row, Rows() - 1);
  ClampScroll();
  ChangedAll();
  return true;
}

int GridModel::RowHeight(int r) const {
  CheckRow(r);
  return rowHeights[static_cast<std::size_t>(r)];
}

int GridModel::ColWidth(int c) const {
  CheckCol(c);
  return colWidths[static_cast<std::size_t>(c)];
}

void GridModel::SetRowHeight(int r, int twips) {
  CheckRow(r);
  rowHeights[static_cast<std::size_t>(r)] = std::max(twips, 0);
  ChangedAll();
}

void GridModel::SetColWidth(int c, int twips) {
  CheckCol(c);
  colWidths[static_cast<std::size_t>(c)] = std::max(twips, 0);
  ChangedAll();
}

const std::string& GridModel::Text(int r, int c) const { return At(r, c).text; }

void GridModel::SetText(int r, int c, const std::string& text) {
  At(r, c).text = text;
  Changed(r, c);
}

const std::vector<Color>& GridModel::CellStripes(int r, int c) const { return At(r, c).stripes; }

void GridModel::SetCellStripes(int r, int c, std::vector<Color> colors) {
  Cell& cell = At(r, c);
  if (cell.stripes == colors) return;
  cell.stripes = std::move(colors);
  Changed(r, c);
}

Color GridModel::CellBackColor(int r, int c) const {
  const Cell& cell = At(r, c);
  if (cell.backColor) return *cell.backColor;
  return (r < fixedRows || c < fixedCols) ? BackColorFixed() : BackColor();
}

void GridModel::SetCellBackColor(int r, int c, Color color) {
  At(r, c).backColor = color;
  Changed(r, c);
}

double GridModel::CellFontSize(int r, int c) const { return At(r, c).fontSize.value_or(fontSize); }

void GridModel::SetCellFontSize(int r, int c, double points) {
  At(r, c).fontSize = points;
  Changed(r, c);
}

Alignment GridModel::CellAlignment(int r, int c) const {
  return At(r, c).alignment.value_or(colAlignments[static_cast<std::size_t>(c)]);
}

void GridModel::SetCellAlignment(int r, int c, Alignment alignment) {
  At(r, c).alignment = alignment;
  Changed(r, c);
}

Alignment GridModel::ColAlignment(int c) const {
  CheckCol(c);
  return colAlignments[static_cast<std::size_t>(c)];
}

void GridModel::SetColAlignment(int c, Alignment alignment) {
  CheckCol(c);
  colAlignments[static_cast<std::size_t>(c)] = alignment;
  ChangedAll();
}

void GridModel::SetFont(const std::string& name, double points) {
  fontName = name;
  fontSize = points;
  ChangedAll();
}

void GridModel::SetRow(int value) {
  CheckRow(value);
  if (value == row) return;
  const int old = row;
  row = value;
  // The current cell is drawn marked, so both the old and the new cell change.
  Changed(old, col);
  Changed(row, col);
}

void GridModel::SetCol(int value) {
  CheckCol(value);
  if (value == col) return;
  const int old = col;
  col = value;
  Changed(row, old);
  Changed(row, col);
}

void GridModel::SetMouseCell(GridHit hit) {
  mouseRow = hit.row;
  mouseCol = hit.col;
}

void GridModel::ClampScroll() {
  topRow = std::clamp(topRow, fixedRows, std::max(Rows() - 1, fixedRows));
  leftCol = std::clamp(leftCol, fixedCols, std::max(Cols() - 1, fixedCols));
}

void GridModel::SetTopRow(int value) {
  topRow = value;
  ClampScroll();
  ChangedAll();
}

void GridModel::SetLeftCol(int value) {
  leftCol = value;
  ClampScroll();
  ChangedAll();
}

void GridModel::SetScrollBars(ScrollBars value) {
  scrollBars = value;
  ChangedAll();
}

void GridModel::SetRedraw(bool on) {
  redraw = on;
  Flush();
}

namespace {

// Position of an index along one axis: fixed entries first, then the scrolled ones from first.
int Offset(const std::vector<int>& sizes, int fixed, int first, int index) {
  if (index < fixed) {
    return std::accumulate(sizes.begin(), sizes.begin() + index, 0);
  }
  const int fixedTotal = std::accumulate(sizes.begin(), sizes.begin() + fixed, 0);
  return fixedTotal + std::accumulate(sizes.begin() + first, sizes.begin() + index, 0);
}

int IndexAt(const std::vector<int>& sizes, int fixed, int first, int position) {
  if (position < 0) return -1;
  int edge = 0;
  const int count = static_cast<int>(sizes.size());
  for (int i = 0; i < count; ++i) {
    if (i >= fixed && i < first) continue;
    edge += sizes[static_cast<std::size_t>(i)];
    if (position < edge) return i;
  }
  return -1;
}

int MaxFirst(const std::vector<int>& sizes, int fixed, int view) {
  const int count = static_cast<int>(sizes.size());
  int room = view - std::accumulate(sizes.begin(), sizes.begin() + fixed, 0);
  int first = count;
  while (first > fixed && sizes[static_cast<std::size_t>(first - 1)] <= room) {
    room -= sizes[static_cast<std::size_t>(first - 1)];
    --first;
  }
  return std::clamp(first, fixed, std::max(count - 1, fixed));
}

}  // namespace

GridHit GridModel::CellAt(int x, int y) const {
  const int r = IndexAt(rowHeights, fixedRows, topRow, y);
  const int c = IndexAt(colWidths, fixedCols, leftCol, x);
  if (r < 0 || c < 0) return {};
  return {r, c};
}

std::optional<TwipRect> GridModel::CellRect(int r, int c) const {
  CheckRow(r);
  CheckCol(c);
  if ((r >= fixedRows && r < topRow) || (c >= fixedCols && c < leftCol)) return std::nullopt;
  const int left = Offset(colWidths, fixedCols, leftCol, c);
  const int top = Offset(rowHeights, fixedRows, topRow, r);
  return TwipRect{left, top, left + ColWidth(c), top + RowHeight(r)};
}

int GridModel::TotalWidth() const { return std::accumulate(colWidths.begin(), colWidths.end(), 0); }

int GridModel::TotalHeight() const {
  return std::accumulate(rowHeights.begin(), rowHeights.end(), 0);
}

VisibleBars GridModel::BarsFor(int viewWidth, int viewHeight, int barThickness) const {
  const bool allowH = scrollBars == ScrollBars::Horizontal || scrollBars == ScrollBars::Both;
  const bool allowV = scrollBars == ScrollBars::Vertical || scrollBars == ScrollBars::Both;
  VisibleBars bars;
  bars.horizontal = allowH && TotalWidth() > viewWidth;
  bars.vertical = allowV && TotalHeight() > viewHeight - (bars.horizontal ? barThickness : 0);
  // A vertical bar narrows the view, which may now need the horizontal one too.
  if (!bars.horizontal && bars.vertical) bars.horizontal = allowH && TotalWidth() > viewWidth - barThickness;
  return bars;
}

int GridModel::MaxTopRow(int viewHeight) const { return MaxFirst(rowHeights, fixedRows, viewHeight); }

int GridModel::MaxLeftCol(int viewWidth) const { return MaxFirst(colWidths, fixedCols, viewWidth); }

}  // namespace yb
