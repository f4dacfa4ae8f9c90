// The head-up display: shield hits, part damage, weapon levels, kills, the panels and the log.
#include "shooter/frontend/effects.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/hud_bars.h"
#include "shooter/frontend/sound.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

TEST_F(FlyingTest, TheScoreBoxPadsToSixDigitsAndNeverCuts) {
  Shooter& g = Fly();
  const std::pair<i32, const char*> cases[] = {{0, "000000"}, {1250, "001250"}, {999999, "999999"}, {1000000, "1000000"}, {1234567, "1234567"}};
  for (const auto& [score, text] : cases) {
    g.st.Score = score;
    ShowScore(g);
    EXPECT_EQ(g.hud.BufferText[6]->Caption(), text);
  }
}

TEST_F(FlyingTest, WeaponLevelsClampAndPayTheirBonuses) {
  struct Case {
    i16 mg, sg;
    int which, up;
    i16 wantMg, wantSg;
    i32 bonus;
    const char *mgText, *sgText;
  };
  const Case cases[] = {
      {1, 1, 0, 1, 2, 1, 0, "MG  2.0", "SG   1.0"},
      {9, 1, 0, 1, 10, 1, 2000, "MG  10.0", "SG   1.0"},   // reaching 10 pays
      {10, 1, 0, 1, 10, 1, 2000, "MG  10.0", "SG   1.0"},  // and every upgrade at 10
      {10, 5, 1, 1, 10, 5, 4000, "MG  10.0", "SG   5.0"},  // side bonus raises the main gun too
      {3, 5, 1, 1, 4, 5, 2000, "MG  4.0", "SG   5.0"},
      {1, 1, 0, 0, 1, 1, 0, "MG  1.0", "SG   1.0"},      // lowering stops at 1
      {1, 1, 1, 0, 1, 1, 0, "MG  1.0", "SG   1.0"},
      {5, 3, 1, 0, 5, 2, 0, "MG  5.0", "SG   2.0"},
  };
  for (const Case& c : cases) {
    Shooter& g = Fly();
    g.st.MainGunLevel = c.mg;
    g.st.SideGunLevel = c.sg;
    g.st.Score = 100;
    WeaponLevel(g, c.which, c.up);
    EXPECT_EQ(g.st.MainGunLevel, c.wantMg);
    EXPECT_EQ(g.st.SideGunLevel, c.wantSg);
    EXPECT_EQ(g.st.Score, 100 + c.bonus);
    EXPECT_EQ(g.hud.Stt_LVL_MG->Caption(), c.mgText);
    EXPECT_EQ(g.hud.Stt_LVL_SG->Caption(), c.sgText);
  }
}

TEST_F(FlyingTest, DamagePartTakesFramesThisSecondAsItsDice) {
  struct Case {
    i16 frames;
    bool engineAlreadyBroken;
    const char* want;  // the part hit, or "death"
  };
  const Case cases[] = {{22, false, "engine"}, {21, false, "side"}, {19, false, "death"},
                        {22, true, "generator"}, {20, false, "main"}, {23, false, "generator"}};
  for (const Case& c : cases) {
    Shooter& g = Fly();
    if (c.engineAlreadyBroken) g.st.EngineBroken = -1;
    g.st.FramesThisSecond = c.frames;
    DamagePart(g);
    const std::string got = g.st.FrameCount == -300            ? "death"
                            : g.st.GeneratorBroken != 0         ? "generator"
                            : g.st.SideGunBroken != 0           ? "side"
                            : g.st.MainGunBroken != 0           ? "main"
                            : g.st.EngineBroken != 0            ? "engine"
                                                                 : "none";
    EXPECT_EQ(got, c.want) << c.frames;
    if (got == "engine") {
      EXPECT_EQ(g.hud.Stt_ENG_R->Width, 0);
    }
  }
}

TEST_F(FlyingTest, FourUnshieldedHitsBreakTheFourPartsThenTheNextKills) {
  Shooter& g = Fly();
  g.st.ShieldUp = 0;
  g.st.EngineRate = 0;  // no repairs in between
  for (int hit = 0; hit < 4; ++hit) {
    g.st.FramesThisSecond = 4;  // never the one in ten
    ShieldHit(g);
    EXPECT_EQ(g.st.FrameCount >= 0, true) << hit;
  }
  EXPECT_EQ(g.st.MainGunBroken & g.st.SideGunBroken & g.st.EngineBroken & g.st.GeneratorBroken, -1);
  g.st.FramesThisSecond = 4;
  ShieldHit(g);
  EXPECT_EQ(g.st.FrameCount, -300);
}

TEST_F(FlyingTest, TheShieldDropsAtTheHitThatLeavesFifteenTwipsOrLess) {
  struct Case {
    int shield;
    int dropsAtHit;
  };
  for (const Case c : {Case{0, 1}, Case{1, 3}, Case{4, 6}}) {
    Shooter& g = Fly({0, 0, 0, c.shield, 0, 0});
    int dropped = 0;
    for (int hit = 1; hit <= 8 && dropped == 0; ++hit) {
      ShieldHit(g);
      if (g.st.ShieldUp == 0) dropped = hit;
    }
    EXPECT_EQ(dropped, c.dropsAtHit) << c.shield;
    EXPECT_EQ(g.hud.BAR_SHD_C->Width, 15);
    EXPECT_EQ(g.hud.Stt_SHD_Lbl->BackColor, 0x0000C0u);
    EXPECT_EQ(g.st.ShieldBarFlag, -1);
    EXPECT_EQ(g.st.ShieldHitMark, 1);
  }
}

TEST_F(FlyingTest, AHitDuringTheRechargeDoesNotRestartIt) {
  Shooter& g = Fly({0, 0, 0, 4, 0, 0});
  ShieldHit(g);
  EXPECT_EQ(BarWidth(g, Bar::ShieldRecharge), 0);
  SetBarWidth(g, Bar::ShieldRecharge, 600);
  ShieldHit(g);
  EXPECT_EQ(BarWidth(g, Bar::ShieldRecharge), 600);
}

TEST_F(FlyingTest, TheNoDeathCostTakesOneTwipPerHit) {
  Shooter& g = Fly({0, 0, 0, 0, 0, 0});
  g.st.ShieldHitCost = 1;
  for (int i = 0; i < 100; ++i) ShieldHit(g);
  EXPECT_EQ(BarWidth(g, Bar::ShieldCharge), 294);
  EXPECT_EQ(g.st.ShieldUp, -1);
}

TEST_F(FlyingTest, AnEnemyDownIsScoredCentredAndDropsItsPowerUp) {
  Shooter& g = Fly();
  // A pod (39 x 39) at (1000, 2000): its centre is 1292.5 each way, rounded half to even.
  g.st.Enemies[7] = Enemy{-1, 21, 11, 1, 1000, 2000, 5, 88, 30, 0, 100, 150, -1, 0, 0};
  g.st.Score = 1100;
  g.tick.Clear();
  EnemyDown(g, 7);
  EXPECT_EQ(g.st.Enemies[7].Active, 0);
  EXPECT_EQ(g.st.Kills, 1);
  EXPECT_EQ(g.st.Score, 1250);
  EXPECT_EQ(g.hud.BufferText[6]->Caption(), "001250");
  EXPECT_EQ(g.st.PowerUps[0].Active, -1);
  EXPECT_EQ(g.st.PowerUps[0].X, 1292);
  EXPECT_EQ(g.st.PowerUps[0].Y, 1292 + 1000);
  const Blast& b = g.st.Explosions[0];
  EXPECT_EQ(b.Kind, 1);
  EXPECT_EQ(b.X, ToI16(1292 - 532.5));
  EXPECT_EQ(b.Y, 1292 + 1000 - 750);
  ASSERT_EQ(g.tick.sfxCount, 1);
  EXPECT_EQ(g.tick.sfx[0], 100);
  // A second call does nothing: the enemy is gone.
  EnemyDown(g, 7);
  EXPECT_EQ(g.st.Kills, 1);
}

TEST_F(FlyingTest, APowerUpOfATallEnemyStartsAboveItsCentre) {
  Shooter& g = Fly();
  // The jellyfish is 186 x 118: both offsets use the width.
  g.st.Enemies[1] = Enemy{-1, 19, 21, 1, 1000, 2000, 5, 555, 30, 0, 800, 600, -1, 0, 0};
  EnemyDown(g, 1);
  EXPECT_EQ(g.st.PowerUps[0].Y, 2000 + 1395);
  EXPECT_EQ(g.st.Explosions[0].Y, 2000 + 885 - 750);
}

TEST_F(FlyingTest, ABossDownIsRecordedAndExplodesTwice) {
  Shooter& g = Fly();
  g.st.FrameCount = 1234;
  g.st.BossKillFrames = {900, 0, 0, 0, 0};
  g.st.Enemies[3] = Enemy{-1, 23, 11, 1, 3050, 1500, 500, 3311, 80, -20, 4500, 1700, 0, 999, -1};
  g.tick.Clear();
  EnemyDown(g, 3);
  EXPECT_EQ(g.st.BossKillFrames[1], 1234);
  EXPECT_EQ(g.st.BossBarMove, 2);
  EXPECT_EQ(g.st.Enemies[3].IsBoss, 0);
  EXPECT_EQ(g.st.Explosions[0].Kind, 2);
  EXPECT_EQ(g.st.Explosions[1].Kind, 1);
  ASSERT_EQ(g.tick.sfxCount, 2);
  EXPECT_EQ(g.tick.sfx[0], 100);
  EXPECT_EQ(g.tick.sfx[1], 101);
}

TEST_F(FlyingTest, EnemyDownLeavesALivingEnemyAlone) {
  Shooter& g = Fly();
  g.st.Enemies[2] = Enemy{-1, 25, 11, 1, 1000, 2000, 5, 88, 50, 1, 40, 50, 0, 1, 0};
  EnemyDown(g, 2);
  EXPECT_EQ(g.st.Enemies[2].Active, -1);
  EXPECT_EQ(g.st.Kills, 0);
}

TEST_F(FlyingTest, ExplosionKindsPlaceTheirCornerFromTheCentre) {
  struct Case {
    int kind;
    i16 x, y, last;
  };
  const Case cases[] = {{1, ToI16(1000 - 532.5), 1250, 16}, {2, 1000 - 1920, 2000 - 1440, 30},
                        {3, 1000 - 1920, 2000 - 1440, 22}, {13, 900, 1900, 5}, {17, 580, 1560, 5}};
  for (const Case& c : cases) {
    Shooter& g = Fly();
    AddExplosion(g, 1000, 2000, c.kind);
    const Blast& b = g.st.Explosions[0];
    EXPECT_EQ(b.X, c.x) << c.kind;
    EXPECT_EQ(b.Y, c.y) << c.kind;
    EXPECT_EQ(b.LastFrame, c.last) << c.kind;
    EXPECT_EQ(b.Frame, 1);
  }
  // 1000 - 532.5 = 467.5 rounds to the even 468.
  EXPECT_EQ(ToI16(1000 - 532.5), 468);
}

TEST_F(FlyingTest, FullTablesDropTheFortySecondExplosionAndTheFourthPowerUp) {
  Shooter& g = Fly();
  for (int i = 0; i < 42; ++i) AddExplosion(g, 2000 + i, 3000, 13);
  int active = 0;
  for (const Blast& b : g.st.Explosions) active += b.Active == -1;
  EXPECT_EQ(active, 41);
  EXPECT_EQ(g.st.Explosions[40].X, 2040 - 100);
  for (int i = 0; i < 4; ++i) AddPowerUp(g, 1000 + i, 2000);
  EXPECT_EQ(g.st.PowerUps[2].X, 1002);
  for (const PowerUp& p : g.st.PowerUps) EXPECT_EQ(p.Active, -1);
}

TEST_F(FlyingTest, TheStatusPanelSlidesInAndOut) {
  Shooter& g = Fly();
  g.st.StatsBarMove = 2;
  Ticks(g, 9);
  EXPECT_EQ(g.hud.Stats_Bar->Top, 7920 - 9 * 48);
  EXPECT_TRUE(g.hud.Stats_Bar->Visible);
  Ticks(g, 1);
  EXPECT_EQ(g.hud.Stats_Bar->Top, 7440);
  EXPECT_EQ(g.hud.Bufferbox[5]->Top, 1560);
  EXPECT_EQ(g.st.StatsBarMove, 0);
  g.st.StatsBarMove = 1;
  Ticks(g, 10);
  EXPECT_EQ(g.hud.Stats_Bar->Top, 7920);
  EXPECT_EQ(g.hud.Bufferbox[5]->Top, 1080);
  EXPECT_FALSE(g.hud.Stats_Bar->Visible);
}

TEST_F(FlyingTest, TheBannerStaysThirtyFourFramesBeforeItLeaves) {
  Shooter& g = Fly();
  g.st.BannerMove = 2;
  int shownFrames = 0, t = 0;
  while (t < 200 && !(g.st.BannerMove == 0 && g.hud.Bufferbox[6]->Top == 1080 && t > 20)) {
    Ticks(g, 1);
    ++t;
    if (g.hud.Bufferbox[6]->Top == 1560) ++shownFrames;
  }
  EXPECT_EQ(shownFrames, 34);
  EXPECT_EQ(g.hud.Bufferbox[6]->Top, 1080);
}

std::vector<std::string> Log(const Shooter& g) {
  std::vector<std::string> out;
  for (int i = 0; i < 5; ++i) out.push_back(g.hud.BufferText[static_cast<std::size_t>(i)]->Caption());
  return out;
}

TEST_F(FlyingTest, TheLogScrollsEveryThirtyFramesInFiveSteps) {
  Shooter& g = Fly();
  ShowMessage(g, " ACT I ", 0, 0);
  EXPECT_EQ(g.hud.Bufferbox[0]->Width, g.hud.BufferText[0]->Width);
  EXPECT_GT(g.hud.Bufferbox[0]->Width, 15);
  Ticks(g, 29);
  EXPECT_EQ(Log(g)[0], " ACT I ");
  std::vector<int> tops;
  for (int i = 0; i < 10; ++i) {
    Ticks(g, 1);
    tops.push_back(g.hud.Bufferbox[3]->Top);
  }
  // Steps of 72 on every even timer value, then the lines jump back to rest.
  EXPECT_EQ(tops, (std::vector<int>{3672, 3672, 3744, 3744, 3816, 3816, 3888, 3888, 3600, 3600}));
  EXPECT_EQ(Log(g), (std::vector<std::string>{"", " ACT I ", "", "", ""}));
  EXPECT_EQ(g.hud.Bufferbox[0]->Width, 15);
}

TEST_F(FlyingTest, WithoutNewMessagesTheLogEmptiesAfterFiveScrolls) {
  Shooter& g = Fly();
  ShowMessage(g, "one", 0, 0);
  int scrolls = 0;
  std::vector<std::string> before = Log(g);
  for (int t = 0; t < 400 && !(Log(g) == std::vector<std::string>(5, "")); ++t) {
    Ticks(g, 1);
    if (Log(g) != before) ++scrolls;
    before = Log(g);
  }
  EXPECT_EQ(scrolls, 5);
  EXPECT_EQ(Log(g), std::vector<std::string>(5, ""));
}

TEST_F(FlyingTest, TwoMessagesBetweenScrollsKeepOnlyTheSecond) {
  Shooter& g = Fly();
  ShowMessage(g, "first", 0, 0);
  ShowMessage(g, "second", 2, 1);
  Ticks(g, 39);
  EXPECT_EQ(Log(g), (std::vector<std::string>{"", "second", "", "", ""}));
  EXPECT_EQ(g.hud.BufferText[1]->ForeColor, 0x0000FFu);
  EXPECT_EQ(g.hud.BufferText[1]->BackColor, 0x0000FFu);
}

TEST_F(FlyingTest, AMessageWrittenDuringAScrollMovesDownWhenItEnds) {
  Shooter& g = Fly();
  ShowMessage(g, "old", 0, 0);
  Ticks(g, 62);  // "old" moved to line 1 in the first scroll; the second began at frame 60
  ASSERT_EQ(g.st.MessageScrolling, -1);
  ShowMessage(g, "new", 3, 0);
  Ticks(g, 7);
  EXPECT_EQ(Log(g), (std::vector<std::string>{"", "new", "old", "", ""}));
  EXPECT_EQ(g.hud.BufferText[1]->ForeColor, 0x0080FFu);
}

}  // namespace
}  // namespace kv::testing

namespace kv::testing {
namespace {

using namespace kv::shooter;

TEST_F(FlyingTest, ExplosionsTakeTheFourVoicesInTurn) {
  Shooter& g = Fly();
  g.st.ExplosionVoice = 0;
  const std::size_t before = platform_->Sounds().size();
  for (int i = 0; i < 5; ++i) PlaySfx(g, 100);
  std::vector<int> voices;
  for (std::size_t i = before; i < platform_->Sounds().size(); ++i) {
    const auto& e = platform_->Sounds()[i];
    if (e.what != headless::SoundEvent::What::Play) continue;
    for (int v = 0; v < 8; ++v) {
      // Player numbers follow the window's creation order: MP1, MP2, MP3, MP4, MP5, MPS(0..7).
      if (e.player == 5 + v) voices.push_back(v);
    }
  }
  EXPECT_EQ(voices, (std::vector<int>{1, 2, 3, 0, 1}));
  PlaySfx(g, 101);
  EXPECT_EQ(g.st.ExplosionVoice, 2);
  PlaySfx(g, 55);  // any other number only moves the voice on
  EXPECT_EQ(g.st.ExplosionVoice, 3);
}

TEST_F(FlyingTest, MutedEffectsAreSilentButTheGreetingVoiceAndMusicStillPlay) {
  muted_ = true;
  Shooter& g = Fly();
  const std::size_t before = platform_->Sounds().size();
  for (int n : {1, 3, 5, 7, 100, 101}) PlaySfx(g, n);
  for (std::size_t i = before; i < platform_->Sounds().size(); ++i)
    EXPECT_NE(platform_->Sounds()[i].what, headless::SoundEvent::What::Play);
  PlayMusic(g, "track2.mp3");
  EXPECT_EQ(g.sound.MediaPlayer1->FileName().filename(), "track2.mp3");
  EXPECT_EQ(g.Text1, "track2.mp3");
}

TEST_F(FlyingTest, AnEmptyMusicNameShowsTheNoFileBox) {
  Shooter& g = Fly();
  PlayMusic(g, "");
  ASSERT_FALSE(platform_->MessageBoxes().empty());
  EXPECT_EQ(platform_->MessageBoxes().back(), "Error: No file to play");
}

TEST(SoundVolumes, SettingsBecomeHundredthsOfADecibel) {
  const std::pair<int, int> cases[] = {{100, 0}, {80, -620}, {50, -1550}, {0, -3100}, {99, -31}, {1, -3069}};
  for (const auto& [setting, want] : cases) EXPECT_EQ(PlayerVolume(setting), want) << setting;
}

}  // namespace
}  // namespace kv::testing
