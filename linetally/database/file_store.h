#pragma once
// The files the session log lives in. Replacing a file is atomic: a temporary file in the same
// folder is written and flushed, then renamed over the old one, so a crash or a full disk never
// leaves half a file.
#include <optional>
#include <stdexcept>
#include <string>

namespace lt {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual bool Exists(const std::string& path) = 0;
  // The whole file, or nothing when it cannot be opened or a read fails part way.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // Throws FileError (with the reason) and leaves the old file whole when it fails.
  virtual void ReplaceAtomically(const std::string& path, const std::string& contents) = 0;
  // Renames the file to a free name built from `suggested` ("x.damaged", "x.damaged.2", ...)
  // and returns that name; throws FileError when it cannot.
  virtual std::string MoveAside(const std::string& path, const std::string& suggested) = 0;
  // Deletes the file; a missing file is not an error. Throws FileError when it stays.
  virtual void Remove(const std::string& path) = 0;
};

// Over the C library, where rename replaces atomically (POSIX); on Windows use Win32FileStore.
class StdFileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  void ReplaceAtomically(const std::string& path, const std::string& contents) override;
  std::string MoveAside(const std::string& path, const std::string& suggested) override;
  void Remove(const std::string& path) override;
};

// The first of "base", "base.2", "base.3", ... for which `taken` is false.
template <typename Taken>
std::string FreeName(const std::string& base, Taken taken) {
  if (!taken(base)) return base;
  for (int n = 2;; ++n) {
    std::string name = base + "." + std::to_string(n);
    if (!taken(name)) return name;
  }
}

}  // namespace lt
