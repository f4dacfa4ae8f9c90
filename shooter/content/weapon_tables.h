#pragma once
// The guns' numbers by kind and level. Offsets are from the ship's top-left corner, in twips.
#include <array>

namespace kv::shooter {

// Main gun kinds (Equip[0]) and the image list their shots are drawn from.
inline constexpr int kChaingun = 0, kCLaser = 1, kProtonBurst = 2, kEWave = 3, kPulseRifle = 4;
inline constexpr std::array<int, 5> kMainGunList{4, 6, 7, 8, 14};
// Side gun kinds (Equip[1]).
inline constexpr int kMissiles = 0, kRingu = 1, kSteelBlades = 2, kRMines = 3;
inline constexpr std::array<int, 4> kSideGunList{9, 10, 11, 12};
// Special weapon kinds (Equip[2]); only 0, 1 and 3 make shots. -1: no shot list.
inline constexpr int kFireCutter = 0, kGlobeEx = 1, kStormer = 2, kProxyR = 3, kDeath = 4;
inline constexpr std::array<int, 5> kSpecialList{17, 5, -1, 3, -1};

struct GunLevel {
  int cooldown;
  int slotLimit;  // highest slot offset the volley may use
};

struct VolleyShot {
  int fromLevel;
  int frame;
  int motion;
  int dx, dy;
};

// Chaingun: damage 15, speed 340.
inline constexpr std::array<GunLevel, 10> kChaingunLevels{{
    {7, 2}, {7, 5}, {6, 19}, {6, 19}, {5, 29}, {5, 29}, {5, 39}, {4, 49}, {4, 59}, {3, 99},
}};
// Added in this order, each from its level on; the last shot is the level-1 shot's alternative.
inline constexpr std::array<VolleyShot, 9> kChaingunVolley{{
    {9, 1, 8, -100, 320},
    {9, 1, 8, 620, 320},
    {7, 6, 73, 100, 220},
    {7, 7, 93, 420, 220},
    {6, 4, 72, 50, 320},
    {6, 5, 92, 470, 320},
    {4, 3, 7, 50, 320},
    {4, 2, 9, 470, 320},
    {2, 1, 8, 400, 120},
}};
inline constexpr VolleyShot kChaingunCentre{1, 1, 8, 140, 120};
inline constexpr VolleyShot kChaingunCentreLevelOne{1, 1, 8, 260, 120};

// C-Laser: one beam shot a tick, frame = level, speed 650.
inline constexpr std::array<int, 10> kLaserDamage{3, 5, 7, 10, 12, 15, 18, 20, 25, 35};

// E-Wave: frame = level, damage = level x 4, accelerating.
inline constexpr std::array<GunLevel, 10> kEWaveLevels{{
    {6, 2}, {6, 2}, {5, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {1, 4}, {1, 5},
}};

// Pulse Rifle: frame 1, damage 20, slot limit 80.
inline constexpr std::array<int, 10> kPulseSpeed{300, 300, 350, 350, 350, 400, 400, 450, 450, 800};
inline constexpr std::array<int, 10> kPulseCooldown{8, 6, 6, 6, 4, 4, 3, 3, 3, 3};
inline constexpr std::array<VolleyShot, 5> kPulseVolley{{
    {9, 1, 8, 940, 600},
    {9, 1, 8, -460, 600},
    {4, 1, 8, 580, 300},
    {4, 1, 8, -100, 300},
    {1, 1, 8, 240, -100},
}};

// Side guns by level 1..5.
inline constexpr std::array<int, 5> kSideSlotLimit{1, 3, 5, 7, 9};  // missiles and blades
inline constexpr std::array<GunLevel, 5> kMineLevels{{{14, 2}, {12, 3}, {10, 5}, {8, 7}, {6, 10}}};

}  // namespace kv::shooter
