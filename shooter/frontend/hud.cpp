#include "shooter/frontend/hud.h"

#include <array>
#include <cstdio>

#include "shooter/core/drawing.h"
#include "shooter/frontend/effects.h"
#include "shooter/frontend/hud_bars.h"
#include "shooter/frontend/mission.h"
#include "shooter/frontend/sound.h"

namespace kv::shooter {

namespace {
constexpr ui::Colour kHudColourGrey = 0xC0C0C0;
}

void PlaceChargeBars(Shooter& g) {
  constexpr std::array<Bar, 4> kBars{Bar::ShieldCharge, Bar::ShieldRecharge, Bar::SpecialCharge, Bar::SpecialRecharge};
  constexpr std::array<int, 4> kTops{30, 90, 270, 330};
  for (std::size_t i = 0; i < kBars.size(); ++i) {
    ui::Element& bar = BarElement(g, kBars[i]);
    bar.Move(540, kTops[i], bar.Width, 75);
    SetBarWidth(g, kBars[i], 2175);
  }
}

void ResetHud(Shooter& g) {
  Hud& h = g.hud;
  h.BossBar->Top = 1080;
  h.Stats_Bar->Move(720, 7920, 4935, 975);
  h.Stats_Bar->Visible = false;
  h.Stt_SHD_Lbl->Move(0, 0, 495, 255);
  h.Stt_SPE_Lbl->Move(0, 240, 495, 255);
  for (ui::Label* l : {h.Stt_SHD_Lbl, h.Stt_SPE_Lbl}) {
    l->BackColor = 0;
    l->ForeColor = kHudColourGrey;
  }
  h.Stt_LVL_MG->Move(2880, 0, 855, 255);
  h.Stt_LVL_SG->Move(2880, 240, 855, 255);
  h.Stt_MGUN_F->Move(3720, 0, 615, 255);
  h.Stt_SGUN_F->Move(3720, 240, 615, 255);
  h.Stt_ENG_F->Move(4320, 0, 615, 255);
  h.Stt_PWR_F->Move(4320, 240, 615, 255);
  h.Stt_MGUN_R->Move(3720, 0, 615, 255);
  h.Stt_SGUN_R->Move(3720, 240, 615, 255);
  h.Stt_ENG_R->Move(4320, 0, 615, 255);
  h.Stt_PWR_R->Move(4320, 240, 615, 255);
  for (Bar gauge : {Bar::MainGunGauge, Bar::SideGunGauge, Bar::EngineGauge, Bar::GeneratorGauge})
    SetBarWidth(g, gauge, kGaugeFull);
  PlaceChargeBars(g);
  for (int line = 1; line <= 4; ++line) {
    const auto i = static_cast<std::size_t>(line);
    h.Bufferbox[i]->Move(1080, 2520 + 360 * line, 15, h.Bufferbox[i]->Height);
    h.BufferText[i]->SetCaption("");
  }
  h.Bufferbox[0]->Move(h.Bufferbox[1]->Left, h.Bufferbox[1]->Top, h.Bufferbox[1]->Width, h.Bufferbox[0]->Height);
  h.BufferText[0]->SetCaption(h.BufferText[1]->Caption());
  h.Bufferbox[6]->Top = 1080;
  h.Bufferbox[6]->Left = 3840;
  h.Bufferbox[5]->Top = 1080;
  h.Bufferbox[5]->Left = 840;
  h.BufferText[6]->SetCaption("000000");
  h.Stt_LVL_MG->SetCaption("MG  1.0");
  h.Stt_LVL_SG->SetCaption("SG   1.0");
}

void ShowMessage(Shooter& g, std::string_view text, int colour, int background) {
  g.st.MessagesShown = kTrue;
  ui::Label& line = *g.hud.BufferText[0];
  line.SetCaption(text);
  constexpr std::array<ui::Colour, 4> kColours{0xFFFFFF, kHudColourGrey, 0x0000FF, 0x0080FF};
  if (colour >= 0 && colour <= 3) line.ForeColor = kColours[static_cast<std::size_t>(colour)];
  line.BackColor = background == 1 ? 0x0000FF : 0x000000;
  // The black strip is exactly as long as the message.
  g.hud.Bufferbox[0]->Width = line.Width;
}

void HudPanelStep(Shooter& g) {
  GameState& s = g.st;
  Hud& h = g.hud;
  ui::Surface& scoreBox = *h.Bufferbox[5];
  if (s.StatsBarMove == 1) {
    h.Stats_Bar->Top += 48;
    scoreBox.Top -= 48;
    if (h.Stats_Bar->Top >= 7920) {
      h.Stats_Bar->Top = 7920;
      scoreBox.Top = 1080;
      s.StatsBarMove = 0;
      h.Stats_Bar->Visible = false;
    }
  } else if (s.StatsBarMove == 2) {
    h.Stats_Bar->Visible = true;
    h.Stats_Bar->Top -= 48;
    scoreBox.Top += 48;
    if (h.Stats_Bar->Top <= 7440) {
      h.Stats_Bar->Top = 7440;
      scoreBox.Top = 1560;
      s.StatsBarMove = 0;
    }
  }
  if (s.BossBarMove == 1) {
    h.BossBar->Top += 48;
    if (h.BossBar->Top >= 1560) {
      h.BossBar->Top = 1560;
      s.BossBarMove = 0;
    }
  } else if (s.BossBarMove == 2) {
    h.BossBar->Top -= 48;
    if (h.BossBar->Top <= 1080) {
      h.BossBar->Top = 1080;
      s.BossBarMove = 0;
    }
  }
  ui::Surface& banner = *h.Bufferbox[6];
  if (s.BannerMove == 2) {
    banner.Top += 48;
    if (banner.Top >= 1560) {
      banner.Top = 1560;
      s.BannerMove = 0;
      s.BannerHold = 1;
    }
  } else if (s.BannerMove == 1) {
    banner.Top -= 48;
    if (banner.Top <= 1080) {
      banner.Top = 1080;
      s.BannerMove = 0;
    }
  }
  // The banner stays fully shown for 34 frames before it slides out.
  if (s.BannerHold >= 1) {
    s.BannerHold = Wrap16(s.BannerHold + 1);
    if (s.BannerHold == 35) s.BannerMove = 1;
  }
}

// Every 30 frames while any line holds text, the log slides down one line in five 72-twip steps;
// the newest message moves from line 0 to line 1 and the oldest is dropped.
void MessageLogStep(Shooter& g) {
  GameState& s = g.st;
  Hud& h = g.hud;
  s.MessagesShown = 0;
  for (int line = 0; line <= 4; ++line) {
    if (!h.BufferText[static_cast<std::size_t>(line)]->Caption().empty()) s.MessagesShown = kTrue;
  }
  if (s.MessagesShown == kTrue) {
    s.MessageTimer = Wrap16(s.MessageTimer + 1);
    if (s.MessageTimer == 30) {
      s.MessageTimer = 0;
      s.MessageScrolling = kTrue;
    }
  }
  if (s.MessageScrolling != kTrue || Mod(s.MessageTimer, 2) != 0) return;
  h.Bufferbox[4]->Width = 15;
  for (int line = 1; line <= 3; ++line) h.Bufferbox[static_cast<std::size_t>(line)]->Top += 72;
  if (h.Bufferbox[3]->Top < 3960) return;
  for (int line = 4; line >= 1; --line) {
    const auto to = static_cast<std::size_t>(line), from = static_cast<std::size_t>(line - 1);
    h.BufferText[to]->SetCaption(h.BufferText[from]->Caption());
    h.BufferText[to]->ForeColor = h.BufferText[from]->ForeColor;
    h.Bufferbox[to]->Width = h.Bufferbox[from]->Width;
    h.BufferText[to]->BackColor = h.BufferText[from]->BackColor;
  }
  for (int line = 1; line <= 3; ++line) h.Bufferbox[static_cast<std::size_t>(line)]->Top -= 360;
  s.MessageScrolling = 0;
  h.Bufferbox[0]->Width = 15;
  h.BufferText[0]->SetCaption("");
  h.BufferText[0]->BackColor = 0;
}

void ShieldHit(Shooter& g) {
  GameState& s = g.st;
  if (s.ShieldBarFlag == 0) SetBarWidth(g, Bar::ShieldRecharge, 0);
  if (s.ShieldUp != 0) {
    SetBarWidth(g, Bar::ShieldCharge, BarWidth(g, Bar::ShieldCharge) - s.ShieldHitCost);
    s.ShieldHitMark = 1;
    if (BarWidth(g, Bar::ShieldCharge) <= 15) {
      SetBarWidth(g, Bar::ShieldCharge, 15);
      g.hud.Stt_SHD_Lbl->BackColor = 0x0000C0;
      g.hud.Stt_SHD_Lbl->ForeColor = kHudColourGrey;
      s.ShieldUp = 0;
    }
  } else {
    DamagePart(g);
  }
  s.ShieldBarFlag = kTrue;
}

// FramesThisSecond serves as a cheap random source: one chance in ten of death, otherwise the
// first healthy part counting from a pseudo-random start breaks.
void DamagePart(Shooter& g) {
  GameState& s = g.st;
  const i16 r = s.FramesThisSecond;
  if (Mod(r, 10) == 9) {
    PlayerDeath(g);
    return;
  }
  if (s.MainGunBroken != 0 && s.SideGunBroken != 0 && s.EngineBroken != 0 && s.GeneratorBroken != 0) PlayerDeath(g);
  struct Part {
    i16* broken;
    Bar gauge;
  };
  const std::array<Part, 4> parts{{{&s.MainGunBroken, Bar::MainGunGauge},
                                   {&s.SideGunBroken, Bar::SideGunGauge},
                                   {&s.EngineBroken, Bar::EngineGauge},
                                   {&s.GeneratorBroken, Bar::GeneratorGauge}}};
  auto k = static_cast<int>(Mod(r, 4));  // negative for a negative counter: it counts up to 0
  bool hit = false;
  // Bounded: with every part broken the pilot is dead and the clock negative after one pass.
  for (int pass = 0; pass < 8 && !hit; ++pass) {
    if (k >= 0 && *parts[static_cast<std::size_t>(k)].broken == 0) {
      *parts[static_cast<std::size_t>(k)].broken = kTrue;
      SetBarWidth(g, parts[static_cast<std::size_t>(k)].gauge, 0);
      hit = true;
    }
    k = k + 1 > 3 ? 0 : k + 1;
    if (s.FrameCount < 0) break;
  }
}

static void ShowLevels(Shooter& g) {
  char text[16];
  std::snprintf(text, sizeof text, "MG  %d.0", g.st.MainGunLevel);
  g.hud.Stt_LVL_MG->SetCaption(text);
  std::snprintf(text, sizeof text, "SG   %d.0", g.st.SideGunLevel);
  g.hud.Stt_LVL_SG->SetCaption(text);
}

void WeaponLevel(Shooter& g, int which, int up) {
  GameState& s = g.st;
  if (which == 0) {
    if (up != 0) {
      s.MainGunLevel = Wrap16(s.MainGunLevel + 1);
      if (s.MainGunLevel >= 10) {
        s.MainGunLevel = 10;
        s.Score = Add32(s.Score, 2000);
      }
    } else if (s.MainGunLevel - 1 >= 1) {
      s.MainGunLevel = Wrap16(s.MainGunLevel - 1);
    } else {
      s.MainGunLevel = 1;
    }
  } else if (up != 0) {
    s.SideGunLevel = Wrap16(s.SideGunLevel + 1);
    if (s.SideGunLevel > 5) {
      s.SideGunLevel = 5;
      s.Score = Add32(s.Score, 2000);
      WeaponLevel(g, 0, up);
    }
  } else if (s.SideGunLevel - 1 >= 1) {
    s.SideGunLevel = Wrap16(s.SideGunLevel - 1);
  } else {
    s.SideGunLevel = 1;
  }
  ShowLevels(g);
}

void ShowScore(Shooter& g) {
  char text[16];
  // Zeros in front up to six digits; a longer score is never cut.
  std::snprintf(text, sizeof text, "%06ld", static_cast<long>(g.st.Score));
  g.hud.BufferText[6]->SetCaption(text);
}

void SetBossBar(Shooter& g, const Enemy& e) {
  if (e.MaxHP == 0) return;
  g.hud.Boss_Bar_Top->Width =
      static_cast<int>(RoundHalfEven(static_cast<double>(e.HP) / e.MaxHP * g.hud.Boss_Bar_Bottom->Width));
}

void EnemyDown(Shooter& g, int index) {
  GameState& s = g.st;
  if (index < 0 || index >= kEnemySlots) return;
  Enemy& e = s.Enemies[static_cast<std::size_t>(index)];
  if (e.Active != kTrue || e.HP >= 1) return;
  e.Active = 0;
  s.Kills = Wrap16(s.Kills + 1);
  const PixelSize size = PictureSize(g, e.Sprite);
  const auto cx = static_cast<int>(RoundHalfEven(e.X + size.w * 15 / 2.0));
  const auto cy = static_cast<int>(RoundHalfEven(e.Y + size.h * 15 / 2.0));
  if (e.DropsPowerUp == kTrue) {
    // Both offsets use the picture's width, so a tall enemy's power-up starts above its centre.
    AddPowerUp(g, static_cast<int>(RoundHalfEven(e.X + size.w * 15 / 2.0)),
               static_cast<int>(RoundHalfEven(e.Y + size.w * 15 / 2.0)));
  }
  PlaySfx(g, 100);
  if (e.IsBoss == kTrue) {
    PlaySfx(g, 101);
    for (i32& frame : s.BossKillFrames) {
      if (frame == 0) {
        frame = s.FrameCount;
        break;
      }
    }
    s.BossBarMove = 2;
    AddExplosion(g, cx, cy, 2);
    e.IsBoss = 0;
  }
  s.Score = Add32(s.Score, e.ScoreValue);
  ShowScore(g);
  AddExplosion(g, cx, cy, 1);
}

}  // namespace kv::shooter
