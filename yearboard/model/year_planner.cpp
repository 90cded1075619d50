#include "yearboard/model/year_planner.h"

#include <string>

namespace yb {

namespace {
constexpr double kDayFontSize = 6;
constexpr int kDayColumnWidth = 240;
}  // namespace

YearPlanner::YearPlanner(PlannerView& view, const Formats& formats)
    : view(view), formats(formats) {}

int DayColumnWeekday(int column) { return ((FirstDayOfWeek + column - 2) % 7 + 7) % 7 + 1; }

const char* DayColumnLetter(int column) {
  static const char* const kLetters[] = {"S", "M", "T", "W", "T", "F", "S"};
  return kLetters[DayColumnWeekday(column) - 1];
}

void YearPlanner::PreparePlanner() {
  flxPlanner.SetFont("Tahoma", 8);
  flxPlanner.SetRow(0);
  LabelDayColumns();
  flxPlanner.SetFixedRows(1);
  flxPlanner.SetRow(1);
  flxPlanner.SetCol(1);
}

void YearPlanner::LabelDayColumns() {
  flxPlanner.SetRedraw(false);
  for (int c = 1; c <= kDayColumns; ++c) {
    const std::string letter = DayColumnLetter(c);
    flxPlanner.SetCol(c);
    flxPlanner.SetText(0, c, letter);
    flxPlanner.SetCellFontSize(0, c, kDayFontSize);
    flxPlanner.SetColWidth(c, kDayColumnWidth);
    flxPlanner.SetColAlignment(c, Alignment::CenterCenter);
    if (letter == "S") flxPlanner.SetCellBackColor(0, c, kSys3DHighlight);
  }
  flxPlanner.SetCol(0);
  flxPlanner.SetRedraw(true);
}

void YearPlanner::BuildYearGrid() {
  flxPlanner.SetRedraw(false);
  view.SetStatusText("");
  for (int m = 1; m <= kMonthRows; ++m) {
    cMonth& month = MonthTable[m - 1];
    month = cMonth();
    month.SetYear(ShownYear);
    month.SetNumber(static_cast<std::int16_t>(m));
    flxPlanner.SetRow(m);
    flxPlanner.SetText(m, 0, month.Name(formats));
    const int first = month.CellOfFirst();
    const int last = first + month.NumberOfDays() - 1;
    for (int c = 1; c <= kDayColumns; ++c) {
      flxPlanner.SetCol(c);
      cCell& cell = CellAt(m, c);
      cell = cCell();
      flxPlanner.SetCellStripes(m, c, {});
      if (c >= first && c <= last) {
        cell.DayNumber = static_cast<std::int16_t>(c - first + 1);
        flxPlanner.SetCellBackColor(m, c, kSysWindow);
        flxPlanner.SetText(m, c, std::to_string(cell.DayNumber));
        flxPlanner.SetCellFontSize(m, c, kDayFontSize);
        flxPlanner.SetCellAlignment(m, c, Alignment::LeftTop);
        // The weekend colour follows the header letters, written once by LabelDayColumns.
        if (flxPlanner.Text(0, c) == "S") flxPlanner.SetCellBackColor(m, c, kSys3DLight);
      } else {
        cell.DayNumber = 0;
        flxPlanner.SetCellBackColor(m, c, kSys3DHighlight);
        flxPlanner.SetText(m, c, "");
      }
    }
  }
  flxPlanner.SetRedraw(true);
}

}  // namespace yb
