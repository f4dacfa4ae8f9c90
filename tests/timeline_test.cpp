// The stage script: the opening, the acts counted from the boss kills, the ending, the spawn
// lists, and the two ways a boss could once be lost.
#include "shooter/content/timeline.h"

#include <map>

#include "shooter/content/spawn_lists.h"
#include "shooter/core/enemies.h"
#include "shooter/extra/extra_game.h"
#include "shooter/frontend/hud.h"
#include "shooter/frontend/menus.h"
#include "shooter/frontend/mission.h"
#include "shooter/core/drawing.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;

TEST(SpawnLists, NineHundredEnemiesActByActInKeyOrder) {
  std::map<int, int> perSection;
  for (std::size_t i = 0; i < kSpawnLines.size(); ++i) {
    perSection[kSpawnLines[i].section] += kSpawnLines[i].count;
    if (i > 0) {
      const auto& a = kSpawnLines[i - 1];
      const auto& b = kSpawnLines[i];
      EXPECT_TRUE(a.section < b.section || (a.section == b.section && a.key <= b.key)) << i;
    }
  }
  EXPECT_EQ(perSection[kActI], 35);
  EXPECT_EQ(perSection[kActII], 305);
  EXPECT_EQ(perSection[kActIII], 44);
  EXPECT_EQ(perSection[kActIV], 127);
  EXPECT_EQ(perSection[kFinalAct], 389);
}

TEST(Scripts, SortedAndEachActEndsWithItsBoss) {
  for (Script script : {Script(kMainScript), Script(kExtraScript)}) {
    for (std::size_t i = 1; i < script.size(); ++i) {
      const auto& a = script[i - 1];
      const auto& b = script[i];
      EXPECT_TRUE(a.section < b.section || (a.section == b.section && a.key <= b.key)) << i;
    }
  }
  // The last spawn of each act is its boss.
  for (Section s : {kActI, kActII, kActIII, kActIV, kFinalAct}) {
    const SpawnLine* last = nullptr;
    for (const SpawnLine& l : kSpawnLines)
      if (l.section == s) last = &l;
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(kSpawnSets[static_cast<std::size_t>(last->set)].boss) << s;
  }
}

class ScriptTest : public ShooterTest {
 protected:
  Shooter& Mission(const GameDefinition& def = kMainGame) {
    ShooterSettings s;
    s.programDir = KV_PROGRAM_DIR;
    s.dataDir = dataDir_;
    s.muted = [] { return false; };
    s.nowep = &nowep_;
    s.shieldHitCost = "1";  // the pilot survives the script's fire
    if (&def == &kExtraGame) {
      auto set = LoadImageSet(KV_PROGRAM_DIR, kExtraGame);
      EXPECT_TRUE(set.ok());
      extraImages_ = std::make_unique<ImageSet>(std::move(set.value()));
    }
    game_ = std::make_unique<Shooter>(*platform_, rng_, def, &def == &kExtraGame ? *extraImages_ : *images_, s);
    Shooter& g = *game_;
    Form_Initialize(g);
    Form_Load(g);
    platform_->ShowWindow(g.window);
    g.skipTitleToPlay = true;
    platform_->RunUntil(platform_->NowMs() + kMissionStartMs);
    g.tmOneFrame->SetEnabled(false);  // ticks by hand
    return g;
  }
  // Runs ticks until the clock reads `frame`.
  void Ticks(Shooter& g, int n) {
    for (int i = 0; i < n; ++i) tmOneFrame_Timer(g);
  }
  void To(Shooter& g, i32 frame) {
    for (int guard = 0; g.st.FrameCount < frame && guard < 20000; ++guard) tmOneFrame_Timer(g);
    ASSERT_EQ(g.st.FrameCount, frame);
  }
  void ClearEnemies(Shooter& g) {
    for (Enemy& e : g.st.Enemies) e.Active = 0;
  }
  // Destroys the boss in play now, as a shot would.
  void KillBoss(Shooter& g) {
    for (int i = 1; i <= 40; ++i) {
      Enemy& e = g.st.Enemies[static_cast<std::size_t>(i)];
      if (e.Active == -1 && e.IsBoss == -1) {
        e.HP = 0;
        EnemyDown(g, i);
        return;
      }
    }
    FAIL() << "no boss in play";
  }
  std::string nowep_ = "x";
  std::unique_ptr<ImageSet> extraImages_;
};

TEST_F(ScriptTest, TheOpeningParksFliesInAndHandsOver) {
  Shooter& g = Mission();
  To(g, 1);
  EXPECT_EQ(g.st.ShipX, 2800);
  EXPECT_EQ(g.st.ShipY, 8000);
  EXPECT_EQ(g.st.ShipLocked, -1);
  To(g, 20);
  EXPECT_EQ(g.hud.BufferText[0]->Caption(), " MISSION START ");
  EXPECT_EQ(g.hud.BufferText[0]->ForeColor, 0xFFFFFFu);
  EXPECT_EQ(g.hud.BufferText[0]->BackColor, 0x0000FFu);
  ASSERT_EQ(g.tick.musicCount, 1);
  EXPECT_EQ(g.tick.music[0], "track2.mp3");
  EXPECT_EQ(g.tick.sfx[g.tick.sfxCount - 1], 5);
  EXPECT_EQ(g.st.AutoPilot, -1);
  To(g, 46);
  EXPECT_EQ(g.st.ShipY, 6000);  // 25 ticks up at the slow engine's 80
  To(g, 149);
  EXPECT_EQ(g.st.ShipLocked, -1);
  EXPECT_EQ(g.st.ShipY, 6000);
  To(g, 150);
  EXPECT_EQ(g.st.ShipLocked, 0);
  EXPECT_EQ(g.st.AutoPilot, 0);
  EXPECT_TRUE(g.hud.Stats_Bar->Visible);
  EXPECT_EQ(g.st.StatsBarMove, 2);
}

TEST_F(ScriptTest, ActOneSpawnsAndItsBossComesAtTwelveFifty) {
  Shooter& g = Mission();
  To(g, 170);
  EXPECT_EQ(g.hud.BufferText[0]->Caption(), " ACT I ");
  EXPECT_EQ(g.st.Enemies[1].Active, -1);
  EXPECT_EQ(g.st.Enemies[1].X, 1760);
  EXPECT_EQ(g.st.Enemies[1].Behaviour, 88);
  To(g, 1249);
  ClearEnemies(g);
  To(g, 1250);
  EXPECT_EQ(g.hud.Boss_Name->Caption(), "BOSS I");
  EXPECT_EQ(g.st.Enemies[1].IsBoss, -1);
  EXPECT_EQ(g.st.Enemies[1].Sprite, 19);
  EXPECT_EQ(g.st.BossBarMove, 1);
}

TEST_F(ScriptTest, KillingBossOneStartsActTwoFiftyTicksLaterAndItsBossAt1420) {
  Shooter& g = Mission();
  To(g, 1250);
  To(g, 1300);
  KillBoss(g);
  const i32 f = g.st.FrameCount;
  EXPECT_EQ(g.st.BossKillFrames[0], f);
  To(g, f + 49);
  EXPECT_NE(g.hud.BufferText[0]->Caption(), " ACT II ");
  To(g, f + 50);
  EXPECT_EQ(g.hud.BufferText[0]->Caption(), " ACT II ");
  To(g, f + 1419);
  ClearEnemies(g);
  EXPECT_NE(g.hud.Boss_Name->Caption(), "BOSS II");
  To(g, f + 1420);
  EXPECT_EQ(g.hud.Boss_Name->Caption(), "BOSS II");
}

TEST_F(ScriptTest, TheEndEntryComesTheTickAfterTheFifthKill) {
  Shooter& g = Mission();
  std::filesystem::remove(dataDir_ / "HiScore.txt");
  g.st.FrameCount = 5000;
  g.st.BossKillFrames = {1300, 2000, 3000, 4000, 0};
  g.st.Score = 5000;
  SpawnEnemy(g, {18, 22, 2400, 1500, 0, 0, 1, 8000, 666, -1, 0});
  KillBoss(g);  // at 5000
  EXPECT_EQ(g.st.BossKillFrames[4], 5000);
  EXPECT_EQ(g.st.LastBossDestroyed, 0);
  RunTimeline(g);  // nothing at F5 itself
  EXPECT_EQ(g.st.LastBossDestroyed, 0);
  tmOneFrame_Timer(g);  // F5 + 1
  EXPECT_EQ(g.st.LastBossDestroyed, -1);
  EXPECT_EQ(g.st.FrameCount, -400);
  EXPECT_TRUE(std::filesystem::exists(dataDir_ / "HiScore.txt"));
  Ticks(g, 30);
  EXPECT_EQ(g.st.FrameCount, -370);
}

TEST_F(ScriptTest, AWallOfFourteenFillsOnlyTheFreeSlotsFromItsLeftEnd) {
  Shooter& g = Mission();
  g.st.BossKillFrames = {100, 200, 300, 0, 0};
  g.st.FrameCount = 300 + 1079;
  for (int i = 1; i <= 35; ++i) g.st.Enemies[static_cast<std::size_t>(i)] = Enemy{-1, 25, 11, 1, 3000, 3000, 0, 0, 0, 10, 10, 0, 0, 0, 0};
  tmOneFrame_Timer(g);  // Act IV key 1080
  std::vector<int> xs;
  for (int i = 36; i <= 40; ++i) xs.push_back(g.st.Enemies[static_cast<std::size_t>(i)].X);
  EXPECT_EQ(xs, (std::vector<int>{900, 1200, 1500, 1800, 2100}));
}

TEST_F(ScriptTest, NothingFiresWhileTheClockIsNegative) {
  Shooter& g = Mission();
  g.st.FrameCount = -300;
  g.st.BossKillFrames = {1300, 0, 0, 0, 0};
  for (int i = 0; i < 299; ++i) tmOneFrame_Timer(g);
  for (const Enemy& e : g.st.Enemies) EXPECT_EQ(e.Active, 0);
}

TEST_F(ScriptTest, ABossThatFindsTheTableFullWaitsForTheFirstFreeSlot) {
  Shooter& g = Mission();
  To(g, 1249);
  for (int i = 1; i <= 40; ++i) g.st.Enemies[static_cast<std::size_t>(i)] = Enemy{-1, 25, 11, 1, 3000, 3000, 0, 0, 0, 10, 10, 0, 0, 0, 0};
  To(g, 1250);
  for (const Enemy& e : g.st.Enemies) EXPECT_NE(e.IsBoss, -1);
  Ticks(g, 5);
  g.st.Enemies[17].Active = 0;  // a slot frees
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Enemies[17].IsBoss, -1);
  EXPECT_EQ(g.st.Enemies[17].Behaviour, 4646);
  EXPECT_EQ(g.st.Enemies[17].X, 2400);
  EXPECT_EQ(g.st.WaitingBossSet, -1);
}

TEST_F(ScriptTest, ABossThatDriftsOutComesBackWithTheHitPointsItHadLeft) {
  Shooter& g = Mission();
  g.st.FrameCount = 5000;
  g.st.ShipX = 720;
  const int slot = SpawnEnemy(g, {23, 11, 3050, 0, 3311, 80, 4500, 1700, 999, -1, 0});
  Enemy& boss = g.st.Enemies[static_cast<std::size_t>(slot)];
  boss.HP = 1234;
  boss.X = 40;  // the next left step takes it out
  boss.Age = 10;
  Ticks(g, 1);
  EXPECT_EQ(boss.Active, -1);
  EXPECT_EQ(boss.X, 3050);
  EXPECT_EQ(boss.Y, 0);
  EXPECT_EQ(boss.HP, 1234);
  Ticks(g, 30);
  EXPECT_EQ(boss.Y, 24 * 80);  // it enters again as it first did
}

TEST_F(ScriptTest, BothGamesSpawnTheSameEnemiesForTheSameRandomNumbers) {
  auto record = [&](const GameDefinition& def) {
    rng_.Seed(42);
    Shooter& g = Mission(def);
    std::vector<std::array<int, 6>> spawns;
    std::array<Enemy, kEnemySlots> before{};
    for (int kill = 0; kill < 5; ++kill) {
      for (int t = 0; t < 1700; ++t) {
        before = g.st.Enemies;
        tmOneFrame_Timer(g);
        for (std::size_t i = 1; i <= 40; ++i) {
          const Enemy& e = g.st.Enemies[i];
          if (e.Active == -1 && e.Age == 0 && (before[i].Active == 0 || before[i].Age != 0))
            spawns.push_back({e.Sprite, e.X, e.Y, e.Behaviour, e.HP, e.FirePattern});
        }
        ClearEnemies(g);  // nothing lives on to shoot or be shot
        for (EnemyShot& s : g.st.EnemyShots) s.Active = 0;
        g.st.WaitingBossSet = -1;
      }
      g.st.BossKillFrames[static_cast<std::size_t>(kill)] = g.st.FrameCount;
    }
    return spawns;
  };
  const auto main = record(kMainGame);
  const auto extra = record(kExtraGame);
  EXPECT_EQ(main.size(), 900u);
  EXPECT_EQ(main, extra);
}

TEST_F(ScriptTest, TheExtraGameHasNoRadioLinesFromHeadquarters) {
  Shooter& g = Mission(kExtraGame);
  std::vector<std::string> lines;
  std::string last;
  for (int t = 0; t < 1300; ++t) {
    tmOneFrame_Timer(g);
    const std::string& line = g.hud.BufferText[0]->Caption();
    if (!line.empty() && line != last) lines.push_back(line);
    last = line;
    ClearEnemies(g);
  }
  EXPECT_EQ(lines, (std::vector<std::string>{" REVENGE START ", "> VADIR ER: I WILL MAKE YOU SUFFER  ", " ACT I "}));
  EXPECT_EQ(g.hud.Boss_Name->Caption(), "TARGET I");
}

TEST_F(ScriptTest, ActFourStillSpawnsItsPodAtTwelveSixtyInTheExtraGame) {
  Shooter& g = Mission(kExtraGame);
  g.st.BossKillFrames = {100, 200, 300, 0, 0};
  g.st.FrameCount = 300 + 1259;
  ClearEnemies(g);
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Enemies[1].Sprite, 21);
  EXPECT_EQ(g.st.Enemies[1].X, 1000);
  EXPECT_TRUE(g.hud.BufferText[0]->Caption().empty());
}

TEST_F(ScriptTest, TheExtraGamesTwoEndings) {
  struct Case {
    const char* nowep;
    const char* line;
    const char* music;
    const char* hint;
  };
  const Case cases[] = {
      {"ok", " NO 2ND WEAPON GAME BEAT!! CONGRADULATIONS!", "theme.mp3", " TYPE DUNEKETTLE AS PASSWORD FOR SOMETHING "},
      {"x", " VADIR ER: I WIN...", "track1.mp3", " TYPE PLOMVARTE AS PASSWORD FOR SOMETHING "},
  };
  for (const Case& c : cases) {
    Shooter& g = Mission(kExtraGame);
    nowep_ = c.nowep;
    g.st.FrameCount = -400;
    std::vector<std::string> lines, music;
    std::string last;
    for (int t = 0; t < 320; ++t) {
      tmOneFrame_Timer(g);
      const std::string& line = g.hud.BufferText[0]->Caption();
      if (!line.empty() && line != last) lines.push_back(line);
      last = line;
      for (int i = 0; i < g.tick.musicCount; ++i) music.emplace_back(g.tick.music[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{c.line, c.hint, " REVENGE OVER "})) << c.nowep;
    EXPECT_EQ(music, std::vector<std::string>{c.music}) << c.nowep;
  }
}

TEST_F(ScriptTest, TheNoSecondWeaponFlagFollowsTheSideGunShownLast) {
  Shooter& g = Mission(kExtraGame);
  EXPECT_EQ(nowep_, "ok");  // loading shows "None (Pro)"
  SetEquipName(g, 1, 3);
  EXPECT_EQ(nowep_, "x");
  SetEquipName(g, 1, 0);
  EXPECT_EQ(nowep_, "ok");
  SetEquipName(g, 0, 2);
  EXPECT_EQ(nowep_, "ok");
}

TEST_F(ScriptTest, TheExtraGamesSideGunZeroFiresNothingAndItsShipIsItsOwnSize) {
  Shooter& g = Mission(kExtraGame);
  g.st.FrameCount = 5000;
  g.st.ShipLocked = 0;
  g.st.ShipY = 5000;
  g.st.FireHeld = -1;
  Ticks(g, 10);
  int main = 0, side = 0;
  for (int i = 0; i <= 199; ++i) main += g.st.PlayerShots[static_cast<std::size_t>(i)].Active == -1;
  for (int i = 200; i <= 289; ++i) side += g.st.PlayerShots[static_cast<std::size_t>(i)].Active == -1;
  EXPECT_GT(main, 0);
  EXPECT_EQ(side, 0);
  EXPECT_EQ(PictureSize(g, 0), (PixelSize{43, 38}));
  EXPECT_EQ(g.menus.menu[0]->Caption(), "REVENGE");
  EXPECT_EQ(g.menus.WBox[1]->Caption(), "None (Pro)");
}

TEST_F(ScriptTest, TheExtraGamesDeathLine) {
  Shooter& g = Mission(kExtraGame);
  g.st.FrameCount = 5000;
  PlayerDeath(g);
  EXPECT_EQ(g.hud.BufferText[0]->Caption(), "VADIR ER: NO NOT AGAIN!!");
}

}  // namespace
}  // namespace kv::testing
