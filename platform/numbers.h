#pragma once
// The game's number rules, in one place:
//  - 16-bit integers wrap on overflow (32767 + 1 is -32768) and never trap;
//  - 32-bit integers likewise, where a value is declared 32-bit;
//  - a real number becomes an integer by rounding to the nearest, halves to the even neighbour;
//  - Mod keeps the sign of the dividend (-9 Mod 10 is -9);
//  - flags hold -1 for true and 0 for false.
#include <cmath>
#include <cstdint>

namespace kv {

using i16 = std::int16_t;
using i32 = std::int32_t;
using i64 = std::int64_t;

inline constexpr i16 kTrue = -1;
inline constexpr i16 kFalse = 0;

constexpr i16 Flag(bool b) { return b ? kTrue : kFalse; }

// Narrowing conversions to a signed type are modular since C++20, so these never invoke UB.
constexpr i16 Wrap16(i64 v) { return static_cast<i16>(static_cast<std::uint16_t>(static_cast<std::uint64_t>(v))); }
constexpr i32 Wrap32(i64 v) { return static_cast<i32>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v))); }

// 32-bit additions go through 64 bits so that an overflow wraps instead of being undefined.
constexpr i32 Add32(i32 a, i64 b) { return Wrap32(static_cast<i64>(a) + b); }

// Rounds to the nearest integer, a half going to the even neighbour: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
inline i64 RoundHalfEven(double v) {
  const double f = std::floor(v);
  const double diff = v - f;
  i64 r = static_cast<i64>(f);
  if (diff > 0.5) {
    ++r;
  } else if (diff == 0.5) {
    if (r % 2 != 0) ++r;
  }
  return r;
}

// A real stored into a 16-bit field: rounded half to even, then wrapped.
inline i16 ToI16(double v) { return Wrap16(RoundHalfEven(v)); }
inline i32 ToI32(double v) { return Wrap32(RoundHalfEven(v)); }

// Mod as the game uses it: the result has the sign of the dividend. Integer operands only.
constexpr i64 Mod(i64 a, i64 b) { return a % b; }

}  // namespace kv
