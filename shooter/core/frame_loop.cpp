#include "shooter/core/frame_loop.h"

#include "shooter/content/timeline.h"
#include "shooter/core/drawing.h"
#include "shooter/frontend/form.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

void tmOneFrame_Timer(Shooter& g) {
  GameState& s = g.st;
  g.tick.Clear();
  const bool playing = s.PlayLayerOn == kTrue;
  if (playing) {
    g.Play_Layer->Cls();
    s.FramesThisSecond = Wrap16(s.FramesThisSecond + 1);
    s.FrameCount = Add32(s.FrameCount, 1);
    // Mod keeps the dividend's sign, so this never happens while the clock is negative.
    if (Mod(s.FrameCount, 10) == 1) PlaySfx(g, 99);
    EndOfGameSequence(g);
    MoveStars(g);
    FireMainGun(g);
    FireSideGun(g);
    s.MainGunCooldown = s.MainGunCooldown - 1 < 1 ? i16{0} : Wrap16(s.MainGunCooldown - 1);
    s.SideGunCooldown = s.SideGunCooldown - 1 < 1 ? i16{0} : Wrap16(s.SideGunCooldown - 1);
    MovePlayerShots(g);
    MoveEnemies(g);
    DrawEnemies(g);
    MoveEnemyShots(g);
    MovePowerUps(g);
    ShieldGlow(g);
    MoveShip(g);
    HudPanelStep(g);
    ShotsHitEnemies(g);
    ShipHitsEnemies(g);
    AnimateExplosions(g);
    ScreenFlash(g);
    StormFlash(g);
    if (s.FrameCount > 0) RepairParts(g);
    MessageLogStep(g);
    RechargeBars(g);
  }
  RunTimeline(g);
  FreeRinguShots(g);
  if (playing && g.onTick) g.onTick();
}

// The clock runs up from -400 after the last boss and from -300 after the pilot's death.
void EndOfGameSequence(Shooter& g) {
  GameState& s = g.st;
  if (s.FrameCount == -1) {
    s.GameInitialised = 0;
    SwitchLayer(g, kTitleLayer, kPlayLayer, 0.2, 1);
    return;
  }
  const bool noSecondWeapon =
      g.def.tracksNoSecondWeapon && g.settings.nowep != nullptr && *g.settings.nowep == "ok";
  const Ending& ending = noSecondWeapon ? g.def.endingWithoutSecondWeapon : g.def.ending;
  for (const EndingLine& line : ending) {
    if (line.clock != s.FrameCount) continue;
    ShowMessage(g, line.text, line.colour, line.background);
    if (!line.music.empty()) PlayMusic(g, line.music);
  }
}

static ui::Colour StarColour(i16 shade) {
  if (shade == 1) return 0xE0E0E0;
  if (shade == 2) return 0xC0C0C0;
  return 0x808080;
}

void MoveStars(Shooter& g) {
  GameState& s = g.st;
  int moved = 0;
  for (int i = 0; i <= s.DetailLevel && i < kStarSlots; ++i) {
    Star& star = s.Stars[static_cast<std::size_t>(i)];
    star.Y = Wrap16(star.Y + star.Speed);
    if (star.Y >= 7921) {
      star.Y = 1440;
      star.X = ToI16(g.rng.Next() * 4920 + 720);
      star.Speed = ToI16(g.rng.Next() * 40 + 20);
      star.Shade = ToI16(g.rng.Next() * 1 + 2);
    }
    g.Play_Layer->PSet(star.X, star.Y, StarColour(star.Shade));
    ++moved;
  }
  g.tick.starsMoved = moved;
}

void AnimateExplosions(Shooter& g) {
  for (Blast& b : g.st.Explosions) {
    if (b.Active != kTrue) continue;
    if (b.X < 0) b.X = 0;
    if (b.Y < 0) b.Y = 0;
    DrawPicture(g, b.Kind, b.Frame, b.X, b.Y);
    b.Frame = Wrap16(b.Frame + 1);
    if (b.Frame >= b.LastFrame) b.Active = 0;
  }
}

// The pilot's death: two white ticks with the status panel jolted up, then a black one with the
// panel back in place.
void ScreenFlash(Shooter& g) {
  GameState& s = g.st;
  if (s.DeathFlag == 3) {
    g.Play_Layer->SetBackColor(0x000000);
    g.hud.Stats_Bar->Top = 7440;
    s.DeathFlag = 0;
  }
  if (s.DeathFlag == 1 || s.DeathFlag == 2) {
    g.Play_Layer->SetBackColor(0xFFFFFF);
    g.hud.Stats_Bar->Top -= 480;
    s.DeathFlag = Wrap16(s.DeathFlag + 1);
  }
}

void StormFlash(Shooter& g) {
  GameState& s = g.st;
  if (s.FlashFlag >= 1) {
    s.FlashFlag = Wrap16(s.FlashFlag + 1);
    DrawPicture(g, 27, 1, 1000, 2000);
    DrawPicture(g, 27, 1, 3000, 2000);
    if (s.FlashFlag > 5) s.FlashFlag = 0;
  }
}

}  // namespace kv::shooter
