#include "linetally/database/csv_export.h"

#include "linetally/base/duration_text.h"
#include "linetally/database/session_record.h"

namespace lt {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kHeader[] = "Start,End,Seconds,Duration,Connection,Cost,Note\r\n";

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class CsvLine {
 public:
  CsvLine(std::string& out, const Utf8Converter& toUtf8) : out(out), toUtf8(toUtf8) {}

  void Field(std::string_view text) {
    if (!first) out += ',';
    first = false;
    if (!IsAscii(text)) {
      const std::string converted = toUtf8(text);
      Quoted(converted);
    } else {
      Quoted(text);
    }
  }
  void End() { out += "\r\n"; }

 private:
  void Quoted(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
      out += text;
      return;
    }
    out += '"';
    for (char c : text) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }

  std::string& out;
  const Utf8Converter& toUtf8;
  bool first = true;
};

// Digits of `value` into text[at..at+count), zero-padded.
void PutDigits(char* text, int at, int value, int count) {
  for (int i = at + count - 1; i >= at; --i, value /= 10) text[i] = static_cast<char>('0' + value % 10);
}

// "2026-12-07 09:15:02", or the stored text when it does not read. By hand: the export of a
// long log formats hundreds of thousands of these.
void DateTimeField(CsvLine& line, std::string_view stored, const RegionalFormats& formats) {
  const auto value = ParseRecordDateTime(stored, formats);
  if (!value) {
    line.Field(stored);
    return;
  }
  char text[] = "0000-00-00 00:00:00";
  PutDigits(text, 0, value->year, 4);
  PutDigits(text, 5, value->month, 2);
  PutDigits(text, 8, value->day, 2);
  PutDigits(text, 11, value->hour, 2);
  PutDigits(text, 14, value->minute, 2);
  PutDigits(text, 17, value->second, 2);
  line.Field(std::string_view(text, sizeof text - 1));
}

}  // namespace

std::string ExportCsv(const RecordTable& table, const std::vector<size_t>& records,
                      const RegionalFormats& formats, const Utf8Converter& toUtf8) {
  std::string out = kByteOrderMark;
  out.reserve(records.size() * 96 + 64);
  out += kHeader;
  for (size_t number : records) {
    const RecordFields fields = table.Row(number);
    const auto seconds = ParseRecordInteger(fields[2]);
    CsvLine line(out, toUtf8);
    DateTimeField(line, fields[0], formats);
    DateTimeField(line, fields[1], formats);
    line.Field(seconds ? std::to_string(*seconds) : fields[2]);
    line.Field(seconds ? DurationText(*seconds) : "");
    line.Field(fields[3]);
    line.Field(Trim(fields[4]));
    line.Field(fields[5]);
    line.End();
  }
  return out;
}

}  // namespace lt
