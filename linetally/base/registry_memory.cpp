#include "linetally/base/registry_memory.h"

#include <algorithm>
#include <cctype>

namespace lt {
namespace {

std::string Folded(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

bool SameName(const std::string& a, const std::string& b) { return Folded(a) == Folded(b); }

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

MemoryHives::Key* FindChild(MemoryHives::Key& key, const std::string& name) {
  for (auto& child : key.subKeys)
    if (SameName(child->name, name)) return child.get();
  return nullptr;
}

}  // namespace

MemoryHives::Key* MemoryHives::Find(RootKey root, const std::string& path) {
  Key* key = &Hive(root);
  for (const std::string& part : SplitPath(path)) {
    key = FindChild(*key, part);
    if (!key) return nullptr;
  }
  return key;
}

MemoryHives::Key* MemoryHives::Create(RootKey root, const std::string& path) {
  Key* key = &Hive(root);
  for (const std::string& part : SplitPath(path)) {
    Key* child = FindChild(*key, part);
    if (!child) {
      auto fresh = std::make_unique<Key>();
      fresh->name = part;
      std::string folded = Folded(part);
      auto at = std::find_if(key->subKeys.begin(), key->subKeys.end(),
                             [&](const auto& k) { return Folded(k->name) > folded; });
      child = key->subKeys.insert(at, std::move(fresh))->get();
    }
    key = child;
  }
  return key;
}

bool MemoryHives::Delete(RootKey root, const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.empty()) return false;
  std::string leaf = parts.back();
  parts.pop_back();
  Key* parent = &Hive(root);
  for (const std::string& part : parts) {
    parent = FindChild(*parent, part);
    if (!parent) return false;
  }
  auto at = std::find_if(parent->subKeys.begin(), parent->subKeys.end(),
                         [&](const auto& k) { return SameName(k->name, leaf); });
  if (at == parent->subKeys.end()) return false;
  parent->subKeys.erase(at);
  return true;
}

MemoryHives::Value* MemoryHives::FindValue(Key& key, const std::string& name) {
  for (Value& value : key.values)
    if (SameName(value.name, name)) return &value;
  return nullptr;
}

void MemoryHives::SetRaw(RootKey root, const std::string& path, const std::string& name,
                         uint32_t type, std::vector<uint8_t> data) {
  Key* key = Create(root, path);
  if (Value* value = FindValue(*key, name)) {
    value->type = type;
    value->data = std::move(data);
  } else {
    key->values.push_back({name, type, std::move(data)});
  }
}

std::optional<MemoryHives::Value> MemoryHives::GetRaw(RootKey root, const std::string& path,
                                                     const std::string& name) {
  Key* key = Find(root, path);
  if (!key) return std::nullopt;
  Value* value = FindValue(*key, name);
  if (!value) return std::nullopt;
  return *value;
}

void MemoryHives::SetReadOnly(RootKey root, bool readOnly) {
  (root == RootKey::CurrentUser ? currentUserReadOnly : localMachineReadOnly) = readOnly;
}

bool MemoryHives::IsReadOnly(RootKey root) const {
  return root == RootKey::CurrentUser ? currentUserReadOnly : localMachineReadOnly;
}

MemoryRegistry::MemoryRegistry(std::shared_ptr<MemoryHives> shared) : hives(std::move(shared)) {}

MemoryRegistry::~MemoryRegistry() = default;

MemoryHives::Key* MemoryRegistry::OpenKeyNode() {
  return openPath ? hives->Find(openRoot, *openPath) : nullptr;
}

bool MemoryRegistry::PlatformOpen(RootKey root, const std::string& path, bool create) {
  MemoryHives::Key* key = hives->Find(root, path);
  if (!key && create && !hives->IsReadOnly(root)) key = hives->Create(root, path);
  if (!key) return false;
  openRoot = root;
  openPath = path;
  return true;
}

void MemoryRegistry::PlatformClose() { openPath.reset(); }

std::vector<std::string> MemoryRegistry::PlatformSubKeys(RootKey root, const std::string& path) {
  std::vector<std::string> names;
  if (MemoryHives::Key* key = hives->Find(root, path))
    for (const auto& child : key->subKeys) names.push_back(child->name);
  return names;
}

bool MemoryRegistry::PlatformKeyExists(RootKey root, const std::string& path) {
  return hives->Find(root, path) != nullptr;
}

bool MemoryRegistry::PlatformDeleteTree(RootKey root, const std::string& path) {
  return !hives->IsReadOnly(root) && hives->Delete(root, path);
}

Registry::QueryResult MemoryRegistry::PlatformQuery(const std::string& name, size_t maxBytes) {
  QueryResult result;
  MemoryHives::Key* key = OpenKeyNode();
  if (!key) {
    result.status = QueryStatus::Refused;
    return result;
  }
  MemoryHives::Value* value = MemoryHives::FindValue(*key, name);
  if (!value) return result;  // Missing
  result.type = value->type;
  if (maxBytes != 0 && value->data.size() > maxBytes) {
    result.status = QueryStatus::TooLong;
    return result;
  }
  result.status = QueryStatus::Ok;
  result.data = value->data;
  return result;
}

bool MemoryRegistry::PlatformSet(const std::string& name, uint32_t type,
                                 const std::vector<uint8_t>& data) {
  if (!OpenKeyNode() || hives->IsReadOnly(openRoot)) return false;
  hives->SetRaw(openRoot, *openPath, name, type, data);
  return true;
}

bool MemoryRegistry::PlatformDeleteValue(const std::string& name) {
  MemoryHives::Key* key = OpenKeyNode();
  if (!key || hives->IsReadOnly(openRoot)) return false;
  auto at = std::find_if(key->values.begin(), key->values.end(),
                         [&](const MemoryHives::Value& v) { return SameName(v.name, name); });
  if (at == key->values.end()) return false;
  key->values.erase(at);
  return true;
}

}  // namespace lt
