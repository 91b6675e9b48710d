#pragma once

// A small deterministic random source for the synthetic inventories: the same seed gives the same
// document on every platform and compiler (no std::uniform_int_distribution, whose results differ
// between standard libraries).

#include <cstdint>
#include <span>
#include <string_view>

namespace tabulex::bench {

class InventoryRandom {
  public:
    explicit InventoryRandom(std::uint64_t seed) : state_(seed) {}

    // splitmix64
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0); the tiny modulo bias does not matter here.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // True with the probability perMille / 1000.
    bool PerMille(int perMille) { return Below(1000) < perMille; }
    std::string_view Pick(std::span<const std::string_view> items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

  private:
    std::uint64_t state_;
};

}  // namespace tabulex::bench
