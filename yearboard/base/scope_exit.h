#pragma once
// ScopeExit runs a function when its scope is left by any path, exceptions included: what a
// procedure switched off for its duration comes back even when the procedure fails.
#include <utility>

namespace yb {

template <class Function>
class ScopeExit {
 public:
  explicit ScopeExit(Function function) : function(std::move(function)) {}
  ~ScopeExit() { function(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Function function;
};

}  // namespace yb
