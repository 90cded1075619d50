#pragma once
// Random and mutated texts for the bounded fuzz runs: each target gets a few seconds, starts
// from texts that read well, and changes them byte by byte, by the characters the readers care
// about, by cuts and by repeats; every tenth input is plain random bytes.
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace lt::testing {

class Mutator {
 public:
  explicit Mutator(std::vector<std::string> seeds, std::string specials)
      : seeds(std::move(seeds)), specials(std::move(specials)) {}

  std::string Next() {
    if (Pick(10) == 0) return RandomBytes(Pick(40));
    std::string text = seeds[Pick(seeds.size())];
    for (size_t edits = 1 + Pick(4); edits > 0; --edits) Mutate(text);
    return text;
  }
  size_t Pick(size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random); }

 private:
  std::string RandomBytes(size_t length) {
    std::string text(length, '\0');
    for (char& c : text) c = char(Pick(256));
    return text;
  }
  void Mutate(std::string& text) {
    const size_t at = Pick(text.size() + 1);
    switch (Pick(6)) {
      case 0:
        if (at < text.size()) text[at] = char(Pick(256));
        break;
      case 1:
        text.insert(at, 1, specials[Pick(specials.size())]);
        break;
      case 2:
        text.erase(at, Pick(6));
        break;
      case 3:
        text.insert(at, text.substr(Pick(text.size() + 1), Pick(12)));
        break;
      case 4:
        text.insert(at, std::string(1 + Pick(20), char('0' + Pick(10))));
        break;
      default:
        text.insert(at, seeds[Pick(seeds.size())]);
        break;
    }
  }

  std::vector<std::string> seeds;
  std::string specials;
  std::mt19937_64 random{20261208};
};

// Feeds `check` mutated inputs for `seconds`; returns how many it got.
inline long FuzzFor(double seconds, Mutator& mutator, const std::function<void(const std::string&)>& check) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  long count = 0;
  while (std::chrono::steady_clock::now() < end)
    for (int i = 0; i < 64; ++i, ++count) check(mutator.Next());
  return count;
}

}  // namespace lt::testing
