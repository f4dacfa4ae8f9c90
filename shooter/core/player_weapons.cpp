#include "shooter/content/weapon_tables.h"
#include "shooter/core/drawing.h"
#include "shooter/core/frame_loop.h"

namespace kv::shooter {

namespace {

struct NewShot {
  int frame;
  int motion;
  int x, y;
  int damage;
  int speed;
};

// Puts a shot into the first free slot of first..last; returns the slot, or -1 when none is free.
int AddShot(GameState& s, int first, int last, const NewShot& n) {
  for (int i = first; i <= last && i < kPlayerShotSlots; ++i) {
    Shot& shot = s.PlayerShots[static_cast<std::size_t>(i)];
    if (shot.Active != 0) continue;
    shot = Shot{kTrue, Wrap16(n.frame), Wrap16(n.x), Wrap16(n.y), Wrap16(n.motion), 0, Wrap16(n.damage), Wrap16(n.speed)};
    return i;
  }
  return -1;
}

int MainLimit(const GameState& s) { return kMainGunFirst + s.ShotSlotLimit; }

void AddVolleyShot(GameState& s, const VolleyShot& v, int damage, int speed) {
  AddShot(s, kMainGunFirst, MainLimit(s), {v.frame, v.motion, s.ShipX + v.dx, s.ShipY + v.dy, damage, speed});
}

void FireChaingun(GameState& s, int level) {
  const GunLevel& l = kChaingunLevels[static_cast<std::size_t>(level - 1)];
  s.MainGunCooldown = Wrap16(l.cooldown);
  s.ShotSlotLimit = Wrap16(l.slotLimit);
  for (const VolleyShot& v : kChaingunVolley) {
    if (level >= v.fromLevel) AddVolleyShot(s, v, 15, 340);
  }
  AddVolleyShot(s, level == 1 ? kChaingunCentreLevelOne : kChaingunCentre, 15, 340);
}

void FireLaser(Shooter& g, int level) {
  GameState& s = g.st;
  s.MainGunCooldown = 1;
  s.ShotSlotLimit = 10;
  const int slot = AddShot(s, kMainGunFirst, MainLimit(s),
                           {level, 8, s.ShipX + 200, s.ShipY, kLaserDamage[static_cast<std::size_t>(level - 1)], 650});
  if (slot >= 0) g.beamX = s.PlayerShots[static_cast<std::size_t>(slot)].X;
}

int ScatterDamage(int frame) {
  if (frame >= 20) return 6;
  if (frame >= 16) return 8;
  if (frame >= 11) return 12;
  if (frame >= 5) return 16;
  return 24;
}

// A scatter shot flies from its spawn point towards a random aim point ahead of the ship.
void AddScatterShot(Shooter& g) {
  GameState& s = g.st;
  PersistentValues& p = s.Persist;
  for (int i = kMainGunFirst; i <= MainLimit(s) && i < static_cast<int>(p.HomingStartX.size()); ++i) {
    Shot& shot = s.PlayerShots[static_cast<std::size_t>(i)];
    if (shot.Active != 0) continue;
    const i16 frame = ToI16(g.rng.Next() * p.SpreadWidth + 24 - p.SpreadWidth);
    shot = Shot{kTrue, frame, Wrap16(s.ShipX + 270), Wrap16(s.ShipY + 120), 79, 0, Wrap16(ScatterDamage(frame)), 0};
    const auto k = static_cast<std::size_t>(i);
    p.HomingStartX[k] = shot.X;
    p.HomingStartY[k] = shot.Y;
    p.HomingTargetX[k] = ToI16(shot.X - 1500 + g.rng.Next() * 3000);
    p.HomingTargetY[k] = ToI16(shot.Y - 6200 + g.rng.Next() * 2000);
    return;
  }
}

void FireProtonBurst(Shooter& g, int level) {
  GameState& s = g.st;
  PersistentValues& p = s.Persist;
  s.ShotSlotLimit = 150;
  p.HomingLifeBase = 13;
  p.SpreadWidth = 3;
  s.MainGunCooldown = 3;
  if (level >= 2) p.SpreadWidth = 9;
  if (level >= 3) s.MainGunCooldown = 2;
  if (level >= 4) AddScatterShot(g);
  if (level >= 5) p.SpreadWidth = 14;
  if (level >= 6) AddScatterShot(g);
  if (level >= 7) p.SpreadWidth = 19;
  if (level >= 8) AddScatterShot(g);
  if (level >= 9) {
    p.SpreadWidth = 23;
    s.MainGunCooldown = 1;
  }
  if (level >= 10) AddScatterShot(g);
  AddScatterShot(g);
}

void FireEWave(GameState& s, int level) {
  const GunLevel& l = kEWaveLevels[static_cast<std::size_t>(level - 1)];
  s.MainGunCooldown = Wrap16(l.cooldown);
  s.ShotSlotLimit = Wrap16(l.slotLimit);
  AddShot(s, kMainGunFirst, MainLimit(s), {level, 8, s.ShipX - 540, s.ShipY - 200, level * 4, 0});
}

void FirePulseRifle(GameState& s, int level) {
  const auto i = static_cast<std::size_t>(level - 1);
  s.MainGunCooldown = Wrap16(kPulseCooldown[i]);
  s.ShotSlotLimit = 80;
  for (const VolleyShot& v : kPulseVolley) {
    if (level >= v.fromLevel) AddVolleyShot(s, v, 20, kPulseSpeed[i]);
  }
}

}  // namespace

void FireMainGun(Shooter& g) {
  GameState& s = g.st;
  g.beamX = 0;  // no beam shot yet this tick
  if (s.MainGunBroken != 0 || s.ShipLocked != 0 || s.FireHeld != kTrue || s.MainGunCooldown != 0 ||
      s.MainGunLevel < 1) {
    return;
  }
  const int level = s.MainGunLevel > 10 ? 10 : s.MainGunLevel;
  switch (s.Equip[0]) {
    case kChaingun: FireChaingun(s, level); break;
    case kCLaser: FireLaser(g, level); break;
    case kProtonBurst: FireProtonBurst(g, level); break;
    case kEWave: FireEWave(s, level); break;
    case kPulseRifle: FirePulseRifle(s, level); break;
    default: break;
  }
}

void FireSideGun(Shooter& g) {
  GameState& s = g.st;
  PersistentValues& p = s.Persist;
  if (s.SideGunBroken != 0 || s.ShipLocked != 0 || s.FireHeld != kTrue || s.SideGunCooldown != 0 ||
      s.SideGunLevel < 1) {
    return;
  }
  const int level = s.SideGunLevel > 5 ? 5 : s.SideGunLevel;
  const auto li = static_cast<std::size_t>(level - 1);
  if (s.Equip[1] == kMissiles && !g.def.sideGunZeroFires) return;
  switch (s.Equip[1]) {
    case kMissiles: {
      s.SideGunCooldown = 1;
      s.ShotSlotLimit = Wrap16(kSideSlotLimit[li]);
      // The two barrels take turns.
      for (int i = kSideGunFirst; i <= kSideGunFirst + s.ShotSlotLimit; ++i) {
        if (s.PlayerShots[static_cast<std::size_t>(i)].Active != 0) continue;
        const int dx = p.SideAlternate == 0 ? 0 : 560;
        p.SideAlternate = p.SideAlternate == 0 ? i16{1} : i16{0};
        AddShot(s, i, i, {1, 8, s.ShipX + dx, s.ShipY + 100, level * 5 + 5, 0});
        break;
      }
      break;
    }
    case kRingu: {
      s.SideGunCooldown = 1;
      p.BurstFrame = Wrap16(p.BurstFrame + 1);
      if (level <= 2 && p.BurstFrame >= 4) p.BurstFrame = 1;
      if ((level == 3 || level == 4) && p.BurstFrame >= 7) p.BurstFrame = 4;
      if (level == 5 && p.BurstFrame >= 10) p.BurstFrame = 7;
      // This gun's slot search runs on into the special weapon's slots.
      AddShot(s, kSideGunFirst, kSpecialLast, {p.BurstFrame, 8, s.ShipX - 600, s.ShipY - 700, level * 5, 0});
      break;
    }
    case kSteelBlades: {
      s.SideGunCooldown = 5;
      s.ShotSlotLimit = Wrap16(kSideSlotLimit[li]);
      const int slot = AddShot(s, kSideGunFirst, kSideGunFirst + s.ShotSlotLimit,
                               {1, 8, s.ShipX + 150, s.ShipY, level * 15 + 5, 0});
      if (slot >= 0) p.DriftSide[static_cast<std::size_t>(slot - kSideGunFirst)] = Wrap16(Mod(slot, 2));
      break;
    }
    case kRMines: {
      s.SideGunCooldown = Wrap16(kMineLevels[li].cooldown);
      s.ShotSlotLimit = Wrap16(kMineLevels[li].slotLimit);
      AddShot(s, kSideGunFirst, kSideGunFirst + s.ShotSlotLimit, {1, 8, s.ShipX + 240, s.ShipY, level * 25 + 25, 50});
      break;
    }
    default: break;
  }
}

namespace {

enum class Range { Main, Side, Special };

Range RangeOf(int slot) {
  if (slot <= kMainGunLast) return Range::Main;
  if (slot <= kSideGunLast) return Range::Side;
  return Range::Special;
}

bool Outside(const Shot& s, bool checkRight, bool checkLeft) {
  return s.Y <= 1200 || (checkRight && s.X > 5655) || (checkLeft && s.X < 720);
}

// Moves the shot by its motion code and frees it when it has left the field.
void MoveShot(Shooter& g, int slot, Shot& s, Range range, int mainKind, int sideKind, int specialKind) {
  const double speed = s.Speed;
  switch (s.Motion) {
    case 7:
    case 72:
    case 73:
    case 9:
    case 92:
    case 93: {
      s.Y = ToI16(s.Y - speed / 3 * 2);
      const double dx = s.Motion == 7 || s.Motion == 9 ? speed / 3 * 2 : s.Motion == 72 || s.Motion == 92 ? speed / 3 : speed / 7;
      const bool right = s.Motion >= 9 && s.Motion != 72 && s.Motion != 73;
      s.X = ToI16(s.X + (right ? dx : -dx));
      if (Outside(s, right, !right)) s.Active = 0;
      break;
    }
    case 79: {
      if (range != Range::Main) break;
      const PersistentValues& p = g.st.Persist;
      const auto k = static_cast<std::size_t>(slot);
      s.Y = ToI16(s.Y - (p.HomingStartY[k] - p.HomingTargetY[k]) / 20.0);
      s.X = ToI16(s.X + (p.HomingTargetX[k] - p.HomingStartX[k]) / 20.0);
      if (Outside(s, true, true)) s.Active = 0;
      break;
    }
    case 8: {
      const bool accelerates = (range == Range::Main && mainKind == kEWave) ||
                               (range == Range::Side && (sideKind == kMissiles || sideKind == kSteelBlades)) ||
                               (range == Range::Special && specialKind == kFireCutter);
      if (accelerates) s.Speed = Wrap16(s.Age * s.Age);
      if (range == Range::Side && sideKind == kSteelBlades) {
        const int k = slot - kSideGunFirst + 10;
        const int drift = (s.Age - 15) * k;
        s.X = Wrap16(g.st.Persist.DriftSide[static_cast<std::size_t>(slot - kSideGunFirst)] == 0 ? s.X - drift : s.X + drift);
      }
      s.Y = Wrap16(s.Y - s.Speed);
      if (range == Range::Main && mainKind == kCLaser) s.X = g.beamX;
      if (Outside(s, true, true)) s.Active = 0;
      break;
    }
    default: break;
  }
}

}  // namespace

void MovePlayerShots(Shooter& g) {
  GameState& s = g.st;
  const int mainKind = s.Equip[0];
  const int sideKind = s.Equip[1];
  const int specialKind = s.Equip[2];
  for (int slot = 0; slot < kPlayerShotSlots; ++slot) {
    Shot& shot = s.PlayerShots[static_cast<std::size_t>(slot)];
    if (shot.Active != kTrue) continue;
    const Range range = RangeOf(slot);
    shot.Age = Wrap16(shot.Age + 1);
    // Scatter shots expire at a random age between 13 and 23; the rest still runs for them.
    if (range == Range::Main && mainKind == kProtonBurst && shot.Age >= g.rng.Next() * 10 + s.Persist.HomingLifeBase)
      shot.Active = 0;
    if (range == Range::Side && sideKind == kSteelBlades && shot.Age < 100) shot.Y = Wrap16(shot.Y + shot.Age * 15);
    if (range == Range::Side && sideKind == kRMines) shot.Frame = Mod(shot.Age, 15) == 1 ? i16{2} : i16{1};
    MoveShot(g, slot, shot, range, mainKind, sideKind, specialKind);
    if (shot.Active != kTrue) continue;
    int list = -1;
    switch (range) {
      case Range::Main: list = kMainGunList[static_cast<std::size_t>(mainKind)]; break;
      case Range::Side: list = kSideGunList[static_cast<std::size_t>(s.Equip[1])]; break;
      case Range::Special: list = kSpecialList[static_cast<std::size_t>(specialKind)]; break;
    }
    const bool spins = (range == Range::Side && sideKind == kSteelBlades) ||
                       (range == Range::Special && (specialKind == kFireCutter || specialKind == kGlobeEx));
    if (spins) {
      shot.Frame = Wrap16(shot.Frame + 1);
      if (shot.Frame > 4) shot.Frame = 1;
    }
    const bool field = range == Range::Special && specialKind == kProxyR;
    if (field) shot.Frame = Wrap16(shot.Frame + 1);
    if (list >= 0) DrawPicture(g, list, shot.Frame, shot.X, shot.Y);
    if (field && shot.Frame > 21) {
      shot.Active = 0;
      shot.Frame = 0;
    }
  }
}

// Side gun kind 1 ("Ringu") shots live for exactly one tick.
void FreeRinguShots(Shooter& g) {
  if (g.st.Equip[1] != kRingu) return;
  for (int i = kSideGunFirst; i <= kSideGunLast; ++i) g.st.PlayerShots[static_cast<std::size_t>(i)].Active = 0;
}

}  // namespace kv::shooter
