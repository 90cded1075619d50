#include "linetally/report/report_lines.h"

#include "linetally/base/duration_text.h"

namespace lt {
namespace {

const std::string kDoubleRule(62, '=');
const std::string kSingleRule(62, '-');
const char* const kColumnHeader = "Date        Time   Service                 Duration   Cost";

void AppendPadded(std::string& out, std::string_view text, size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

std::string SessionRow(const ReportRow& row, bool showDate) {
  std::string line;
  AppendPadded(line, showDate ? std::string_view(row.date) : std::string_view(), 12);
  AppendPadded(line, row.time, 7);
  AppendPadded(line, row.service, 24);
  AppendPadded(line, row.duration, 11);
  line += row.cost;
  return line;
}

std::string TotalsLine(const ReportTotals& totals) {
  return "TOTAL TIME = " + DurationText(totals.sumSeconds) + " / TOTAL COST = " + totals.currencySymbol +
         totals.totalCost.ToFixed(2);
}

std::vector<std::string> ReportLines(const std::vector<ReportRow>& rows, const ReportTotals& totals) {
  std::vector<std::string> lines{kDoubleRule, kColumnHeader, kSingleRule};
  for (size_t i = 0; i < rows.size(); ++i) {
    const bool sameDate = i > 0 && rows[i].date == rows[i - 1].date;
    lines.push_back(SessionRow(rows[i], !sameDate));
  }
  lines.push_back(kSingleRule);
  lines.push_back(TotalsLine(totals));
  lines.push_back(kDoubleRule);
  return lines;
}

}  // namespace lt
