#include <gtest/gtest.h>

#include "linetally/database/csv_export.h"

namespace lt {
namespace {

// The Western code page as UTF-8: every byte is the character of the same number.
std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

TEST(CsvExport, ChosenRecordsAsSpreadsheetsReadThem) {
  const RecordLines lines = {"07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,",
                             "07/12/2026 23:00:00,08/12/2026 00:00:45,3645,Caf\xE9 \"Zur Post\",0.0450,Recovered",
                             "31/13/2026 10:00:00,garbled,x7, Home , 2.37 ,"};
  RecordTable table;
  table.Parse(lines, 1);
  int conversions = 0;
  const Utf8Converter toUtf8 = [&](std::string_view text) {
    ++conversions;
    return Latin1ToUtf8(text);
  };
  const std::string csv = ExportCsv(table, {2, 1, 3}, UsFormats(), toUtf8);
  EXPECT_EQ(csv,
            "\xEF\xBB\xBF"
            "Start,End,Seconds,Duration,Connection,Cost,Note\r\n"
            "2026-12-07 23:00:00,2026-12-08 00:00:45,3645,001:00:45,\"Caf\xC3\xA9 \"\"Zur Post\"\"\",0.0450,Recovered\r\n"
            "2026-12-07 09:15:02,2026-12-07 09:47:40,1958,000:32:38,Office link,1.2516,\r\n"
            "31/13/2026 10:00:00,garbled,x7,, Home ,2.37,\r\n");
  EXPECT_EQ(conversions, 1) << "only text outside ASCII is converted";
  EXPECT_EQ(ExportCsv(table, {}, UsFormats(), toUtf8),
            "\xEF\xBB\xBF"
            "Start,End,Seconds,Duration,Connection,Cost,Note\r\n");
}

}  // namespace
}  // namespace lt
