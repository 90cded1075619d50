#pragma once
// The session log's files over the Windows file API: the replacement is flushed to disk and
// renamed over the old file with MoveFileEx, waiting about a second for a program that has the
// old file open to let go.
#include "linetally/database/file_store.h"

namespace lt {

class Win32FileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  void ReplaceAtomically(const std::string& path, const std::string& contents) override;
  std::string MoveAside(const std::string& path, const std::string& suggested) override;
  void Remove(const std::string& path) override;
};

// The program file's folder, up to and including its last backslash.
std::string ProgramFolder();

}  // namespace lt
