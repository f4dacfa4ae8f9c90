#pragma once
// The one source of random numbers. It is an explicit object handed to whatever draws from it,
// so that a run is fully determined by its seed.
#include <cstdint>

#include "platform/numbers.h"

namespace kv {

class Random {
 public:
  explicit Random(std::uint64_t seed = 1) { Seed(seed); }

  void Seed(std::uint64_t seed) {
    state_ = seed;
    draws_ = 0;
  }

  // Uniform real in [0, 1), 53 bits of resolution.
  double Next() {
    ++draws_;
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
  }

  // R(a, b): rnd * a + b rounded half to even, rnd drawn anew.
  i64 R(double a, double b) { return RoundHalfEven(Next() * a + b); }

  std::uint64_t Draws() const { return draws_; }

 private:
  // splitmix64: small, fast and well mixed; any seed (0 included) gives a full-period stream.
  std::uint64_t NextBits() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  std::uint64_t state_ = 1;
  std::uint64_t draws_ = 0;
};

}  // namespace kv
