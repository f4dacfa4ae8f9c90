#pragma once
// The nineteen enemy fire patterns: where each aims, and how slow its shots are.
#include <array>

namespace kv::shooter {

enum class Aim {
  ShipCentre,       // the centre of the player's ship
  ShipCorner,       // the ship's top-left corner
  StraightDown,     // x of the origin; y fixed
  FanLeft,          // x 720; y below the enemy's top edge by its picture's width plus a step
  FanRight,         // x 5640; likewise
  RandomSpread,     // a random x from 720 to 5640; y fixed
};

struct FirePattern {
  int number;
  Aim aim;
  int y;  // fixed target y, or the fan's step below the enemy
  int slowness;
};

inline constexpr std::array<FirePattern, 19> kFirePatterns{{
    {1, Aim::ShipCentre, 0, 10},     // fast shot at the ship
    {2, Aim::StraightDown, 7920, 160},  // slow shot straight down
    {3, Aim::FanLeft, 6000, 70},     // steep
    {4, Aim::FanLeft, 5000, 70},
    {5, Aim::FanLeft, 4000, 70},
    {6, Aim::FanLeft, 3000, 70},
    {7, Aim::FanLeft, 2000, 70},
    {8, Aim::FanLeft, 1000, 70},
    {9, Aim::FanLeft, 0, 70},        // flat
    {10, Aim::FanRight, 6000, 70},
    {11, Aim::FanRight, 5000, 70},
    {12, Aim::FanRight, 4000, 70},
    {13, Aim::FanRight, 3000, 70},
    {14, Aim::FanRight, 2000, 70},
    {15, Aim::FanRight, 1000, 70},
    {16, Aim::FanRight, 0, 70},
    {17, Aim::RandomSpread, 9000, 40},  // random spread downwards
    {18, Aim::ShipCorner, 0, 40},
    {19, Aim::StraightDown, 9000, 30},
}};

}  // namespace kv::shooter
