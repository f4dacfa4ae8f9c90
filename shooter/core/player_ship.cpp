#include <array>

#include "shooter/core/drawing.h"
#include "shooter/core/frame_loop.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/hud_bars.h"

namespace kv::shooter {

// A hit gives a four-picture glow around the ship over seven ticks.
void ShieldGlow(Shooter& g) {
  GameState& s = g.st;
  if (s.FrameCount <= 0 || s.ShieldHitMark < 1) return;
  s.ShieldHitMark = Wrap16(s.ShieldHitMark + 1);
  if (s.ShieldHitMark == 2 || s.ShieldHitMark == 4 || s.ShieldHitMark == 6 || s.ShieldHitMark == 8) {
    DrawPicture(g, 5, s.ShieldHitMark / 2, s.ShipX - 100, s.ShipY - 150);
  }
  if (s.ShieldHitMark == 8) s.ShieldHitMark = 0;
}

void MoveShip(Shooter& g) {
  GameState& s = g.st;
  const bool moves = (s.EngineBroken == 0 && s.ShipLocked == 0) || s.AutoPilot == kTrue;
  if (moves) {
    const i16 step = s.EngineSpeed;
    if (s.MoveKeys[0] == kTrue) {
      s.ShipX = Wrap16(s.ShipX - step);
      if (s.ShipX <= 720) s.ShipX = 720;
    }
    if (s.MoveKeys[1] == kTrue) {
      s.ShipY = Wrap16(s.ShipY - step);
      if (s.ShipY <= 1440) s.ShipY = 1440;
    }
    if (s.MoveKeys[2] == kTrue) {
      s.ShipX = Wrap16(s.ShipX + step);
      if (s.ShipX >= 4920) s.ShipX = 4920;
    }
    if (s.MoveKeys[3] == kTrue) {
      s.ShipY = Wrap16(s.ShipY + step);
      if (s.ShipY >= 6860) s.ShipY = 6860;
    }
  }
  DrawPicture(g, 0, static_cast<int>(Mod(s.FramesThisSecond, 3)) + 1, s.ShipX, s.ShipY);
}

void RepairParts(Shooter& g) {
  GameState& s = g.st;
  struct Part {
    i16* broken;
    Bar gauge;
    const char* message;
  };
  const std::array<Part, 4> parts{{{&s.MainGunBroken, Bar::MainGunGauge, "MainGun Repaired"},
                                   {&s.SideGunBroken, Bar::SideGunGauge, "SideGun Repaired"},
                                   {&s.EngineBroken, Bar::EngineGauge, "Engines Repaired"},
                                   {&s.GeneratorBroken, Bar::GeneratorGauge, "Generator Repaired"}}};
  for (const Part& p : parts) {
    if (*p.broken != kTrue) continue;
    GrowBar(g, p.gauge, s.EngineRate, kGaugeFull);
    if (BarWidth(g, p.gauge) == kGaugeFull) {
      *p.broken = 0;
      ShowMessage(g, p.message, 3, 0);
    }
  }
}

// The generator core splits its power between the shield and the special weapon.
static void ChooseRechargeRates(GameState& s) {
  const bool shield = s.ShieldBarFlag == kTrue;
  const bool special = s.SpecialBarFlag == kTrue;
  switch (s.Equip[4]) {
    case 0:
      if (shield && special) {
        s.ShieldRecharge = Wrap16(s.ShieldRate + 2);
        s.SpecialRecharge = 2;
      } else if (shield) {
        s.ShieldRecharge = Wrap16(s.ShieldRate + 4);
      } else if (special) {
        s.SpecialRecharge = 4;
      }
      break;
    case 1:
      if (shield && special) {
        s.ShieldRecharge = 0;
        s.SpecialRecharge = 6;
      } else if (shield) {
        s.ShieldRecharge = Wrap16(s.ShieldRate + 2);
      } else if (special) {
        s.SpecialRecharge = 16;
      }
      break;
    case 2:
      if (shield && special) {
        s.ShieldRecharge = Wrap16((s.ShieldRate + 4) * 3);
        s.SpecialRecharge = 0;
      } else if (shield) {
        s.ShieldRecharge = Wrap16((s.ShieldRate + 2) * 3);
      } else if (special) {
        s.SpecialRecharge = 2;
      }
      break;
    default:
      break;
  }
}

// A recharge bar fills by its rate; when it is full the weapon is ready again.
static void Recharge(Shooter& g, i16& barFlag, i16& ready, i16 rate, i16 capacity, Bar charge, Bar recharge,
                     ui::Label& label) {
  if (barFlag != kTrue || g.st.GeneratorBroken != 0) return;
  GrowBar(g, recharge, rate, capacity);
  if (BarWidth(g, recharge) != capacity) return;
  barFlag = 0;
  ready = kTrue;
  SetBarWidth(g, charge, capacity);
  SetBarWidth(g, recharge, capacity);
  label.BackColor = 0x000000;
  label.ForeColor = 0xC0C0C0;
}

void RechargeBars(Shooter& g) {
  GameState& s = g.st;
  ChooseRechargeRates(s);
  Recharge(g, s.ShieldBarFlag, s.ShieldUp, s.ShieldRecharge, s.ShieldCapacity, Bar::ShieldCharge, Bar::ShieldRecharge,
           *g.hud.Stt_SHD_Lbl);
  Recharge(g, s.SpecialBarFlag, s.SpecialReady, s.SpecialRecharge, s.SpecialCapacity, Bar::SpecialCharge,
           Bar::SpecialRecharge, *g.hud.Stt_SPE_Lbl);
}

}  // namespace kv::shooter
