#pragma once
// The explosion animations: the list that holds their pictures, when they end, and how far the
// top-left corner lies from the centre they are given.
#include <array>

namespace kv::shooter {

struct ExplosionKind {
  int kind;  // also the image list of its pictures
  int lastFrame;
  double dx, dy;
};

inline constexpr std::array<ExplosionKind, 5> kExplosionKinds{{
    {1, 16, -532.5, -750},    // an enemy destroyed, the pilot's death
    {2, 30, -1920, -1440},    // a boss destroyed, the "Death" special
    {3, 22, -1920, -1440},    // the large explosion's second animation
    {13, 5, -100, -100},      // the spark where a shot strikes
    {17, 5, -420, -440},      // a small animation
}};

}  // namespace kv::shooter
