#pragma once
// One registry suite for every implementation: each supplies a registry object, a scratch
// key under HKEY_CURRENT_USER, and raw value access that bypasses the object under test.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "linetally/base/registry.h"

namespace lt::testing {

struct RawValue {
  uint32_t type;
  std::vector<uint8_t> data;
};

class RegistryEnv {
 public:
  virtual ~RegistryEnv() = default;
  virtual Registry& Object() = 0;
  // A fresh, existing key below HKEY_CURRENT_USER, "\"-free at both ends.
  virtual std::string Scratch() = 0;
  virtual void SetRaw(const std::string& path, const std::string& name, uint32_t type,
                      std::vector<uint8_t> data) = 0;
  virtual std::optional<RawValue> GetRaw(const std::string& path, const std::string& name) = 0;
};

struct RegistryImpl {
  std::string name;
  std::function<std::unique_ptr<RegistryEnv>()> make;
};

class RegistrySuite : public ::testing::TestWithParam<RegistryImpl> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    key = env->Scratch();
  }
  Registry& reg() { return env->Object(); }

  std::unique_ptr<RegistryEnv> env;
  std::string key;
};

inline std::string ImplName(const ::testing::TestParamInfo<RegistryImpl>& info) {
  return info.param.name;
}

}  // namespace lt::testing
