// The frame tick: clocks, stars, explosions, the flashes and the end-of-game sequence.
#include "shooter/core/frame_loop.h"

#include "shooter/frontend/sound.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;
using Op = ui::DrawCommand::Op;

int CountPixels(const ui::Surface& s) {
  int n = 0;
  for (const auto& c : s.Commands()) n += c.op == Op::Pixel;
  return n;
}

TEST_F(ShooterTest, FramesCountOneEveryPeriodFromTheMissionStart) {
  Shooter& g = OpenPlaying();
  std::vector<std::pair<std::int64_t, i32>> seen;
  g.onTick = [&] { seen.emplace_back(platform_->NowMs(), g.st.FrameCount); };
  platform_->RunUntil(kMissionStartMs + 33 * 5);
  ASSERT_EQ(seen.size(), 5u);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].first, kMissionStartMs + 33 * static_cast<int>(i + 1));
    EXPECT_EQ(seen[i].second, static_cast<i32>(i + 1));
  }
  EXPECT_EQ(g.st.FramesThisSecond, 5);
}

TEST_F(ShooterTest, StarsFallByTheirSpeedAndRestartAtTheTopWithANewX) {
  Shooter& g = OpenPlaying();
  // Star 0 about to pass the bottom, star 1 in mid-field.
  g.st.Stars[0] = Star{1000, 7900, 30, 1};
  g.st.Stars[1] = Star{2000, 3000, 25, 2};
  const std::uint64_t before = g.rng.Draws();
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Stars[1].Y, 3025);
  EXPECT_EQ(g.st.Stars[0].Y, 1440);
  EXPECT_GE(g.st.Stars[0].X, 720);
  EXPECT_LE(g.st.Stars[0].X, 5640);
  EXPECT_GE(g.st.Stars[0].Speed, 20);
  EXPECT_LE(g.st.Stars[0].Speed, 60);
  EXPECT_TRUE(g.st.Stars[0].Shade == 2 || g.st.Stars[0].Shade == 3);
  EXPECT_GE(g.rng.Draws() - before, 3u);  // X, Speed and Shade of the restarted star
  // The restarted star is drawn on the same tick at its new place.
  const auto& cmds = g.Play_Layer->Commands();
  const auto px = [](int tw) { return static_cast<std::int16_t>(RoundHalfEven(tw / 15.0)); };
  bool found = false;
  for (const auto& c : cmds) found |= c.op == Op::Pixel && c.x == px(g.st.Stars[0].X) && c.y == px(1440);
  EXPECT_TRUE(found);
}

TEST_F(ShooterTest, OnlyStarsUpToTheDetailLevelMove) {
  Shooter& g = OpenPlaying();
  g.st.Stars[51] = Star{1000, 2000, 30, 1};
  g.st.Stars[50] = Star{1000, 2000, 30, 1};
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Stars[50].Y, 2030);
  EXPECT_EQ(g.st.Stars[51].Y, 2000);
  EXPECT_EQ(g.tick.starsMoved, 51);
  EXPECT_EQ(CountPixels(*g.Play_Layer), 51);
}

TEST_F(ShooterTest, AnIdleTickDrawsNothingButStillRunsTheScriptAndFreesRinguShots) {
  Shooter& g = OpenPlaying();
  tmOneFrame_Timer(g);
  const auto commands = g.Play_Layer->Commands().size();
  g.st.PlayLayerOn = 0;
  g.st.Equip[1] = 1;
  g.st.PlayerShots[200].Active = -1;
  g.st.PlayerShots[289].Active = -1;
  g.st.PlayerShots[199].Active = -1;
  const i32 frame = g.st.FrameCount;
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.FrameCount, frame);
  EXPECT_EQ(g.Play_Layer->Commands().size(), commands);
  EXPECT_EQ(g.st.PlayerShots[200].Active, 0);
  EXPECT_EQ(g.st.PlayerShots[289].Active, 0);
  EXPECT_EQ(g.st.PlayerShots[199].Active, -1);  // a main-gun slot
}

TEST_F(ShooterTest, RinguShotsAreKeptForOtherSideGuns) {
  Shooter& g = OpenPlaying();
  g.st.Equip[1] = 2;
  g.st.PlayerShots[200].Active = -1;
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.PlayerShots[200].Active, -1);
}

TEST_F(ShooterTest, SoundNinetyNineOnlyOnPositiveClockValuesEndingInOne) {
  Shooter& g = OpenPlaying();
  std::vector<i32> at;
  for (int i = 0; i < 25; ++i) {
    tmOneFrame_Timer(g);
    for (int k = 0; k < g.tick.sfxCount; ++k)
      if (g.tick.sfx[static_cast<std::size_t>(k)] == 99) at.push_back(g.st.FrameCount);
  }
  EXPECT_EQ(at, (std::vector<i32>{1, 11, 21}));
  g.st.FrameCount = -30;
  bool any = false;
  for (int i = 0; i < 25; ++i) {
    tmOneFrame_Timer(g);
    for (int k = 0; k < g.tick.sfxCount; ++k) any |= g.tick.sfx[static_cast<std::size_t>(k)] == 99;
  }
  EXPECT_FALSE(any);  // -9 Mod 10 is -9
}

TEST_F(ShooterTest, AfterDeathGameOverComesTwoHundredTicksLaterAndTheTitle299) {
  Shooter& g = OpenPlaying();
  g.st.FrameCount = -300;
  std::vector<std::string> lines;
  int gameOverTick = 0, titleTick = 0;
  ui::Colour fore = 0, back = 0;
  for (int tick = 1; tick <= 320 && titleTick == 0; ++tick) {
    tmOneFrame_Timer(g);
    const std::string& line = g.hud.BufferText[0]->Caption();
    if (line == " GAME OVER " && gameOverTick == 0) {
      gameOverTick = tick;
      fore = g.hud.BufferText[0]->ForeColor;
      back = g.hud.BufferText[0]->BackColor;
    }
    if (line.find("HQ") != std::string::npos || line.find("QZBTR") != std::string::npos) lines.push_back(line);
    if (g.st.PlayLayerOn == 0) titleTick = tick;
  }
  EXPECT_EQ(gameOverTick, 200);
  EXPECT_EQ(titleTick, 299);
  EXPECT_TRUE(lines.empty());  // -380 and -330 lie before -300
  EXPECT_EQ(fore, 0xFFFFFFu);
  EXPECT_EQ(back, 0x0000FFu);  // white on red
  EXPECT_EQ(g.st.GameInitialised, 0);
  EXPECT_EQ(g.st.MenuLayerOn, -1);
  EXPECT_FALSE(g.tmOneFrame->Enabled());
  // The title menu itself is set up 0.2 s later, on the second delay tick.
  platform_->RunUntil(platform_->NowMs() + 400);
  EXPECT_EQ(g.st.MenuFirst, 0);
  EXPECT_EQ(g.st.MenuLast, 2);
}

TEST_F(ShooterTest, AfterVictoryTheClosingLinesAndTheThemeMusicFollowTheClock) {
  Shooter& g = OpenPlaying();
  g.st.FrameCount = -400;
  struct Seen {
    int tick;
    std::string line;
  };
  std::vector<Seen> seen;
  std::vector<int> musicAt;
  std::string last;
  for (int tick = 1; tick <= 399; ++tick) {
    tmOneFrame_Timer(g);
    const std::string& line = g.hud.BufferText[0]->Caption();
    if (!line.empty() && line != last) seen.push_back({tick, line});
    last = line;
    if (g.tick.musicCount > 0 && g.tick.music[0] == "theme.mp3") musicAt.push_back(tick);
  }
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].tick, 20);
  EXPECT_EQ(seen[0].line, " HQ: YES! WE DID IT!!! RETURN TO BASE!");
  EXPECT_EQ(seen[1].tick, 70);
  EXPECT_EQ(seen[1].line, " TYPE QZBTR AS PASSWORD FOR EXTRA GAME ");
  EXPECT_EQ(seen[2].tick, 300);
  EXPECT_EQ(seen[2].line, " GAME OVER ");
  EXPECT_EQ(musicAt, std::vector<int>{20});
  EXPECT_EQ(g.st.PlayLayerOn, 0);  // back to the title at -1
}

TEST_F(ShooterTest, AnExplosionWithLastFrameOneIsDrawnOnceAndFreedTheSameTick) {
  Shooter& g = OpenPlaying();
  g.st.Explosions[3] = Blast{-1, 13, 1500, 3000, 1, 1};
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Explosions[3].Active, 0);
  int pictures = 0;
  for (const auto& c : g.Play_Layer->Commands()) pictures += c.op == Op::Picture && c.image == g.images.Picture(13, 1);
  EXPECT_EQ(pictures, 1);
  tmOneFrame_Timer(g);
  pictures = 0;
  for (const auto& c : g.Play_Layer->Commands()) pictures += c.op == Op::Picture && c.image == g.images.Picture(13, 1);
  EXPECT_EQ(pictures, 0);
}

TEST_F(ShooterTest, AnExplosionOffTheTopLeftIsClampedToTheCorner) {
  Shooter& g = OpenPlaying();
  // A kind-2 explosion centred on (500, 600) has its corner at (-1420, -840).
  g.st.Explosions[0] = Blast{-1, 2, -1420, -840, 1, 30};
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.Explosions[0].X, 0);
  EXPECT_EQ(g.st.Explosions[0].Y, 0);
  EXPECT_EQ(g.st.Explosions[0].Frame, 2);
  bool drawnAtCorner = false;
  for (const auto& c : g.Play_Layer->Commands())
    drawnAtCorner |= c.op == Op::Picture && c.image == g.images.Picture(2, 1) && c.x == 0 && c.y == 0;
  EXPECT_TRUE(drawnAtCorner);
}

TEST_F(ShooterTest, TheDeathFlashShowsTwoWhiteTicksThenABlackOne) {
  Shooter& g = OpenPlaying();
  g.hud.Stats_Bar->Top = 7440;
  g.st.DeathFlag = 1;
  struct Tick {
    ui::Colour back;
    int top;
    i16 flag;
  };
  std::vector<Tick> seen;
  for (int i = 0; i < 4; ++i) {
    tmOneFrame_Timer(g);
    seen.push_back({g.Play_Layer->BackColor, g.hud.Stats_Bar->Top, g.st.DeathFlag});
  }
  EXPECT_EQ(seen[0].back, 0xFFFFFFu);
  EXPECT_EQ(seen[0].top, 6960);
  EXPECT_EQ(seen[1].back, 0xFFFFFFu);
  EXPECT_EQ(seen[1].top, 6480);
  EXPECT_EQ(seen[2].back, 0x000000u);
  EXPECT_EQ(seen[2].top, 7440);
  EXPECT_EQ(seen[2].flag, 0);
  EXPECT_EQ(seen[3].back, 0x000000u);
  // The white fill covers what the tick drew before it.
  g.st.DeathFlag = 1;
  tmOneFrame_Timer(g);
  EXPECT_TRUE(g.Play_Layer->Commands().size() < 10u);
}

TEST_F(ShooterTest, TheStormFlashIsDrawnOnFiveTicks) {
  Shooter& g = OpenPlaying();
  g.st.FlashFlag = 1;
  int ticksWithFlash = 0;
  for (int i = 0; i < 8; ++i) {
    tmOneFrame_Timer(g);
    int n = 0;
    for (const auto& c : g.Play_Layer->Commands()) n += c.op == Op::Picture && c.image == g.images.Picture(27, 1);
    if (n == 2) ++ticksWithFlash;
  }
  EXPECT_EQ(ticksWithFlash, 5);
  EXPECT_EQ(g.st.FlashFlag, 0);
}

TEST_F(ShooterTest, ClocksWrapWithoutFault) {
  Shooter& g = OpenPlaying();
  g.st.FramesThisSecond = 32767;
  tmOneFrame_Timer(g);
  EXPECT_EQ(g.st.FramesThisSecond, -32768);
}

}  // namespace
}  // namespace kv::testing
