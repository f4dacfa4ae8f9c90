#pragma once
// The game-state record of a shooter window: every variable the rules read and write, the six
// fixed entity tables and the values that outlive a mission. One instance per game window.
//
// Positions and sizes are twips on the playfield surface (15 twips to the pixel, origin at its
// top-left corner, y downwards). Integers are 16-bit unless declared i32; flags hold -1 / 0.
#include <array>

#include "platform/numbers.h"

namespace kv::shooter {

struct Star {
  i16 X = 0;
  i16 Y = 0;
  i16 Speed = 0;
  i16 Shade = 0;  // 1 light grey, 2 mid grey, other dark grey
};

struct Shot {
  i16 Active = 0;
  i16 Frame = 0;  // 1-based picture of its weapon's image list
  i16 X = 0;
  i16 Y = 0;
  i16 Motion = 0;  // 7, 8, 9, 72, 73, 79, 92 or 93
  i16 Age = 0;
  i16 Damage = 0;
  i16 Speed = 0;
};

struct Blast {
  i16 Active = 0;
  i16 Kind = 0;  // the image list of its pictures
  i16 X = 0;
  i16 Y = 0;
  i16 Frame = 0;
  i16 LastFrame = 0;
};

struct Enemy {
  i16 Active = 0;
  i16 Sprite = 0;
  i16 BulletKind = 0;
  i16 Frame = 0;
  i16 X = 0;
  i16 Y = 0;
  i16 Age = 0;
  i16 Behaviour = 0;
  i16 Speed = 0;
  i16 HP = 0;
  i16 MaxHP = 0;
  i16 ScoreValue = 0;
  i16 DropsPowerUp = 0;
  i16 FirePattern = 0;
  i16 IsBoss = 0;
};

struct EnemyShot {
  i16 Active = 0;
  i16 Kind = 0;  // 11, 12 small; 21, 22 large; others neither drawn nor hit-tested
  i16 OriginX = 0;
  i16 OriginY = 0;
  i16 X = 0;  // centre
  i16 Y = 0;
  i16 Homing = 0;
  i16 Slowness = 0;
  i16 TargetX = 0;
  i16 TargetY = 0;
};

struct PowerUp {
  i16 Active = 0;
  i16 X = 0;
  i16 Y = 0;
  i16 Frame = 0;
};

// Slot ranges of the tables.
inline constexpr int kStarSlots = 1001;
inline constexpr int kPlayerShotSlots = 301;
inline constexpr int kMainGunFirst = 0, kMainGunLast = 199;
inline constexpr int kSideGunFirst = 200, kSideGunLast = 289;
inline constexpr int kSpecialFirst = 290, kSpecialLast = 300;
inline constexpr int kExplosionSlots = 41;
inline constexpr int kEnemyShotSlots = 201;
inline constexpr int kEnemySlots = 41;
inline constexpr int kEnemyFirst = 1, kEnemyLast = 40;  // slot 0 is never filled
inline constexpr int kPowerUpSlots = 3;

// Values of the frame tick that keep their value from one tick and one mission to the next.
// They start at 0 with the program and nothing resets them.
struct PersistentValues {
  i16 SpreadWidth = 0;
  std::array<i16, 151> HomingStartX{};
  std::array<i16, 151> HomingStartY{};
  std::array<i16, 151> HomingTargetX{};
  std::array<i16, 151> HomingTargetY{};
  i16 HomingLifeBase = 0;
  i16 SideAlternate = 0;
  i16 BurstFrame = 0;
  std::array<i16, 101> DriftSide{};
  i16 PatrolLeft = 0;
  i16 VolleyPick = 0;
};

struct GameState {
  // Play.
  i16 PlayLayerOn = 0;
  i32 FrameCount = 0;
  i16 FramesThisSecond = 0;
  i16 ShipX = 2720;
  i16 ShipY = 8440;
  i16 EngineSpeed = 80;
  std::array<i16, 4> MoveKeys{};  // 0 left, 1 up, 2 right, 3 down
  i16 FireHeld = 0;
  i16 ShipLocked = kTrue;
  i16 AutoPilot = 0;
  i16 MainGunBroken = 0;
  i16 SideGunBroken = 0;
  i16 GeneratorBroken = 0;
  i16 EngineBroken = 0;
  i16 EngineRate = 12;
  i16 MainGunLevel = 1;
  i16 SideGunLevel = 1;
  i16 MainGunCooldown = 0;
  i16 SideGunCooldown = 0;
  i16 ShotSlotLimit = 0;
  i16 ShieldUp = kTrue;
  i16 SpecialReady = kTrue;
  i16 ShieldBarFlag = 0;
  i16 SpecialBarFlag = 0;
  i16 ShieldCapacity = 394;
  i16 SpecialCapacity = 394;
  i16 ShieldRate = 7;
  i16 ShieldRecharge = 0;
  i16 SpecialRecharge = 0;
  i16 ShieldHitMark = 0;
  i16 DeathFlag = 0;
  i16 FlashFlag = 0;
  i32 Score = 0;
  i16 Kills = 0;
  std::array<i32, 5> BossKillFrames{};
  i16 DetailLevel = 50;
  std::array<i16, 6> Equip{};  // main gun, side gun, special, shield, core, engine

  // The game window's own state.
  i16 ShieldHitCost = 394;
  i16 MenuLayerOn = 0;
  i16 RemapLayerOn = 0;
  i16 GameLayerOn = 0;
  i16 PauseLayerOn = 0;
  i16 DelayTicks = 0;
  i16 DelayAction = 0;
  i32 FpsSeconds = 0;
  i32 FramesTotal = 0;
  i16 BlinkCount = 0;
  i16 MenuSel = 0;
  i16 MenuFirst = 0;
  i16 MenuLast = 0;
  i16 CursorFirst = 0;
  i16 CursorLast = 0;
  std::array<i16, 24> CursorStep{};
  std::array<i16, 6> KeyCodes{};  // up, down, left, right, fire, special
  std::array<i16, 2> Volumes{};   // effects, second volume
  i16 AwaitingKey = 0;
  i16 OnEquipRow = 0;
  i16 ExplosionVoice = 0;  // kept from one mission to the next
  i16 StatsBarMove = 0;
  i16 BossBarMove = 0;
  i16 BannerMove = 0;
  i16 BannerHold = 0;
  i16 MessagesShown = 0;
  i16 MessageTimer = 0;
  i16 MessageScrolling = 0;
  i16 LastBossDestroyed = 0;
  i16 GameInitialised = 0;

  // Tables.
  std::array<Star, kStarSlots> Stars{};
  std::array<Shot, kPlayerShotSlots> PlayerShots{};
  std::array<Blast, kExplosionSlots> Explosions{};
  std::array<EnemyShot, kEnemyShotSlots> EnemyShots{};
  std::array<Enemy, kEnemySlots> Enemies{};
  std::array<PowerUp, kPowerUpSlots> PowerUps{};

  PersistentValues Persist;

  // Beyond the design, so that an act can always end: a boss that found the enemy table full
  // waits for a free slot, and a boss that drifts out of the field comes back where it entered.
  i16 WaitingBossSet = -1;  // the spawn set of a boss still waiting, or -1
  i16 WaitingBossX = 0;
  i16 BossHomeX = 0;
  i16 BossHomeY = 0;
};

}  // namespace kv::shooter
