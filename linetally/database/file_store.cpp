#include "linetally/database/file_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace lt {

bool StdFileStore::Exists(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return bool(in);
}

std::optional<std::string> StdFileStore::ReadAll(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string text;
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  // A read that fails part way is no file: what came before it is not the whole of it.
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

void StdFileStore::ReplaceAtomically(const std::string& path, const std::string& contents) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) throw FileError(std::strerror(errno));
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size() &&
                       std::fflush(file) == 0
#ifndef _WIN32
                       && fsync(fileno(file)) == 0
#endif
      ;
  const int error = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    const std::string reason = std::strerror(written && closed ? errno : error);
    std::remove(temporary.c_str());
    throw FileError(reason);
  }
}

std::string StdFileStore::MoveAside(const std::string& path, const std::string& suggested) {
  const std::string target = FreeName(suggested, [this](const std::string& name) { return Exists(name); });
  if (std::rename(path.c_str(), target.c_str()) != 0) throw FileError(std::strerror(errno));
  return target;
}

void StdFileStore::Remove(const std::string& path) {
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) throw FileError(std::strerror(errno));
}

}  // namespace lt
