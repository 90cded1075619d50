#pragma once
// What the kill test's writer writes. In its first mode, versions of one file: version n holds
// its number, a body whose length and letter vary with n, and the number again, so a cut or a
// mix shows. In its second, sessions of a log: session n starts n minutes into 2026 on the
// service "S<n>", so each is one record that any restart can count.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "linetally/base/date_time.h"
#include "linetally/database/record_table.h"
#include "linetally/database/session_record.h"

namespace lt::testing {

inline std::string Version(long n) {
  const size_t length = 1000 + size_t(n * 7919 % 60000);
  return "version " + std::to_string(n) + "\n" + std::string(length, char('a' + n % 26)) + "\nend " +
         std::to_string(n) + "\n";
}

// The version the text is, or -1 when it is none whole.
inline long VersionIn(const std::string& text) {
  long n = -1;
  if (std::sscanf(text.c_str(), "version %ld\n", &n) != 1 || n < 0 || Version(n) != text) return -1;
  return n;
}

// Session n as it stands after `seconds` on line.
inline SessionRecord KilledSession(long n, int seconds) {
  SessionRecord r;
  r.start = DecodeDateTime(EncodeDate(2026, 1, 1) + double(n) / 1440);
  r.start.second = r.start.millisecond = 0;
  r.end = r.start;
  r.end.second = seconds;
  r.seconds = seconds;
  r.service = "S" + std::to_string(n);
  r.cost = Currency::FromRaw(seconds * 10);
  return r;
}

// The session number of a record line of the log, or 0.
inline long KilledSessionNumber(std::string_view line) {
  const std::string service(SplitRecordLine(line)[3]);
  return service.size() > 1 && service[0] == 'S' ? std::atol(service.c_str() + 1) : 0;
}

}  // namespace lt::testing
