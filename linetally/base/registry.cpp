#include "linetally/base/registry.h"

#include <cstring>

namespace lt {
namespace {

[[noreturn]] void Fail(const char* format, const std::string& name) {
  std::string text = format;
  text.replace(text.find("%s"), 2, name);
  throw RegistryError(text);
}

constexpr const char* kGetFailed = "Failed to get data for '%s'";
constexpr const char* kBadType = "Invalid data type for '%s'";
constexpr const char* kSetFailed = "Failed to set data for '%s'";

std::string Join(const std::string& base, const std::string& rest) {
  if (base.empty()) return rest;
  if (rest.empty()) return base;
  return base + "\\" + rest;
}

std::string Trim(const std::string& path) {
  size_t first = path.find_first_not_of('\\');
  if (first == std::string::npos) return "";
  size_t last = path.find_last_not_of('\\');
  return path.substr(first, last - first + 1);
}

}  // namespace

std::string Registry::Resolve(const std::string& path) const {
  bool absolute = !path.empty() && path[0] == '\\';
  if (absolute || !open) return Trim(path);
  return Join(currentPath, Trim(path));
}

void Registry::SetRootKey(RootKey newRoot) {
  CloseKey();
  root = newRoot;
}

bool Registry::OpenKey(const std::string& path, bool canCreate) {
  std::string full = Resolve(path);
  if (!PlatformOpen(root, full, canCreate)) return false;
  open = true;
  currentPath = full;
  return true;
}

void Registry::CloseKey() {
  if (open) PlatformClose();
  open = false;
  currentPath.clear();
}

std::vector<std::string> Registry::GetKeyNames() {
  return PlatformSubKeys(root, open ? currentPath : std::string());
}

bool Registry::KeyExists(const std::string& path) {
  return PlatformKeyExists(root, Resolve(path));
}

bool Registry::DeleteKey(const std::string& path) {
  std::string full = Resolve(path);
  if (full.empty()) return false;  // never a whole hive
  return PlatformDeleteTree(root, full);
}

bool Registry::ValueExists(const std::string& name) {
  return open && PlatformQuery(name, 0).status != QueryStatus::Missing;
}

bool Registry::DeleteValue(const std::string& name) {
  return open && PlatformDeleteValue(name);
}

std::string Registry::ReadString(const std::string& name) {
  if (!open) Fail(kGetFailed, name);
  QueryResult result = PlatformQuery(name, 0);
  if (result.status == QueryStatus::Missing) return "";
  if (result.status != QueryStatus::Ok) Fail(kGetFailed, name);
  if (result.type != kRegSz && result.type != kRegExpandSz) Fail(kBadType, name);
  if (result.data.empty()) return "";
  const char* chars = reinterpret_cast<const char*>(result.data.data());
  return std::string(chars, strnlen(chars, result.data.size()));
}

void Registry::WriteString(const std::string& name, const std::string& value) {
  Set(name, kRegSz, std::vector<uint8_t>(value.begin(), value.end()));
}

Registry::QueryResult Registry::QueryFixed(const std::string& name, uint32_t type, size_t size) {
  if (!open) Fail(kGetFailed, name);
  QueryResult result = PlatformQuery(name, size);
  if (result.status != QueryStatus::Ok) Fail(kGetFailed, name);
  if (result.type != type || result.data.size() != size) Fail(kBadType, name);
  return result;
}

bool Registry::ReadBool(const std::string& name) {
  QueryResult result = QueryFixed(name, kRegDword, 4);
  return (result.data[0] | result.data[1] | result.data[2] | result.data[3]) != 0;
}

void Registry::WriteBool(const std::string& name, bool value) {
  Set(name, kRegDword, {static_cast<uint8_t>(value ? 1 : 0), 0, 0, 0});
}

Binary8 Registry::ReadBinary8(const std::string& name) {
  QueryResult result = QueryFixed(name, kRegBinary, 8);
  Binary8 bytes;
  std::memcpy(bytes.data(), result.data.data(), 8);
  return bytes;
}

void Registry::WriteBinary8(const std::string& name, const Binary8& value) {
  Set(name, kRegBinary, std::vector<uint8_t>(value.begin(), value.end()));
}

// Both targets are little-endian with IEEE doubles, so the bytes are the double's own.
double Registry::ReadTime(const std::string& name) {
  Binary8 bytes = ReadBinary8(name);
  double value;
  std::memcpy(&value, bytes.data(), 8);
  return value;
}

void Registry::WriteTime(const std::string& name, double fractionOfDay) {
  Binary8 bytes;
  std::memcpy(bytes.data(), &fractionOfDay, 8);
  WriteBinary8(name, bytes);
}

void Registry::Set(const std::string& name, uint32_t type, const std::vector<uint8_t>& data) {
  if (!open || !PlatformSet(name, type, data)) Fail(kSetFailed, name);
}

}  // namespace lt
