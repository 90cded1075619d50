// The registry's time reader on values of any type and length: eight bytes of REG_BINARY come
// back bit for bit, anything else is refused naming the value; a service whose time is such a
// value reads it when it is a time of day, and names it alone when not.
#include <cstring>
#include <memory>

#include "linetally/base/registry_memory.h"
#include "linetally/tariffs/service_store.h"
#include "tests/fuzz/fuzz_support.h"

using namespace lt;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks the value's type, the rest is its data.
  const uint32_t type = size == 0 ? 0 : data[0] % 6;
  const std::vector<uint8_t> bytes(data + (size == 0 ? 0 : 1), data + size);
  auto hives = std::make_shared<MemoryHives>();
  MemoryRegistry registry(hives);
  const std::string key = std::string(kProgramKey).substr(1) + "\\Fuzz";
  hives->SetRaw(RootKey::CurrentUser, key, "editAfter", type, bytes);
  const bool good = type == kRegBinary && bytes.size() == 8;
  Require(registry.OpenKey("\\" + key, false), "the key is not there");
  try {
    const double value = registry.ReadTime("editAfter");
    Require(good && std::memcmp(&value, bytes.data(), 8) == 0, "a time read from other data");
  } catch (const RegistryError& error) {
    Require(!good, "a good time refused");
    Require(std::string(error.what()) == "Invalid data type for 'editAfter'" ||
                std::string(error.what()) == "Failed to get data for 'editAfter'",
            "an unexpected message");
  }
  registry.CloseKey();

  // The whole service: every other value written well, the time as given.
  TelecomService service;
  service.Cost = "1.20";
  service.Mon = true;
  WriteService(registry, "Fuzz", service);
  hives->SetRaw(RootKey::CurrentUser, key, "editBefore", type, bytes);
  // A service's time is also a time of day, from 0 up to 1.
  double time = 0;
  if (good) std::memcpy(&time, bytes.data(), 8);
  const bool ofDay = good && time >= 0 && time < 1;
  const StoredService read = ReadService(registry, "Fuzz");
  const bool before = read.Unreadable(&TelecomService::Before);
  Require(ofDay ? !before && std::memcmp(&read.service.Before, bytes.data(), 8) == 0 : before,
          "a service time read from other data, or a bad one not named");
  Require(read.unreadable.size() == (ofDay ? 0u : 1u), "another value of the service named unreadable");
  Require(!registry.HasCurrentKey(), "the service's key left open");
  return 0;
}
