// The headless runner: its command line, its key files, and what a run writes.
#include "tools/headless/runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kv::testing {
namespace {

using headless::ParseArgs;
using headless::ParseKeys;

TEST(HeadlessRunnerArgs, BadArgumentsAreRefusedWithAMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--period", "0"},      {"--period", "61"},  {"--period"},           {"--detail", "ultra"},
      {"--equip", "5,0,0,0,0,0"}, {"--equip", "0,0,0"}, {"--game", "other"}, {"--seed", "x"},
      {"--screenshot", "100"}, {"--until", "-5"},   {"--frobnicate"},       {"--keys", "/no/such/file"},
      {"--dir", "/no/such/dir"}};
  for (const auto& args : bad) {
    auto r = ParseArgs(args, "/tmp");
    EXPECT_FALSE(r.ok()) << args[0];
    if (!r.ok()) {
      EXPECT_FALSE(r.error().empty());
      EXPECT_EQ(r.error().find('\n'), std::string::npos);
    }
  }
}

TEST(HeadlessRunnerArgs, GoodArgumentsAreTaken) {
  auto r = ParseArgs({"--seed", "9", "--period", "20", "--detail", "high", "--mute", "--nodeath", "--equip",
                      "4,3,4,4,2,3", "--play", "--until", "5000", "--screenshot", "300:b.png", "--screenshot",
                      "100:a.png"},
                     "/prog");
  ASSERT_TRUE(r.ok()) << r.error();
  const auto& o = r.value();
  EXPECT_EQ(o.seed, 9u);
  EXPECT_EQ(o.periodMs, 20);
  EXPECT_EQ(o.detail, 2);
  EXPECT_TRUE(o.mute && o.nodeath && o.play);
  EXPECT_EQ(o.equip, (std::array<int, 6>{4, 3, 4, 4, 2, 3}));
  EXPECT_EQ(o.until, 5000);
  EXPECT_EQ(o.dataDir, "/prog");
  ASSERT_EQ(o.screenshots.size(), 2u);
  EXPECT_EQ(o.screenshots[0].t, 100);  // in time order
}

TEST(HeadlessRunnerKeys, LinesCommentsAndErrors) {
  auto k = ParseKeys("# opening\n3000 down 38\n3100 up 38 # let go\n\n2900 down 115 2\n");
  ASSERT_TRUE(k.ok()) << k.error();
  ASSERT_EQ(k.value().size(), 3u);
  EXPECT_EQ(k.value()[0].t, 2900);  // sorted by time
  EXPECT_EQ(k.value()[0].shift, 2);
  EXPECT_TRUE(k.value()[1].down);
  EXPECT_FALSE(k.value()[2].down);
  for (const char* bad : {"100 press 38\n", "x down 38\n", "100 down\n", "100 down 300\n", "100 up 38 1 extra\n"}) {
    auto r = ParseKeys(bad);
    EXPECT_FALSE(r.ok()) << bad;
  }
}

std::vector<std::string> Lines(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(HeadlessRun, TitleAtFiveSecondsAndFramesEveryPeriodWhenPlaying) {
  const auto dir = std::filesystem::temp_directory_path() / ("kv_run_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(std::filesystem::path(KV_SOURCE_DIR) / "assets" / "custom.cfg", dir / "custom.cfg",
                             std::filesystem::copy_options::overwrite_existing);
  {
    auto o = ParseArgs({"--dir", dir.string(), "--until", "5000", "--final", (dir / "f.json").string()}, KV_PROGRAM_DIR);
    ASSERT_TRUE(o.ok()) << o.error();
    std::ostringstream err;
    ASSERT_EQ(headless::Run(o.value(), err), 0) << err.str();
    const auto f = Lines(dir / "f.json");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_NE(f[0].find("\"layers\":{\"menu\":-1,\"remap\":0,\"game\":0,\"play\":0,\"pause\":0}"), std::string::npos) << f[0];
    EXPECT_NE(f[0].find("\"t\":5000"), std::string::npos);
    EXPECT_NE(f[0].find("\"keys\":[38,40,37,39,32,88]"), std::string::npos);
    EXPECT_NE(f[0].find("\"quit\":false"), std::string::npos);
  }
  {
    auto o = ParseArgs({"--dir", dir.string(), "--play", "--until", "3000", "--trace", (dir / "t.jsonl").string(),
                        "--screenshot", "2900:" + (dir / "s.png").string()},
                       KV_PROGRAM_DIR);
    ASSERT_TRUE(o.ok()) << o.error();
    std::ostringstream err;
    ASSERT_EQ(headless::Run(o.value(), err), 0) << err.str();
    const auto t = Lines(dir / "t.jsonl");
    ASSERT_EQ(t.size(), 12u);  // frames at 2633, 2666, ... 2996
    for (std::size_t i = 0; i < t.size(); ++i) {
      EXPECT_EQ(t[i].rfind("{\"t\":" + std::to_string(2600 + 33 * (i + 1)) + ",\"frame\":" + std::to_string(i + 1) + ",", 0), 0u)
          << t[i];
    }
    EXPECT_NE(t[0].find("\"stars\":51"), std::string::npos);
    EXPECT_NE(t[0].find("\"sfx\":[99]"), std::string::npos);
    EXPECT_TRUE(std::filesystem::file_size(dir / "s.png") > 100);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kv::testing

namespace kv::testing {
namespace {

TEST(HeadlessRun, AKeyFileWalksTitleEquipmentMissionPauseAndBack) {
  const auto dir = std::filesystem::temp_directory_path() / ("kv_flow_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::copy_file(std::filesystem::path(KV_SOURCE_DIR) / "assets" / "custom.cfg", dir / "custom.cfg",
                             std::filesystem::copy_options::overwrite_existing);
  auto o = headless::ParseArgs({"--dir", dir.string(), "--mute", "--keys",
                                (std::filesystem::path(KV_SOURCE_DIR) / "tests" / "data" / "menu_flow.keys").string(),
                                "--until", "7000", "--trace", (dir / "t.jsonl").string(), "--final",
                                (dir / "f.json").string()},
                               KV_PROGRAM_DIR);
  ASSERT_TRUE(o.ok()) << o.error();
  std::ostringstream err;
  ASSERT_EQ(headless::Run(o.value(), err), 0) << err.str();
  const auto f = Lines(dir / "f.json");
  ASSERT_EQ(f.size(), 1u);
  EXPECT_NE(f[0].find("\"equip\":[1,1,0,2,0,0]"), std::string::npos) << f[0];
  EXPECT_NE(f[0].find("\"wbox\":[\"C-Laser\",\"Ringu\",\"Fire Cutter\",\"KVS Mark III\",\"Core Type A\",\"Slow\"]"),
            std::string::npos);
  EXPECT_NE(f[0].find("\"layers\":{\"menu\":-1,"), std::string::npos);
  EXPECT_NE(f[0].find("\"gameinit\":0"), std::string::npos);
  const auto t = Lines(dir / "t.jsonl");
  ASSERT_FALSE(t.empty());
  // The mission ran with the chosen shield's bar, stopped while paused and went on after.
  EXPECT_NE(t.front().find("\"shield\":[1305,1305,-1,0]"), std::string::npos) << t.front();
  EXPECT_NE(t.front().find("\"frame\":1,"), std::string::npos);
  std::int64_t lastT = 0;
  bool gap = false;
  for (const std::string& line : t) {
    const std::int64_t at = std::stoll(line.substr(5));
    if (lastT != 0 && at - lastT > 200) gap = true;
    lastT = at;
  }
  EXPECT_TRUE(gap);  // the pause
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kv::testing

namespace kv::testing {
namespace {

std::string ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

TEST(HeadlessBot, FliesAWholeMissionToVictoryTheSameWayEveryTime) {
  const auto dir = std::filesystem::temp_directory_path() / ("kv_bot_" + std::to_string(::getpid()));
  std::string traces[2];
  for (int run = 0; run < 2; ++run) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::filesystem::path(KV_SOURCE_DIR) / "assets" / "custom.cfg", dir / "custom.cfg");
    std::filesystem::copy_file(std::filesystem::path(KV_SOURCE_DIR) / "assets" / "HiScore.txt", dir / "HiScore.txt");
    auto o = headless::ParseArgs({"--dir", dir.string(), "--play", "--bot", "--nodeath", "--seed", "7", "--equip",
                                  "0,0,0,4,0,3", "--until", "400000", "--trace", (dir / "t.jsonl").string()},
                                 KV_PROGRAM_DIR);
    ASSERT_TRUE(o.ok()) << o.error();
    std::ostringstream err;
    ASSERT_EQ(headless::Run(o.value(), err), 0) << err.str();
    traces[run] = ReadAll(dir / "t.jsonl");
    const std::string report = ReadAll(dir / "HiScore.txt");
    EXPECT_NE(report.find("\"Last Boss  : Destroyed\"\r\n"), std::string::npos) << report;
  }
  EXPECT_EQ(traces[0], traces[1]);
  EXPECT_NE(traces[0].find("\"log\":[\" HQ: YES! WE DID IT!!! RETURN TO BASE!\""), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(HeadlessBot, NeedsPlay) { EXPECT_FALSE(headless::ParseArgs({"--bot"}, "/tmp").ok()); }

}  // namespace
}  // namespace kv::testing
