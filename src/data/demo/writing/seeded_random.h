#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace demo {

// The demo must come out the same on every machine: mt19937 is fully
// specified by the standard, the library's distributions are not.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}

  int below(int bound) { return bound <= 0 ? 0 : int(engine_() % std::uint32_t(bound)); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool percent(int chance) { return below(100) < chance; }

  template <typename T>
  const T &pick(const std::vector<T> &items) { return items[std::size_t(below(int(items.size())))]; }

 private:
  std::mt19937 engine_;
};

}  // namespace demo
