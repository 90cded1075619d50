#pragma once
// The versions the kill test's writer puts in its file: version n holds its number, a body
// whose length and letter vary with n, and the number again, so a cut or a mix shows.
#include <cstdio>
#include <string>

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

}  // namespace lt::testing
