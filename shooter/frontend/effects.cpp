#include "shooter/frontend/effects.h"

#include "shooter/content/explosion_kinds.h"
#include "shooter/content/weapon_tables.h"
#include "shooter/core/drawing.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/hud_bars.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

void AddExplosion(Shooter& g, int x, int y, int kind) {
  for (Blast& b : g.st.Explosions) {
    if (b.Active != 0) continue;
    b.Active = kTrue;
    b.Kind = Wrap16(kind);
    b.X = Wrap16(x);
    b.Y = Wrap16(y);
    b.Frame = 1;
    for (const ExplosionKind& k : kExplosionKinds) {
      if (k.kind != kind) continue;
      b.LastFrame = Wrap16(k.lastFrame);
      b.X = ToI16(x + k.dx);
      b.Y = ToI16(y + k.dy);
    }
    return;
  }
}

void AddPowerUp(Shooter& g, int x, int y) {
  for (PowerUp& p : g.st.PowerUps) {
    if (p.Active != 0) continue;
    p = PowerUp{kTrue, Wrap16(x), Wrap16(y), 1};
    return;
  }
}

namespace {

// The first free special slot of 290..300, or nullptr when all are in use.
Shot* FreeSpecialSlot(GameState& s) {
  for (int i = kSpecialFirst; i <= kSpecialLast; ++i) {
    Shot& shot = s.PlayerShots[static_cast<std::size_t>(i)];
    if (shot.Active == 0) return &shot;
  }
  return nullptr;
}

// Every enemy on the screen takes the damage, in slot order; each that was there explodes once
// more on top of its own death.
void ScreenWideHit(Shooter& g, int damage) {
  GameState& s = g.st;
  for (int i = 0; i < kEnemySlots; ++i) {
    Enemy& e = s.Enemies[static_cast<std::size_t>(i)];
    const bool wasActive = e.Active == kTrue;
    if (wasActive) {
      e.HP = Wrap16(e.HP - damage);
      if (e.HP < 0) e.HP = 0;
    }
    if (e.IsBoss == kTrue) SetBossBar(g, e);
    EnemyDown(g, i);
    if (wasActive) {
      const PixelSize size = PictureSize(g, e.Sprite);
      AddExplosion(g, static_cast<int>(RoundHalfEven(e.X + size.w * 15 / 2.0)),
                   static_cast<int>(RoundHalfEven(e.Y + size.h * 15 / 2.0)), 1);
    }
  }
}

void ShowBanner(Shooter& g) {
  // The special weapon's name in capitals.
  char name[48];
  const std::string& caption = g.menus.WBox[2]->Caption();
  std::size_t n = 0;
  for (; n < caption.size() && n + 1 < sizeof name; ++n) {
    const char c = caption[n];
    name[n] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  g.hud.BufferText[7]->SetCaption(std::string_view(name, n));
  g.st.BannerMove = 2;
}

void Discharge(Shooter& g, int kind) {
  GameState& s = g.st;
  switch (kind) {
    case kFireCutter:
      // Its speed is left as the slot had it: the shot step sets it from the age before it moves.
      if (Shot* shot = FreeSpecialSlot(s)) {
        *shot = Shot{kTrue, 1, Wrap16(s.ShipX - 90), s.ShipY, 8, 0, 50, shot->Speed};
      }
      break;
    case kGlobeEx:
      if (Shot* shot = FreeSpecialSlot(s)) *shot = Shot{kTrue, 1, Wrap16(s.ShipX - 90), s.ShipY, 8, 0, 1, 40};
      break;
    case kStormer:
      s.FlashFlag = 1;
      DrawPicture(g, 27, 1, 1000, 2000);
      DrawPicture(g, 27, 1, 3000, 2000);
      ScreenWideHit(g, 500);
      break;
    case kProxyR:
      if (Shot* shot = FreeSpecialSlot(s)) {
        *shot = Shot{kTrue, 0, Wrap16(s.ShipX - 1920), Wrap16(s.ShipY - 1440), 8, 0, 100, 1};
      }
      break;
    case kDeath:
      for (int x : {2000, 3000, 4000}) {
        for (int y : {2000, 4000, 6000}) AddExplosion(g, x, y, 2);
      }
      ScreenWideHit(g, 4000);
      break;
    default: break;
  }
}

}  // namespace

void FireSpecial(Shooter& g, int kind) {
  GameState& s = g.st;
  Playwav(g, g.def.specialWav);  // on every press, charged or not
  if (s.SpecialBarFlag == 0) SetBarWidth(g, Bar::SpecialRecharge, 0);
  if (s.SpecialReady == kTrue) {
    ShowBanner(g);
    SetBarWidth(g, Bar::SpecialCharge, 0);
    g.hud.Stt_SPE_Lbl->BackColor = 0x0000C0;
    g.hud.Stt_SPE_Lbl->ForeColor = 0xC0C0C0;
    s.SpecialReady = 0;
    Discharge(g, kind);
  }
  s.SpecialBarFlag = kTrue;
}

}  // namespace kv::shooter
