#include "linetally/database/file_store_memory.h"

namespace lt {

std::optional<std::string> MemoryFileStore::ReadAll(const std::string& path) {
  const auto found = files.find(path);
  if (found == files.end() || failingReads.count(path)) return std::nullopt;
  return found->second;
}

void MemoryFileStore::ReplaceAtomically(const std::string& path, const std::string& contents) {
  if (failingWrites.count(path)) throw FileError("The process cannot access the file because it is being used by another process");
  files[path] = contents;
  Wrote();
}

std::string MemoryFileStore::MoveAside(const std::string& path, const std::string& suggested) {
  if (failingWrites.count(path) || !files.count(path)) throw FileError("The file cannot be moved");
  const std::string target = FreeName(suggested, [this](const std::string& name) { return Exists(name); });
  files[target] = files[path];
  files.erase(path);
  Wrote();
  return target;
}

void MemoryFileStore::Remove(const std::string& path) {
  if (failingWrites.count(path)) throw FileError("The process cannot access the file because it is being used by another process");
  files.erase(path);
  Wrote();
}

void MemoryFileStore::FailWrites(const std::string& path, bool fail) {
  if (fail)
    failingWrites.insert(path);
  else
    failingWrites.erase(path);
}

void MemoryFileStore::FailReads(const std::string& path, bool fail) {
  if (fail)
    failingReads.insert(path);
  else
    failingReads.erase(path);
}

void MemoryFileStore::Wrote() {
  ++writes;
  if (crashIn > 0 && --crashIn == 0) throw SimulatedCrash{};
}

}  // namespace lt
