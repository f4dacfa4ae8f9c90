// HiScore.txt: the report's lines, when it is written, and that a write never leaves half a file.
#include "shooter/frontend/report.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "shooter/frontend/mission.h"
#include "shooter/frontend/text_file.h"
#include "tests/shooter_fixture.h"

namespace kv::testing {
namespace {

using namespace kv::shooter;
namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(ReportFormat, AverageFramesPerSecond) {
  struct Case {
    i32 frames, seconds;
    const char* want;
  };
  const Case cases[] = {{51, 2, "25.5"}, {52, 2, "26"},    {100, 3, "33.33"}, {200, 3, "66.67"},
                        {1, 8, "0.12"},  {3, 8, "0.38"},   {5, 8, "0.62"},    {25, 0, "25"},
                        {0, 5, "0"},     {2701, 100, "27.01"}, {2710, 100, "27.1"}};
  for (const Case& c : cases) EXPECT_EQ(AverageFps(c.frames, c.seconds), c.want) << c.frames << "/" << c.seconds;
}

TEST(ReportFormat, ElevenQuotedCrLfLinesWithThirteenCharacterLabels) {
  ReportFacts f;
  f.score = 1250;
  f.equipment = {"Chaingun", "Missiles", "Fire Cutter", "KVS Mark I", "Core Type A", "Slow"};
  f.frames = 7431;
  f.kills = 12;
  f.lastBossDestroyed = false;
  f.framesTotal = 51;
  f.fpsSeconds = 2;
  EXPECT_EQ(FormatReport(f),
            "\"High Score : 1250\"\r\n"
            "\"Main Gun   : Chaingun\"\r\n"
            "\"Side Gun   : Missiles\"\r\n"
            "\"Special    : Fire Cutter\"\r\n"
            "\"Shield     : KVS Mark I\"\r\n"
            "\"Generator  : Core Type A\"\r\n"
            "\"Engine     : Slow\"\r\n"
            "\"Duration   : 7431 Frame(s)\"\r\n"
            "\"Total Kill : 12 Ship(s)\"\r\n"
            "\"Last Boss  : Failed\"\r\n"
            "\"Ave. FPS   : 25.5\"\r\n");
  f.lastBossDestroyed = true;
  EXPECT_NE(FormatReport(f).find("\"Last Boss  : Destroyed\"\r\n"), std::string::npos);
}

class ReportFileTest : public FlyingTest {
 protected:
  void Store(const std::string& text) { std::ofstream(dataDir_ / "HiScore.txt", std::ios::binary) << text; }
  std::string Stored() { return Slurp(dataDir_ / "HiScore.txt"); }
};

TEST_F(ReportFileTest, TheStoredScoreIsReadFromTheFirstLine) {
  struct Case {
    const char* name;
    bool exists;
    std::string text;
    i64 want;
  };
  const Case cases[] = {
      {"shipped", true, "\"High Score : 0\"\r\n", 0},
      {"a run", true, "\"High Score : 98765\"\r\n\"Main Gun   : Chaingun\"\r\n", 98765},
      {"missing", false, "", 0},
      {"empty", true, "", 0},
      {"short", true, "\"High\"\r\n", 0},
      {"garbled", true, "\x01\x02 nonsense\r\n", 0},
      {"no quotes", true, "High Score : 400\r\n", 400},
      {"blanks before the number", true, "\"High Score :    77x\"\r\n", 77},
  };
  for (const Case& c : cases) {
    fs::remove(dataDir_ / "HiScore.txt");
    if (c.exists) Store(c.text);
    EXPECT_EQ(StoredHighScore(dataDir_ / "HiScore.txt"), c.want) << c.name;
  }
}

TEST_F(ReportFileTest, AFirstGameOverAStoredZeroRewritesAllElevenLines) {
  Shooter& g = Fly({1, 2, 3, 4, 2, 3});
  Store("\"High Score : 0\"\r\n");
  g.st.Score = 1250;
  g.st.FrameCount = 7431;
  g.st.Kills = 12;
  g.st.FramesTotal = 51;
  g.st.FpsSeconds = 2;
  WriteReport(g);
  const std::string report = Stored();
  EXPECT_EQ(report.rfind("\"High Score : 1250\"\r\n\"Main Gun   : C-Laser\"\r\n\"Side Gun   : Steel Blades\"\r\n", 0), 0u)
      << report;
  EXPECT_NE(report.find("\"Engine     : Hyper\"\r\n\"Duration   : 7431 Frame(s)\"\r\n"), std::string::npos);
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 11);
  EXPECT_FALSE(fs::exists(dataDir_ / "HiScore.txt.tmp"));
}

TEST_F(ReportFileTest, AnEqualOrLowerScoreLeavesTheReportAlone) {
  Shooter& g = Fly();
  const std::string old = "\"High Score : 1250\"\r\n\"Main Gun   : E-Wave\"\r\n";
  for (i32 score : {1250, 900}) {
    Store(old);
    g.st.Score = score;
    WriteReport(g);
    EXPECT_EQ(Stored(), old) << score;
  }
}

TEST_F(ReportFileTest, DyingBeforeTheFirstSecondDividesByOne) {
  Shooter& g = Fly();
  fs::remove(dataDir_ / "HiScore.txt");  // a missing report counts as 0
  g.st.Score = 50;
  g.st.FramesTotal = 20;
  g.st.FpsSeconds = 0;
  PlayerDeath(g);
  EXPECT_NE(Stored().find("\"Ave. FPS   : 20\"\r\n"), std::string::npos) << Stored();
  EXPECT_EQ(g.st.FpsSeconds, 1);
}

TEST_F(ReportFileTest, TheDeathFreezesTheShipAndStartsTheGameOver) {
  Shooter& g = Fly();
  g.st.FrameCount = 345;
  g.st.Score = 10;
  g.tick.Clear();
  PlayerDeath(g);
  EXPECT_EQ(g.st.DeathFlag, 1);
  EXPECT_EQ(g.st.ShipLocked, -1);
  EXPECT_EQ(g.st.AutoPilot, -1);
  EXPECT_EQ(g.st.StatsBarMove, 1);
  EXPECT_EQ(g.st.ShipX, 0);
  EXPECT_EQ(g.st.ShipY, 0);
  EXPECT_EQ(g.st.FrameCount, -300);
  EXPECT_EQ(g.hud.BufferText[0]->Caption(), "Captain 'K: AHHHH!");
  EXPECT_EQ(g.st.Explosions[0].Kind, 1);
  EXPECT_EQ(g.st.Explosions[0].X, ToI16(2720 + 360 - 532.5));
  ASSERT_EQ(g.tick.sfxCount, 1);
  EXPECT_EQ(g.tick.sfx[0], 101);
  EXPECT_NE(Stored().find("\"Duration   : 345 Frame(s)\""), std::string::npos);
}

TEST(AtomicWrite, AKilledWriteLeavesTheOldFileWhole) {
  const fs::path dir = fs::temp_directory_path() / ("kv_atomic_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path file = dir / "HiScore.txt";
  const std::string old = "\"High Score : 1250\"\r\n";
  std::ofstream(file, std::ios::binary) << old;
  const std::string fresh(20000, 'x');
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    WriteTextFileAtomically(file, fresh, [] { ::raise(SIGKILL); });
    ::_exit(0);  // never reached
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(Slurp(file), old);  // the report stays whole
  // The next write replaces it completely.
  ASSERT_TRUE(WriteTextFileAtomically(file, fresh));
  EXPECT_EQ(Slurp(file), fresh);
  EXPECT_FALSE(fs::exists(dir / "HiScore.txt.tmp"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kv::testing
