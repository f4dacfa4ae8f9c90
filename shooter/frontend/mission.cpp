#include "shooter/frontend/mission.h"

#include <iostream>

#include "shooter/content/equipment.h"
#include "shooter/core/drawing.h"
#include "shooter/frontend/effects.h"
#include "shooter/frontend/report.h"
#include "shooter/frontend/sound.h"
#include "shooter/frontend/text_file.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/hud_bars.h"

namespace kv::shooter {

static void ResetShip(GameState& s) {
  s.MessageTimer = 0;
  s.ShipLocked = kTrue;
  s.MainGunBroken = s.SideGunBroken = s.GeneratorBroken = s.EngineBroken = 0;
  s.ShipX = 2720;
  s.ShipY = 8440;  // below the visible band; the script flies the ship in
  s.MoveKeys = {0, 0, 0, 0};
}

static void FreeTables(GameState& s) {
  for (Shot& shot : s.PlayerShots) shot.Active = 0;
  for (EnemyShot& shot : s.EnemyShots) shot.Active = 0;
  for (int i = kEnemyFirst; i <= kEnemyLast; ++i) s.Enemies[static_cast<std::size_t>(i)].Active = 0;
  for (PowerUp& p : s.PowerUps) p.Active = 0;
}

static void FitEquipment(Shooter& g) {
  GameState& s = g.st;
  s.MainGunLevel = 1;
  s.SideGunLevel = 1;
  s.ShieldUp = kTrue;
  s.SpecialReady = kTrue;
  s.ShieldBarFlag = 0;
  s.SpecialBarFlag = 0;
  const auto special = static_cast<std::size_t>(s.Equip[2]);
  const auto shield = static_cast<std::size_t>(s.Equip[3]);
  const auto engine = static_cast<std::size_t>(s.Equip[5]);
  s.SpecialCapacity = kCapacities[special];
  SetBarWidth(g, Bar::SpecialCharge, s.SpecialCapacity);
  SetBarWidth(g, Bar::SpecialRecharge, s.SpecialCapacity);
  s.ShieldCapacity = kCapacities[shield];
  SetBarWidth(g, Bar::ShieldCharge, s.ShieldCapacity);
  SetBarWidth(g, Bar::ShieldRecharge, s.ShieldCapacity);
  s.ShieldRate = kShieldRates[shield];
  s.EngineSpeed = kEngineSpeeds[engine];
  s.EngineRate = kEngineRates[engine];
  g.hud.Stt_LVL_MG->SetCaption("MG  1.0");
  g.hud.Stt_LVL_SG->SetCaption("SG   1.0");
}

// Each star from its own random numbers, covering the visible part of the playfield.
static void DealStars(Shooter& g) {
  GameState& s = g.st;
  for (int i = 0; i <= s.DetailLevel && i < kStarSlots; ++i) {
    Star& star = s.Stars[static_cast<std::size_t>(i)];
    star.X = ToI16(g.rng.Next() * 4920 + 720);
    star.Y = ToI16(g.rng.Next() * 6480 + 1440);
    star.Speed = ToI16(g.rng.Next() * 40 + 10);
    star.Shade = ToI16(g.rng.Next() * 2 + 1);
  }
}

static void ResetCounters(Shooter& g) {
  GameState& s = g.st;
  s.GameInitialised = kTrue;
  s.MainGunCooldown = 0;
  s.SideGunCooldown = 0;
  s.FireHeld = 0;
  s.Score = 0;
  s.ShieldHitMark = 0;
  s.DeathFlag = 0;
  g.hud.Wait_label2->Visible = false;
  s.StatsBarMove = s.BannerMove = s.BossBarMove = s.BannerHold = 0;
  s.FrameCount = 0;
  s.Kills = 0;
  s.LastBossDestroyed = 0;
  s.FlashFlag = 0;
  s.BossKillFrames = {0, 0, 0, 0, 0};
  s.WaitingBossSet = -1;
}

static void LoadExplosionSounds(Shooter& g) {
  for (int i = 0; i < 8; ++i) {
    g.sound.MPS[static_cast<std::size_t>(i)]->Open(g.ProgramFile(i < 4 ? "\\sound\\splode.wav" : "\\sound\\bplode.wav"));
  }
}

// A new game resets everything; resuming from the pause menu only restarts the timers.
void StartMission(Shooter& g) {
  GameState& s = g.st;
  if (s.GameInitialised == 0) {
    s.FpsSeconds = 0;
    s.FramesTotal = 0;
    ResetHud(g);
    ResetShip(s);
    FreeTables(s);
    FitEquipment(g);
    DealStars(g);
    g.Play_Layer->SetBackColor(0x000000);
    ResetCounters(g);
    LoadExplosionSounds(g);
  }
  s.FramesTotal = 0;
  s.FpsSeconds = 0;
  g.tmOneFrame->SetEnabled(true);
  g.tmOneSecond->SetEnabled(true);
}

void PlayerDeath(Shooter& g) {
  GameState& s = g.st;
  s.DeathFlag = 1;  // the frame loop flashes the playfield
  const PixelSize ship = PictureSize(g, 0);
  AddExplosion(g, static_cast<int>(RoundHalfEven(s.ShipX + ship.w * 15 / 2.0)),
               static_cast<int>(RoundHalfEven(s.ShipY + ship.h * 15 / 2.0)), 1);
  ShowMessage(g, g.def.deathLine, 0, 0);
  PlaySfx(g, 101);
  s.ShipLocked = kTrue;
  s.AutoPilot = kTrue;  // keys ignored
  s.StatsBarMove = 1;
  s.FireHeld = 0;
  s.MoveKeys = {0, 0, 0, 0};
  s.ShipX = 0;
  s.ShipY = 0;
  WriteReport(g);
  s.FrameCount = -300;  // the frame loop runs the game-over sequence from here
}

void WriteReport(Shooter& g) {
  GameState& s = g.st;
  const auto file = g.DataFile("HiScore.txt");
  const i64 stored = StoredHighScore(file);
  if (s.FpsSeconds == 0) s.FpsSeconds = 1;
  if (stored >= s.Score) return;
  ReportFacts facts;
  facts.score = s.Score;
  for (int i = 0; i < 6; ++i) facts.equipment[static_cast<std::size_t>(i)] = g.menus.WBox[static_cast<std::size_t>(i)]->Caption();
  facts.frames = s.FrameCount;
  facts.kills = s.Kills;
  facts.lastBossDestroyed = s.LastBossDestroyed == kTrue;
  facts.framesTotal = s.FramesTotal;
  facts.fpsSeconds = s.FpsSeconds;
  if (!WriteTextFileAtomically(file, FormatReport(facts))) {
    std::cerr << "korvane: could not write " << file.string() << "; the old report is kept\n";
  }
}

}  // namespace kv::shooter
