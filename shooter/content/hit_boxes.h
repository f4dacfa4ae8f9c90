#pragma once
// How the beam's and the wave's hit boxes are narrowed from their pictures.
#include <array>

namespace kv::shooter {

// E-Wave: every level step from 1 up to the gun's level (9 at most) narrows the box by its row.
struct Narrowing {
  int sides;   // added to the left edge and taken from the right
  int top;     // added to the top edge
  int bottom;  // taken from the bottom edge
};

inline constexpr std::array<Narrowing, 9> kWaveNarrowing{{
    {48, 17, 35}, {43, 14, 35}, {32, 14, 35}, {26, 14, 35}, {26, 14, 21},
    {21, 14, 21}, {14, 9, 21},  {10, 9, 16},  {7, 6, 10},
}};

// C-Laser: each level short of 10 narrows the beam by this much on each side.
inline constexpr int kBeamNarrowingPerLevel = 10;

}  // namespace kv::shooter
