#pragma once
// The session log's files in memory, for the tests and benchmarks: a crash is the store
// outliving the objects that wrote to it. Reads and writes of a path can be made to fail as a
// locked file or a full disk makes them fail, and a crash can be made to come right after
// any one write.
#include <cstddef>
#include <map>
#include <set>
#include <string>

#include "linetally/database/file_store.h"

namespace lt {

// Thrown by the store at the crash point it was given; nothing catches it but the test.
struct SimulatedCrash {};

class MemoryFileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override { return files.count(path) > 0; }
  std::optional<std::string> ReadAll(const std::string& path) override;
  void ReplaceAtomically(const std::string& path, const std::string& contents) override;
  std::string MoveAside(const std::string& path, const std::string& suggested) override;
  void Remove(const std::string& path) override;

  // While set, writes to the path (replace, move aside, remove) throw FileError and change
  // nothing; reads of it find nothing.
  void FailWrites(const std::string& path, bool fail = true);
  void FailReads(const std::string& path, bool fail = true);
  // Throws SimulatedCrash right after the n-th write from now (1 = the next) has been done.
  void CrashAfterWrites(size_t n) { crashIn = n; }

  std::map<std::string, std::string> files;  // path -> bytes
  size_t writes = 0;                         // writes done so far

 private:
  void Wrote();

  std::set<std::string> failingWrites, failingReads;
  size_t crashIn = 0;  // 0: no crash planned
};

}  // namespace lt
