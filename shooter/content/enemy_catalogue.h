#pragma once
// What the game's content puts into an enemy record: the kinds of enemy by image list, and the
// kinds of bullet they fire.
#include <array>
#include <string_view>

namespace kv::shooter {

struct EnemyKind {
  int sprite;  // image list
  std::string_view kind;
  std::string_view look;
};

inline constexpr std::array<EnemyKind, 12> kEnemyKinds{{
    {25, "fighter", "small red ship"},
    {22, "gunship", "orange multi-part ship"},
    {21, "pod", "red orb; never fires, carries a power-up"},
    {20, "heavy", "blue ship with a red core; fires fan bursts"},
    {19, "jellyfish", "red tentacled creature; the first boss and the mini-bosses"},
    {28, "large asteroid", "grey rock, turning"},
    {29, "medium asteroid", "grey rock, turning"},
    {30, "small asteroid", "grey rock, turning"},
    {23, "boss II", "stone face fortress"},
    {31, "boss VADIR ER", "small grey ship like the player's"},
    {24, "boss IV", "green orb creature"},
    {18, "boss ROZEVU RERO", "red orb in a metal ring"},
}};

// Enemy shots store their centre. A kind not listed is moved but neither drawn nor hit-tested.
struct BulletKind {
  int kind;
  int list;
  int picture;
  int halfSize;  // twips from the centre to the box's edge, and to the picture's corner
};

inline constexpr std::array<BulletKind, 4> kBulletKinds{{
    {11, 15, 1, 75},   // orange pellet
    {12, 15, 2, 75},   // blue pellet
    {21, 16, 1, 150},  // orange fireball
    {22, 16, 2, 150},  // blue fireball
}};

constexpr const BulletKind* FindBulletKind(int kind) {
  for (const BulletKind& b : kBulletKinds) {
    if (b.kind == kind) return &b;
  }
  return nullptr;
}

// Behaviour codes.
inline constexpr int kStraightDown = 88, kBurstDown = 555, kVeerRight = 86, kVeerLeft = 84, kBraking = 821,
                     kSlideRight = 83, kSlideLeft = 81, kAsteroid = 31313;
inline constexpr int kBossPatrol = 4646, kBossSway = 3311, kBossDiamond = 2288, kBossGuard = 7979,
                     kBossSquare = 17931;
// Fire codes of behaviour 88 that pick a random fan direction.
inline constexpr int kRandomLeftFan = 32147, kRandomRightFan = 12369;

}  // namespace kv::shooter
