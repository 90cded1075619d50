// The kill test's writer: replaces the file named on its command line with the version after
// the one it finds there, then the next, until it is killed.
#include "linetally/database/file_store.h"
#include "tests/linetally/database/kill_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  lt::StdFileStore files;
  const auto text = files.ReadAll(argv[1]);
  if (!text) return 1;
  for (long n = lt::testing::VersionIn(*text) + 1;; ++n) files.ReplaceAtomically(argv[1], lt::testing::Version(n));
}
